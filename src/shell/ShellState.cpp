#include "ShellState.h"

#include "Tray.h"

namespace BasRuxa {
namespace {

std::uint32_t requestSerial = 0;

void BecomeIdle() {
    AppState = StateIdle;
    if (!Tray::IsShown()) Tray::ShowAgain();
}

}  // namespace

ShellRequest BeginRequest(std::int16_t state) {
    AppState = state;
    return {state, ++requestSerial};
}

ShellRequest CurrentRequest() { return {AppState, requestSerial}; }

void ReturnToIdle(std::int16_t from) {
    if (AppState == from) BecomeIdle();
}

void ReturnToIdle(const ShellRequest& finished) {
    if (finished.state != 0 && AppState == finished.state && requestSerial == finished.serial) BecomeIdle();
}

}  // namespace BasRuxa
