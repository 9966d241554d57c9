// Finding another process's top-level windows, waiting for them to appear.
#pragma once

#include "options.h"

#include <windows.h>

#include <string>

namespace driver {

// Calls ready() until it answers true or timeoutMs have passed. Windows of
// other processes give no event to wait on, so this polls.
template <class Ready>
bool WaitUntil(DWORD timeoutMs, Ready&& ready) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (ready())
      return true;
    if (GetTickCount64() >= deadline)
      return false;
    Sleep(20);
  }
}

// The window named by --hwnd, or the top-level window with --class and/or
// exact --title (hidden ones included); nullptr when there is none now.
HWND FindTarget(const Options& options);
// FindTarget, waiting up to --timeout for the window to exist.
HWND WaitForTarget(const Options& options);
// The dialog (#32770) captioned --title once it is shown and ready(it)
// holds, waiting up to --timeout: before that its controls are still being
// made or arranged.
HWND WaitForDialog(const Options& options, bool (*ready)(HWND) = nullptr);
// The control with that id anywhere in the dialog (pages included); a combo
// box's own edit field is part of the combo box.
HWND FindControl(HWND dialog, int id);
// "class=… title=…" for messages.
std::wstring DescribeTarget(const Options& options);

// Brings the window to the foreground and waits until it is there.
bool BringToFront(HWND window, DWORD timeoutMs);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

} // namespace driver
