// The text rules of the common-dialog wrapper that need no window: the
// filter list as the dialogs take it, the Japanese description of their
// error codes, and the help key held as a number.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace commondlg {

// "desc|pattern|desc|pattern|" becomes "desc\0pattern\0desc\0pattern\0": every
// bar turns into a NUL and one NUL ends the list when the text did not; the
// string's own terminator supplies the list's closing second NUL.
std::string ApiFilter(std::string_view filter);

// The description of an error number: a number of the description table, or
// a code the dialog service reports (CommDlgExtendedError) that one of its
// rows describes; "未知のｴﾗｰです。" for any other.
const char* ErrorDescription(std::int32_t number);

// A help key is held as a 32-bit number. Text that is not a whole number in
// that range (letters, a fraction, an overflow) gives nothing.
std::optional<std::int32_t> HelpKeyNumber(std::string_view text);

}  // namespace commondlg
