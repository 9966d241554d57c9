#include "ShellState.h"

#include "Globals.h"
#include "Tray.h"

namespace BasRuxa {

void ReturnToIdle(std::int16_t from) {
    if (AppState != from) return;
    AppState = StateIdle;
    if (!Tray::IsShown()) Tray::ShowAgain();
}

}  // namespace BasRuxa
