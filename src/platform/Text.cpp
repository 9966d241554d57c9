#include "Text.h"

#include <windows.h>

#include <algorithm>

namespace text {
namespace {

constexpr UINT ShiftJis = 932;

// Each conversion is one pass into a buffer of the largest size it can
// need: a byte gives at most one UTF-16 unit, a unit at most three bytes of
// UTF-8 or two of code page 932.
std::wstring ToWide(UINT codePage, std::string_view bytes) {
    std::wstring wide(bytes.size(), L'\0');
    wide.resize(std::max(0, MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                                                static_cast<int>(wide.size()))));
    return wide;
}

// Given `defaulted`, no look-alike stands in for a character the code page
// lacks: the default character does, and `defaulted` says so.
std::string FromWide(UINT codePage, std::wstring_view wide, BOOL* defaulted = nullptr) {
    std::string bytes(wide.size() * (codePage == CP_UTF8 ? 3 : 2), '\0');
    const DWORD flags = defaulted ? WC_NO_BEST_FIT_CHARS : 0;
    bytes.resize(std::max(0, WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                                                 static_cast<int>(bytes.size()), nullptr, defaulted)));
    return bytes;
}

}  // namespace

std::wstring Widen(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Narrow(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }

std::string Cp932ToUtf8(std::string_view cp932) { return Narrow(ToWide(ShiftJis, cp932)); }

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    BOOL defaulted = FALSE;
    std::string bytes = FromWide(ShiftJis, wide, &defaulted);
    // Only what reads back as itself is written.
    if (defaulted || bytes.empty() != wide.empty() || ToWide(ShiftJis, bytes) != wide) return std::nullopt;
    return bytes;
}

}  // namespace text
