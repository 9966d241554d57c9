// Start-up: the program folder, the command line, the settings, then either
// the resident tray program or one command-line run.
#pragma once
#include <windows.h>

namespace BasRuxa {

// Returns the process exit code.
int Main(HINSTANCE instance);

void RunCommandLine();
void LoadAppIcon(HINSTANCE instance);

}  // namespace BasRuxa
