// An image file as the capture: the user picks it in the file dialog and it
// replaces the capture picture, at once, with no timer and no self-timer.
#pragma once

namespace Capture {

// The dialog opens where LastPicturePath points. True once the chosen file is
// the capture picture and LastPicturePath names it. False when the user
// cancelled, or the dialog or the file failed (the user has been told which
// file and why); then the capture picture and LastPicturePath are as they
// were.
bool CaptureImageFile();

}  // namespace Capture
