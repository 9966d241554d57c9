// The mouse, moved and dragged through the input system at virtual-screen
// coordinates, so a pointer reaches any monitor, including ones left of or
// above the primary.
#include "commands.h"
#include "find.h"
#include "output.h"

#include <sstream>
#include <string>
#include <vector>

namespace driver {

namespace {

// Absolute input runs from 0 to 65535 across the virtual screen and the
// system takes the pixel as left + (n * width) / 65536: the smallest n that
// gives the pixel x is the ceiling below.
LONG Normalized(int pixel, int origin, int extent) {
  return static_cast<LONG>((static_cast<long long>(pixel - origin) * 65536 + extent - 1) / extent);
}

bool Send(int x, int y, DWORD buttons) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalized(x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
  input.mi.dy = Normalized(y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | buttons;
  return SendInput(1, &input, sizeof input) == 1;
}

// Moves the pointer and waits until the system has it there, as a person's
// hand would rest before pressing a button.
bool MoveTo(POINT p, DWORD timeoutMs) {
  if (!Send(p.x, p.y, 0))
    return false;
  return WaitUntil(timeoutMs, [&] {
    POINT at{};
    return GetCursorPos(&at) && at.x == p.x && at.y == p.y;
  });
}

std::vector<POINT> Points(const std::wstring& text) {
  std::vector<POINT> points;
  std::wstringstream in(text);
  POINT p{};
  wchar_t comma = 0;
  while (in >> p.x >> comma >> p.y)
    points.push_back(p);
  return points;
}

std::string Where() {
  POINT at{};
  GetCursorPos(&at);
  return std::to_string(at.x) + "," + std::to_string(at.y);
}

} // namespace

// pointer --at x,y  Moves the pointer there; prints at=x,y once the system
// has it there.
int Pointer(const Options& options) {
  const auto points = Points(options.Text(L"at").value_or(L""));
  if (points.size() != 1)
    return Fail(L"pointer needs --at x,y");
  if (!MoveTo(points[0], options.TimeoutMs())) {
    const std::string at = Where();
    return Fail(L"the pointer stayed at " + std::wstring(at.begin(), at.end()));
  }
  PrintLine("at=" + Where());
  return 0;
}

// drag --path "x,y x,y ..."  Presses the left button at the first point,
// moves through the others and lets go at the last; prints at=x,y there.
int Drag(const Options& options) {
  const auto path = Points(options.Text(L"path").value_or(L""));
  if (path.size() < 2)
    return Fail(L"drag needs --path with at least two points x,y");
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (!MoveTo(path[i], options.TimeoutMs()))
      return Fail(L"the pointer did not reach point " + std::to_wstring(i + 1) + L" of the path");
    const DWORD button = i == 0 ? MOUSEEVENTF_LEFTDOWN : i + 1 == path.size() ? MOUSEEVENTF_LEFTUP : 0;
    if (button && !Send(path[i].x, path[i].y, button))
      return Fail(L"SendInput failed, error " + std::to_wstring(GetLastError()));
    Sleep(20); // the program takes each step, as from a hand
  }
  PrintLine("at=" + Where());
  return 0;
}

} // namespace driver
