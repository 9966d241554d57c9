// Small UTF-8 helpers for the portable core. Text in the core is UTF-8; the
// Windows side converts to and from the ANSI code page at the file boundary.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

// Decodes the code point starting at text[pos] and advances pos. Malformed
// bytes decode as themselves (one byte each) so that no input can stall a scan.
char32_t Next(std::string_view text, std::size_t& pos);

void Append(std::string& out, char32_t cp);

// Bytes the character takes in code page 932, the code page the settings file
// is stored in: one for ASCII and half-width katakana, two for the rest.
int Cp932Width(char32_t cp);

}  // namespace utf8
