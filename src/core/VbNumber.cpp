#include "VbNumber.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace vbnum {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int radix) {
    int v = -1;
    if (IsDigit(c)) v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < radix ? v : -1;
}

std::optional<double> RadixNumber(std::string_view digits, int radix) {
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = DigitValue(c, radix);
        if (d < 0) break;
        value = value * radix + d;
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    if (value <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(value));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

}  // namespace

std::optional<double> LeadingNumber(std::string_view text) {
    if (text.size() >= 2 && text[0] == '&') {
        const char kind = text[1];
        if (kind == 'H' || kind == 'h') return RadixNumber(text.substr(2), 16);
        if (kind == 'O' || kind == 'o') return RadixNumber(text.substr(2), 8);
        return 0.0;
    }

    // Collect the longest prefix that forms a decimal number, then let strtod
    // do the exact conversion of that prefix alone.
    std::string number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    const std::size_t mantissaStart = number.size();
    while (i < text.size() && IsDigit(text[i])) number += text[i++];
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) number += text[i++];
    }
    const bool hasDigits = number.find_first_of("0123456789", mantissaStart) != std::string::npos;
    if (!hasDigits) return 0.0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) exponent += text[j++];
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

std::optional<std::int32_t> RoundToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // default rounding: halves to even
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<std::int16_t> ParseInt16(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    if (i == text.size()) return std::nullopt;
    long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 32768) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 32767) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace vbnum
