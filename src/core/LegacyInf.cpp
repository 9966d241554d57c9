#include "LegacyInf.h"

#include <array>

#include "VbNumber.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::variant<LegacyOptions, RuntimeError> ParseLegacyInf(std::string_view text) {
    std::array<std::int16_t, 7> values{};
    std::size_t pos = 0;
    for (std::int16_t& value : values) {
        while (pos < text.size() && (IsBlank(text[pos]) || IsLineBreak(text[pos]))) ++pos;
        if (pos == text.size()) return runtime_error::Make(runtime_error::InputPastEndOfFile);

        const std::size_t start = pos;
        while (pos < text.size() && text[pos] != ',' && !IsLineBreak(text[pos])) ++pos;
        std::string_view field = text.substr(start, pos - start);
        while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
        if (pos < text.size() && text[pos] == ',') ++pos;

        if (field.empty()) continue;  // ",," holds a zero
        const auto number = vbnum::ParseInt16(field);
        if (number) {
            value = *number;
            continue;
        }
        const bool digitsOnly = field.find_first_not_of("+-0123456789") == std::string_view::npos;
        return runtime_error::Make(digitsOnly ? runtime_error::Overflow : runtime_error::TypeMismatch);
    }
    // The fifth value belongs to a feature that no longer exists.
    return LegacyOptions{values[0], values[1], values[2], values[3], values[5], values[6]};
}
