// Saving a picture as an image file: BMP (24 bits per pixel) or PNG, encoded
// in memory first and then put in place in one step, so a file that cannot
// be written never leaves a truncated image where a good one was.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "PictureSurface.h"

enum class PictureFormat { Bmp, Png };

// PNG for a name ending in ".png" (any letter case), BMP for any other.
PictureFormat PictureFormatOf(std::wstring_view path);

// Writes the picture to the file; ERROR_SUCCESS or why not (a system error
// code, or an HRESULT from the encoder). On failure the file is as it was.
DWORD SavePicture(const PictureSurface& picture, const std::wstring& path, PictureFormat format);
