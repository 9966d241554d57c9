#include "FrmAbout.h"

#include "Globals.h"

namespace FrmAbout {

// The box's contents are not built yet: it closes as soon as it opens, so the
// tray never waits for a window that is not there.
void Show() { BasRuxa::AppState = StateIdle; }

}  // namespace FrmAbout
