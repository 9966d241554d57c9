// The driver's commands. Each reads its options, prints its result lines and
// returns the process exit code (0 on success).
#pragma once

#include "options.h"

namespace driver {

// windows.cpp: top-level windows and messages to them
int WaitWindow(const Options& options);
int WaitGone(const Options& options);
int Post(const Options& options);

// controls.cpp: a control of a dialog, read or worked
int Control(const Options& options);

// dialogs.cpp: message boxes
int MsgBox(const Options& options);
int Press(const Options& options);

// file_dialog.cpp: the open and save dialogs
int FileDialog(const Options& options);

// shell_menu.cpp: popup menus
int Menu(const Options& options);
int NoMenu(const Options& options);

// shell_hotkey.cpp: keys and hot keys
int Keys(const Options& options);
int HotKeyFree(const Options& options);
int Atom(const Options& options);

// paint.cpp: a window of known content to capture
int Paint(const Options& options);

// shell_screen.cpp: the clipboard and the tray
int ClipboardSize(const Options& options);
int ClipboardText(const Options& options);
int TrayIcon(const Options& options);

} // namespace driver
