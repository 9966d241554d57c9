// Conversions at the boundaries: the core speaks UTF-8, Windows speaks UTF-16,
// and the settings files are in the ANSI code page.
#pragma once
#include <string>
#include <string_view>

namespace text {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace text
