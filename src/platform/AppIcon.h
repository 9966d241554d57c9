// The icon the main window shows: the built-in one, or the one start-up took
// from the Icon file. The tray and the dialogs take it from here. Where it
// came from is kept too, so the tray can load it again at the size its DPI
// asks for.
#pragma once
#include <windows.h>

#include <string>

#include "UniqueHandle.h"

namespace AppIcon {

HICON Main();
void SetMain(HICON icon);

// Where the main icon comes from: a resource of the module, or an icon file.
void SetSource(HINSTANCE module, int resource);
void SetSourceFile(std::wstring path);

// A new copy of the icon, size x size pixels, from its source (the image of
// the nearest size the source holds); null when there is none or it cannot be
// loaded any more (the file has gone).
unique_hicon LoadSized(int size);

}  // namespace AppIcon
