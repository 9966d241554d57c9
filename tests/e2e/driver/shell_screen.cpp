// Known pixels on the screen and a look at the clipboard's bitmap.
#include "find.h"
#include "output.h"
#include "shell_commands.h"

#include <shellapi.h>

#include <cwchar>
#include <sstream>
#include <string>
#include <vector>

namespace driver {

namespace {

// The coordinate pattern: every screen pixel's colour says where it is, so a
// capture of any part of it can be checked pixel by pixel.
COLORREF PatternColour(int x, int y) {
  return RGB(x & 0xFF, y & 0xFF, ((x >> 8) & 0xF) << 4 | ((y >> 8) & 0xF));
}

struct Painting {
  int left, top, width, height;
  std::optional<COLORREF> solid;
};
Painting painting;

LRESULT CALLBACK PaintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_PAINT: {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    std::vector<DWORD> pixels(static_cast<size_t>(painting.width) * painting.height);
    for (int y = 0; y < painting.height; ++y)
      for (int x = 0; x < painting.width; ++x) {
        const COLORREF c = painting.solid.value_or(PatternColour(painting.left + x, painting.top + y));
        pixels[static_cast<size_t>(y) * painting.width + x] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
      }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = painting.width;
    info.bmiHeader.biHeight = -painting.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(ps.hdc, 0, 0, painting.width, painting.height, 0, 0, 0, painting.height, pixels.data(), &info,
                      DIB_RGB_COLORS);
    EndPaint(hwnd, &ps);
    return 0;
  }
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

std::string Hex(COLORREF c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

} // namespace

// paint-window --x X --y Y --width W --height H [--color RRGGBB] [--title T]
// A topmost window painting the coordinate pattern (or one colour). Prints
// hwnd=N once it is shown, then runs until the window is closed.
int PaintWindow(const Options& options) {
  painting = {static_cast<int>(options.Number(L"x").value_or(0)), static_cast<int>(options.Number(L"y").value_or(0)),
              static_cast<int>(options.Number(L"width").value_or(GetSystemMetrics(SM_CXSCREEN))),
              static_cast<int>(options.Number(L"height").value_or(GetSystemMetrics(SM_CYSCREEN))), std::nullopt};
  if (const auto colour = options.Text(L"color")) {
    const unsigned long rgb = std::wcstoul(colour->c_str(), nullptr, 16);
    painting.solid = RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
  }
  WNDCLASSW wc{};
  wc.lpfnWndProc = PaintProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"RuxaDriverPaint";
  RegisterClassW(&wc);
  const std::wstring title = options.Text(L"title").value_or(L"ruxa driver paint");
  const HWND window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, title.c_str(), WS_POPUP, painting.left,
                                      painting.top, painting.width, painting.height, nullptr, nullptr,
                                      wc.hInstance, nullptr);
  if (!window)
    return Fail(L"CreateWindowExW failed, error " + std::to_wstring(GetLastError()));
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  PrintLine("hwnd=" + std::to_string(reinterpret_cast<UINT_PTR>(window)));
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

// activate --hwnd N  Brings the window to the foreground; prints
// foreground=1 once it is there.
int Activate(const Options& options) {
  const HWND window = FindTarget(options);
  if (!window)
    return Fail(L"no window " + DescribeTarget(options));
  SetForegroundWindow(window);
  if (!WaitUntil(options.TimeoutMs(), [&] { return GetForegroundWindow() == window; }))
    return Fail(L"the window did not come to the foreground");
  PrintLine("foreground=1");
  return 0;
}

// clipboard-size [--points "x,y x,y"]  Prints width= height= of the
// clipboard's bitmap (0 0 when it holds none) and pixel=x,y RRGGBB for each
// point asked for.
int ClipboardSize(const Options& options) {
  bool open = false;
  WaitUntil(options.TimeoutMs(), [&] { return open = OpenClipboard(nullptr) != FALSE; });
  if (!open)
    return Fail(L"the clipboard stays busy");
  const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
    CloseClipboard();
    PrintLine("width=0 height=0");
    return 0;
  }
  PrintLine("width=" + std::to_string(info.bmWidth) + " height=" + std::to_string(info.bmHeight));
  std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = info.bmWidth;
  request.bmiHeader.biHeight = -info.bmHeight;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  CloseClipboard();

  std::wstringstream points(options.Text(L"points").value_or(L""));
  int x = 0, y = 0;
  wchar_t comma = 0;
  while (points >> x >> comma >> y) {
    if (x < 0 || y < 0 || x >= info.bmWidth || y >= info.bmHeight)
      return Fail(L"point outside the bitmap: " + std::to_wstring(x) + L"," + std::to_wstring(y));
    const DWORD p = pixels[static_cast<size_t>(y) * info.bmWidth + x];
    PrintLine("pixel=" + std::to_string(x) + "," + std::to_string(y) + " " +
              Hex(RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF)));
  }
  return 0;
}

// clipboard-text --set T  Empties the clipboard and puts the text on it, a
// mark that tells whether a bitmap has arrived since.
int ClipboardText(const Options& options) {
  const std::wstring text = options.Text(L"set").value_or(L"");
  bool open = false;
  WaitUntil(options.TimeoutMs(), [&] { return open = OpenClipboard(nullptr) != FALSE; });
  if (!open)
    return Fail(L"the clipboard stays busy");
  EmptyClipboard();
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (memory) {
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory))
      GlobalFree(memory);
  }
  CloseClipboard();
  PrintLine("set=1");
  return 0;
}

// tray-icon --hwnd H [--id N]  Prints icon=1 while the tray holds the
// icon of that window (id 1 unless given), icon=0 once it is gone. The tray
// answers a change to an icon it does not hold with a failure.
int TrayIcon(const Options& options) {
  const auto handle = options.Number(L"hwnd");
  if (!handle)
    return Fail(L"tray-icon needs --hwnd");
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = reinterpret_cast<HWND>(*handle);
  data.uID = static_cast<UINT>(options.Number(L"id").value_or(1));
  const bool held = Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
  PrintLine(std::string("icon=") + (held ? "1" : "0"));
  return 0;
}

} // namespace driver
