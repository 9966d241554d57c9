#include "commands.h"
#include "find.h"
#include "output.h"

#include <string>

namespace driver {

int WaitWindow(const Options& options) {
  const HWND window = WaitForTarget(options);
  RECT r{};
  GetWindowRect(window, &r);
  PrintLine("hwnd=" + std::to_string(reinterpret_cast<UINT_PTR>(window)) + " rect=" + std::to_string(r.left) + "," +
            std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom) +
            " visible=" + (IsWindowVisible(window) ? "1" : "0"));
  return 0;
}

int WaitGone(const Options& options) {
  if (!WaitUntil(options.TimeoutMs(), [&] { return FindTarget(options) == nullptr; }))
    return Fail(L"window still there: " + DescribeTarget(options));
  PrintLine("gone=1");
  return 0;
}

// post --msg N [--lparam L] to the window found.
int Post(const Options& options) {
  const auto msg = options.Number(L"msg");
  if (!msg)
    return Fail(L"post needs --msg N");
  const HWND window = WaitForTarget(options);
  if (!PostMessageW(window, static_cast<UINT>(*msg), 0, static_cast<LPARAM>(options.Number(L"lparam").value_or(0))))
    return Fail(L"PostMessageW failed, error " + std::to_wstring(GetLastError()));
  PrintLine("posted=1");
  return 0;
}

} // namespace driver
