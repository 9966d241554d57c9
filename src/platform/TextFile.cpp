#include "TextFile.h"

#include "Text.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";
constexpr std::string_view Utf16BeMark = "\xFE\xFF";

// UTF-16 code units from bytes in either order; a last odd byte is no unit.
std::wstring Utf16Units(std::string_view bytes, bool bigEndian) {
    std::wstring units(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]), second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return units;
}

std::string Utf16Bytes(std::wstring_view units, bool bigEndian) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const wchar_t unit : units) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace

DecodedText DecodeTextFile(std::string_view bytes) {
    if (bytes.starts_with(Utf8Mark)) return {std::string(bytes.substr(Utf8Mark.size())), TextEncoding::Utf8Bom};
    if (bytes.starts_with(Utf16LeMark))
        return {text::Narrow(Utf16Units(bytes.substr(Utf16LeMark.size()), false)), TextEncoding::Utf16LeBom};
    if (bytes.starts_with(Utf16BeMark))
        return {text::Narrow(Utf16Units(bytes.substr(Utf16BeMark.size()), true)), TextEncoding::Utf16BeBom};
    return {text::Cp932ToUtf8(bytes), TextEncoding::Cp932};
}

std::string EncodeTextFile(std::string_view utf8, TextEncoding& encoding) {
    switch (encoding) {
    case TextEncoding::Cp932:
        if (auto bytes = text::Utf8ToCp932(utf8)) return std::move(*bytes);
        encoding = TextEncoding::Utf8Bom;
        [[fallthrough]];
    case TextEncoding::Utf8Bom:
        return std::string(Utf8Mark) + std::string(utf8);
    case TextEncoding::Utf16LeBom:
        return std::string(Utf16LeMark) + Utf16Bytes(text::Widen(utf8), false);
    case TextEncoding::Utf16BeBom:
        return std::string(Utf16BeMark) + Utf16Bytes(text::Widen(utf8), true);
    }
    return {};
}
