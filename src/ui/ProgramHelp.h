// The program's help: ruxa.hlp in the program folder, opened at its contents
// (help command 11) through the common dialog wrapper, owned by a window.
// The tray menu and both dialogs offer it.
#pragma once
#include <windows.h>

void ShowProgramHelp(HWND owner);
