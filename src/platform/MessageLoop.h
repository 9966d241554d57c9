// The program's one message loop. Modeless dialogs register with it so that
// Tab, Enter, Esc and access keys work in them as in any dialog.
#pragma once
#include <windows.h>

void AddModelessDialog(HWND dialog);
void RemoveModelessDialog(HWND dialog);

// Gives the message to the registered dialog that holds its window: a key
// goes to the form first (WM_FORM_KEYDOWN), then to the dialog's keyboard
// navigation; true when either took it.
bool TranslateDialogMessage(MSG& msg);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Dispatches every message waiting for this thread, as a form program does
// before it shows a popup menu. A quit request is left in place for the main
// message loop.
void DoEvents();
