// The program's one message loop. Modeless dialogs register with it so that
// Tab, Enter, Esc and access keys work in them as in any dialog.
#pragma once
#include <windows.h>

void AddModelessDialog(HWND dialog);
void RemoveModelessDialog(HWND dialog);

// Gives the message to the registered dialog that holds its window; true when
// the dialog took it as keyboard navigation.
bool TranslateDialogMessage(MSG& msg);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Dispatches every message waiting for this thread, as a form program does
// before it shows a popup menu. A quit request is left in place for the main
// message loop.
void DoEvents();
