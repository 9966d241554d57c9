// Driver commands for the resident shell's tests: popup menus, hot keys,
// windows that put known pixels on the screen, and the clipboard's bitmap.
#pragma once

#include "options.h"

namespace driver {

// shell_menu.cpp
int Menu(const Options& options);
int NoMenu(const Options& options);

// shell_hotkey.cpp
int Keys(const Options& options);
int HotKeyFree(const Options& options);
int PostHotKey(const Options& options);
int Atom(const Options& options);

// shell_screen.cpp
int PaintWindow(const Options& options);
int Activate(const Options& options);
int ClipboardSize(const Options& options);
int ClipboardText(const Options& options);
int TrayIcon(const Options& options);

} // namespace driver
