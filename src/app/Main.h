// Start-up: the program folder, the command line, the settings, then either
// the resident tray program or one command-line run.
#pragma once
#include <windows.h>

#include "UniqueHandle.h"

class FrmRuxa;

namespace BasRuxa {

// The main window's icon from the Icon file when it loads (the icon returned
// lives as long as the window shows it), else the built-in one; dialogs take
// the main window's icon only when it came from the file (UsesDefaultIcon).
unique_hicon LoadAppIcon(HINSTANCE instance, FrmRuxa& main);

// Returns the process exit code: 0 for a resident run, the run's RunExit for
// a command-line run.
int Main(HINSTANCE instance);

}  // namespace BasRuxa
