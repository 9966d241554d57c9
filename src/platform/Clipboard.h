// The clipboard as the program uses it: one bitmap and nothing else.
#pragma once
#include <windows.h>

#include "PictureSurface.h"

// Empties the clipboard and puts a copy of the picture on it as CF_BITMAP.
// Another program may hold the clipboard open for a moment: it is waited for
// about a second. When the copy cannot be made the user is told why (the box
// is owned by `owner`) and the clipboard keeps what it held; returns false.
bool CopyPictureToClipboard(HWND owner, const PictureSurface& picture);
