// The hidden main window: never shown, it anchors the tray icon and receives
// its callbacks for the whole run.
#pragma once
#include <windows.h>

#include "PictureSurface.h"

namespace FrmRuxa {

constexpr const wchar_t* ClassName = L"FrmRuxa";

// Creates the window (once) with the program's built-in icon.
HWND Load(HINSTANCE instance);
HWND Window();

// The icon the tray and the dialogs take; the window does not own it.
void SetIcon(HICON icon);

// Ends the resident run: the tray icon goes, then the message loop ends.
void Unload();

// The capture picture: exactly one capture, read by every output.
PictureSurface& PicPrint();
// The layout picture the print engine renders the page image into.
PictureSurface& PicPrint2();

}  // namespace FrmRuxa
