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

// What a desktop capture takes: every monitor (the whole virtual screen), or
// only the monitor under the mouse pointer.
enum class DesktopArea { AllMonitors, PointerMonitor };

// The virtual screen, which holds every monitor, in the coordinates of
// windows and of the pointer: its corner is negative where a monitor stands
// left of or above the primary one.
RECT VirtualScreen();

// The area in physical pixels, its top-left corner at the picture's (0, 0);
// what no monitor shows (beside a smaller monitor) is the picture's
// background colour.
PictureSurface CaptureDesktop(bool drawCursor, DesktopArea area = DesktopArea::AllMonitors);

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
