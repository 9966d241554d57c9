// What the resident program is doing (AppState), and the requests it takes
// on. Whatever finishes a request (its output, the region selection, a
// dialog closing) goes back to idle only when the shell still holds that
// request's state: a request made meanwhile (a hot key while a dialog or a
// message box was open) keeps its state and is carried out.
#pragma once
#include <cstdint>

#include "AppState.h"

namespace BasRuxa {

inline std::int16_t AppState = 0;

// A request the shell took on: the state it put AppState in and its serial.
// Every new request gets a serial of its own, also when it asks for the same
// thing again, so whatever finishes the older one can tell it apart.
struct ShellRequest {
    std::int16_t state;
    std::uint32_t serial;
};

// A request that holds no state of the shell: an image file, taken at once.
inline constexpr ShellRequest NoShellState{0, 0};

// Takes on a new request: AppState becomes `state`.
ShellRequest BeginRequest(std::int16_t state);

// The request the shell holds now.
ShellRequest CurrentRequest();

// StateIdle when AppState is still `from`. Once the shell is idle, an icon
// that a desktop or region request took out of the tray is back.
void ReturnToIdle(std::int16_t from);

// The same for a request that has finished: idle only when no other request
// was taken on since, the same state asked for again included.
void ReturnToIdle(const ShellRequest& finished);

}  // namespace BasRuxa
