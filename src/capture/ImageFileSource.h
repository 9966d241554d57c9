// An image file as the capture: the user picks it in the file dialog and it
// becomes the picture at once, with no timer and no self-timer.
#pragma once
#include <windows.h>

#include "Capture.h"

namespace Capture {

// The dialog, owned by `owner`, opens where LastPicturePath points; the file
// chosen is the picture, and LastPicturePath names it. A cancel gives no
// picture and no reason; a dialog or a file that failed gives the reason
// (which file and why), and LastPicturePath stays as it was.
Captured CaptureImageFile(HWND owner);

}  // namespace Capture
