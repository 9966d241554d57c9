// The hidden main window's parts that every floor uses. The shell creates the
// window; captures, outputs and dialogs only need its handle (the owner of
// their boxes and of the clipboard), its two pictures, and the few things
// they ask of the shell above them, which it hands down here when it loads.
#pragma once
#include <windows.h>

#include "PictureSurface.h"

namespace MainWindow {

HWND Handle();
void SetHandle(HWND window);

// The capture picture: exactly one capture, read by every output.
PictureSurface& PicPrint();
// The layout picture the print engine renders the page image into.
PictureSurface& PicPrint2();

// The icon the tray and the dialogs take.
HICON Icon();

// Ends the run: unloading the main window releases the hot keys and the tray
// icon and ends the message loop.
void EndRun();

// The shell's cancel menu at the pointer, owned by the given window; the
// region selection offers it on a right release.
inline void (*ShowCancelMenu)(HWND owner) = nullptr;

}  // namespace MainWindow
