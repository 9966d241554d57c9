// Screen capture: the whole desktop or one window, with the mouse cursor
// drawn in when asked. A source only makes the picture (or says why it could
// not); what becomes of it is the shell's decision.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "PictureSurface.h"

namespace Capture {

// What a capture source hands back: the picture, or why there is none (the
// text to tell the user; empty when the user cancelled).
struct Captured {
    std::optional<PictureSurface> picture;
    std::string reason;
};

PictureSurface CaptureDesktop(bool drawCursor);

// `window` null captures the foreground window. Nothing when there is no such
// window (a number that names none, or one that has gone): its device context
// would be the whole screen's.
std::optional<PictureSurface> CaptureActiveWindow(HWND window, bool drawCursor);

// What to tell the user when the window to capture (0: the foreground
// window) was not there, and that nothing was printed or copied.
std::string MissingWindowText(std::int32_t windowHandle, bool printing);

// The cursor the application under the pointer shows now, or null.
HCURSOR GetCurrentCursor();

}  // namespace Capture
