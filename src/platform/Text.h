// Conversions at the boundaries: the core speaks UTF-8, Windows speaks UTF-16,
// and the settings files are in code page 932 (see TextFile.h).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace text {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// Code page 932 itself, not the system's ANSI code page, so that a file reads
// the same on every locale.
std::string Cp932ToUtf8(std::string_view cp932);
// Nothing when the text holds a character that code page 932 cannot: no "?"
// and no look-alike ever stands in for it.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

}  // namespace text
