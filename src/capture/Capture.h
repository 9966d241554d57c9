// Screen capture into the capture picture: the whole screen or one window,
// with the mouse cursor drawn in when IconCapture is on.
#pragma once
#include <windows.h>

#include <cstdint>

namespace Capture {

// The screen rectangle of the window captured last.
inline RECT WindowRect{};

void CaptureDesktop();

// hWnd 0 (or null) captures the foreground window. False when there is no
// such window (a number that names none, or one that has gone): the picture
// is then left empty.
bool CaptureActiveWindow(HWND hWnd);

// Tells the user that the window to capture (0: the foreground window) was
// not there, and that nothing was printed or copied.
void ReportMissingWindow(std::int32_t windowHandle, bool printing);

// The cursor the application under the pointer shows now, or null.
HCURSOR GetCurrentCursor();

}  // namespace Capture
