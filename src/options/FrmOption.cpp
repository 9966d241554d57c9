#include "FrmOption.h"

#include "Globals.h"

namespace FrmOption {

// The dialog's controls are not built yet: it closes as soon as it opens, so
// the tray never waits for a window that is not there.
void Show() { BasRuxa::AppState = StateIdle; }

}  // namespace FrmOption
