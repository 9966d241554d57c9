// The window procedure that a tab strip's container runs while it is hooked:
// it finds the owning cTabStrip through a window property of the container
// and hands it every message.
#pragma once
#include <windows.h>

#include <string>

namespace bastabStrip {

// The property's name: the container's handle in decimal, without blanks.
std::wstring PropertyName(HWND container);

LRESULT CALLBACK TabStripProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

}  // namespace bastabStrip
