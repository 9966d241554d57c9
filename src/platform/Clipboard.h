// The clipboard as the program uses it: one bitmap and nothing else.
#pragma once
#include <windows.h>

#include "PictureSurface.h"

// Empties the clipboard and puts a copy of the picture on it as CF_BITMAP.
// Returns false when the clipboard could not be opened or took nothing.
bool CopyPictureToClipboard(HWND owner, const PictureSurface& picture);
