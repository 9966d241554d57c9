// The monitors as Windows programs see them. Coordinates are virtual-screen ones: the primary monitor's
// top left is 0,0 and other monitors may lie at negative coordinates.
#include "commands.h"
#include "output.h"

#include <string>

namespace driver {

namespace {

std::string Rect(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info))
    PrintLine("monitor=" + Rect(info.rcMonitor) + " work=" + Rect(info.rcWork) +
              " primary=" + ((info.dwFlags & MONITORINFOF_PRIMARY) ? "1" : "0"));
  return TRUE;
}

RECT VirtualScreen() {
  const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

} // namespace

// monitors  Prints monitor=L,T,R,B work=L,T,R,B primary=0|1 for each monitor
// in the order EnumDisplayMonitors gives them, then virtual=L,T,R,B.
int Monitors(const Options&) {
  if (!EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0))
    return Fail(L"EnumDisplayMonitors failed");
  PrintLine("virtual=" + Rect(VirtualScreen()));
  return 0;
}

} // namespace driver
