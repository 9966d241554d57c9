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
// FindTarget, waiting up to --timeout for the window to exist; throws
// Failure when none comes.
HWND WaitForTarget(const Options& options);
// The dialog (#32770) captioned --title once it is shown and ready(it)
// holds, waiting up to --timeout (before that its controls are still being
// made or arranged); throws Failure when none comes.
HWND WaitForDialog(const Options& options, bool (*ready)(HWND) = nullptr);
// A control named as a user would point at it: "閉じる(&U)" by its caption;
// "用紙：+1" the control that follows the one captioned "用紙：" (a list or a
// field without a caption of its own); "ﾊｰﾄﾞｺﾋﾟｰ/ﾌｧｲﾙ指定+1" within the frame
// captioned "ﾊｰﾄﾞｺﾋﾟｰ". Anything that names no control, or two, is an error,
// and why says which.
HWND FindNamed(HWND dialog, std::wstring name, std::wstring& why);
bool IsClass(HWND window, const wchar_t* name);
// "class=… title=…" for messages.
std::wstring DescribeTarget(const Options& options);

std::wstring WindowText(HWND window);

} // namespace driver
