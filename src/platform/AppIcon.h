// The icon the main window shows: the built-in one, or the one start-up took
// from the Icon file. The tray and the dialogs take it from here.
#pragma once
#include <windows.h>

namespace AppIcon {

HICON Main();
void SetMain(HICON icon);

}  // namespace AppIcon
