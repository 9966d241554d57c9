// Image files as pictures, decoded by the system's imaging codecs (WIC):
// every format they read (BMP, JPEG, PNG, GIF, TIFF and ICO at least), the
// first frame of a file that holds several.
#pragma once
#include <string>

#include "PictureSurface.h"

struct PictureLoadResult {
    bool loaded = false;
    std::string reason;  // why not, in Japanese (UTF-8); empty once loaded
};

// Makes the image in the file (UTF-8 path) the picture: the picture takes the
// image's size, and transparent or partly transparent pixels are laid onto
// white, the colour of paper. The whole image is decoded before the picture
// is touched, so a failure of any kind leaves it exactly as it was.
PictureLoadResult LoadPicture(const std::string& path, PictureSurface& picture);
