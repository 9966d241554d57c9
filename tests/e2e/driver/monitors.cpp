// The monitors as Windows programs see them, and what the whole virtual
// screen shows. Coordinates are virtual-screen ones: the primary monitor's
// top left is 0,0 and other monitors may lie at negative coordinates.
#include "commands.h"
#include "find.h"
#include "output.h"

#include "UniqueHandle.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

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

// screen [--title T --name NAME] [--points "x,y x,y"] [--save FILE]
// Copies the whole virtual screen with one BitBlt, as a capture of every
// monitor does, or only what it shows of a control's client area. Prints
// pixel=x,y RRGGBB for each point (virtual-screen coordinates, inside the
// copy); --save writes the copy to FILE as a binary PPM image.
int Screen(const Options& options) {
  RECT area = VirtualScreen();
  if (const auto name = options.Text(L"name")) {
    const HWND dialog = WaitForTarget(options);
    std::wstring why = L"no window";
    const HWND control = dialog ? FindNamed(dialog, *name, why) : nullptr;
    if (!control)
      return Fail(why + L" in " + DescribeTarget(options));
    GetClientRect(control, &area);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
  }
  const int width = area.right - area.left, height = area.bottom - area.top;
  const unique_window_dc screen = GetDcOf(nullptr);
  const unique_hdc memory(CreateCompatibleDC(screen.get().dc));
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height; // top-down
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const unique_hbitmap bitmap(CreateDIBSection(screen.get().dc, &request, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap)
    return Fail(L"no bitmap of " + std::to_wstring(width) + L" x " + std::to_wstring(height));
  {
    const SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get().dc, area.left, area.top, SRCCOPY))
      return Fail(L"BitBlt from the screen failed, error " + std::to_wstring(GetLastError()));
  }
  GdiFlush(); // the bits are read directly
  const auto* pixels = static_cast<const DWORD*>(bits);
  const auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFFul; };
  std::wstringstream points(options.Text(L"points").value_or(L""));
  int x = 0, y = 0;
  wchar_t comma = 0;
  while (points >> x >> comma >> y) {
    const int column = x - area.left, row = y - area.top;
    if (column < 0 || row < 0 || column >= width || row >= height)
      return Fail(L"point outside the copy: " + std::to_wstring(x) + L"," + std::to_wstring(y));
    char hex[8]; // RRGGBB, as the 32-bit pixel is 0x00RRGGBB
    std::snprintf(hex, sizeof hex, "%06lX", at(column, row));
    PrintLine("pixel=" + std::to_string(x) + "," + std::to_string(y) + " " + hex);
  }
  if (const auto file = options.Text(L"save")) {
    std::string image = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    for (int row = 0; row < height; ++row)
      for (int column = 0; column < width; ++column) {
        const DWORD pixel = at(column, row);
        image += {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8), static_cast<char>(pixel)};
      }
    const unique_hfile out(CreateFileW(file->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (!out || !WriteFile(out.get(), image.data(), static_cast<DWORD>(image.size()), &written, nullptr) ||
        written != image.size())
      return Fail(L"could not write " + *file);
  }
  return 0;
}

} // namespace driver
