// Screen capture into the capture picture: the whole screen or one window,
// with the mouse cursor drawn in when IconCapture is on.
#pragma once
#include <windows.h>

namespace Capture {

// The screen rectangle of the window captured last.
inline RECT WindowRect{};

void CaptureDesktop();

// hWnd 0 (or null) captures the foreground window.
void CaptureActiveWindow(HWND hWnd);

// The cursor the application under the pointer shows now, or null.
HCURSOR GetCurrentCursor();

}  // namespace Capture
