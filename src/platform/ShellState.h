// Leaving a shell state. Whatever finishes a request (a timer's capture, the
// region selection, a dialog closing) goes back to idle only when the shell
// still holds that request's state: a request made meanwhile (a hot key while
// a dialog or a message box was open) keeps its state and is carried out.
#pragma once
#include <cstdint>

namespace BasRuxa {

// StateIdle when AppState is still `from`. Once the shell is idle, an icon
// that a desktop or region request took out of the tray is back.
void ReturnToIdle(std::int16_t from);

}  // namespace BasRuxa
