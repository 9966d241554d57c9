#include "Text.h"

#include <windows.h>

namespace text {
namespace {

constexpr UINT ShiftJis = 932;

std::wstring ToWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

}  // namespace

std::wstring Widen(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Narrow(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }

std::string Cp932ToUtf8(std::string_view cp932) { return Narrow(ToWide(ShiftJis, cp932)); }

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    BOOL defaulted = FALSE;
    const int n = WideCharToMultiByte(ShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &defaulted);
    if (n <= 0 || defaulted) return std::nullopt;
    std::string bytes(n, '\0');
    WideCharToMultiByte(ShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), n, nullptr, &defaulted);
    // Only what reads back as itself is written.
    if (defaulted || ToWide(ShiftJis, bytes) != wide) return std::nullopt;
    return bytes;
}

}  // namespace text
