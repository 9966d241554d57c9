// Moves the mouse pointer, as a user would before a capture that shows it.
#include "commands.h"
#include "find.h"
#include "output.h"

#include <string>

namespace driver {

int Cursor(const Options& options) {
  const auto x = options.Number(L"x"), y = options.Number(L"y");
  if (!x || !y)
    return Fail(L"cursor needs --x X --y Y");
  const POINT wanted{static_cast<LONG>(*x), static_cast<LONG>(*y)};
  if (!SetCursorPos(wanted.x, wanted.y))
    return Fail(L"SetCursorPos failed, error " + std::to_wstring(GetLastError()));
  // Wine moves the X pointer asynchronously; other processes read the new
  // position only once it has arrived.
  POINT now{};
  if (!WaitUntil(options.TimeoutMs(), [&] { return GetCursorPos(&now) && now.x == wanted.x && now.y == wanted.y; }))
    return Fail(L"the pointer stayed at " + std::to_wstring(now.x) + L"," + std::to_wstring(now.y));
  PrintLine("x=" + std::to_string(now.x) + " y=" + std::to_string(now.y));
  return 0;
}

} // namespace driver
