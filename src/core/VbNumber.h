// Numbers from text by the classic rules that users' files and command lines
// were written with.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace vbnum {

// The leading number of the text: optional sign, decimal digits with an
// optional fraction and exponent (E or D), or "&H" hexadecimal / "&O" octal
// digits. Reading stops at the first character that cannot continue the
// number; no number gives 0. Hexadecimal and octal values of up to 16 bits are
// 16-bit signed ("&HFFFF" is -1), up to 32 bits 32-bit signed.
// Nothing when the number cannot be held at all (more than 32 bits of hex).
std::optional<double> LeadingNumber(std::string_view text);

// Nearest integer with halves to the even neighbour, or nothing when the
// result lies outside the 32-bit signed range.
std::optional<std::int32_t> RoundToInt32(double value);

// A stored 16-bit integer: an optional sign and decimal digits only, within
// -32768 to 32767; anything else is not a stored integer.
std::optional<std::int16_t> ParseInt16(std::string_view text);

}  // namespace vbnum
