// A window of known content to check captures against, topmost and in the
// foreground, as the window a user has just clicked. Every style is a colour
// per pixel, so one painting and one check that the screen shows it serve all.
#include "driver.h"

#include "UniqueHandle.h"

#include <vector>

namespace driver {

namespace {

// The quadrant pattern's border, then its quadrants in reading order. None
// is white or black (white reversed), so a page's non-white bounds are the
// picture's, reversed or not; none is another's reverse, so a reversed print
// cannot pass for a plain one.
constexpr struct {
  const char* name;
  COLORREF rgb;
} kAreas[] = {{"border", RGB(128, 0, 128)},    {"topleft", RGB(200, 40, 40)},     {"topright", RGB(40, 160, 40)},
              {"bottomleft", RGB(40, 40, 200)}, {"bottomright", RGB(230, 200, 40)}};

struct Painting {
  bool quadrants = false;
  int left = 0, top = 0, width = 0, height = 0;

  // Coords: every screen pixel's colour says where it is, so a capture of
  // any part can be checked pixel by pixel. Quadrants: a one-pixel border
  // around four areas meeting at (width / 2, height / 2), for print layouts.
  COLORREF At(int x, int y) const {
    if (quadrants)
      return x == 0 || y == 0 || x == width - 1 || y == height - 1
                 ? kAreas[0].rgb
                 : kAreas[1 + (y >= height / 2) * 2 + (x >= width / 2)].rgb;
    const int sx = left + x, sy = top + y;
    return RGB(sx & 0xFF, sy & 0xFF, ((sx >> 8) & 0xF) << 4 | ((sy >> 8) & 0xF));
  }
};
Painting painting;

void Draw(HDC dc) {
  std::vector<DWORD> pixels;
  for (int y = 0; y < painting.height; ++y)
    for (int x = 0; x < painting.width; ++x) {
      const COLORREF c = painting.At(x, y);
      pixels.push_back(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = painting.width;
  info.bmiHeader.biHeight = -painting.height; // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, painting.width, painting.height, 0, 0, 0, painting.height, pixels.data(), &info,
                    DIB_RGB_COLORS);
}

LRESULT CALLBACK PaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_ERASEBKGND:
    return 1; // WM_PAINT covers every pixel
  case WM_PAINT: {
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    Draw(ps.hdc);
    EndPaint(window, &ps);
    return 0;
  }
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  case WM_KEYUP: // once the window with the focus lets go of a key, a hot key it completed has reached its owner
  case WM_SYSKEYUP:
    PrintLine("keyup=" + std::to_string(wParam));
    [[fallthrough]];
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

// Whether the screen, as another process reads it, shows the painting yet:
// Wine hands window contents to the X server some time after painting.
bool OnScreen() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&msg);
  const unique_window_dc screen = GetDcOf(nullptr);
  const int w = painting.width, h = painting.height;
  for (const POINT p : {POINT{0, 0}, POINT{w / 4, h / 4}, POINT{w * 3 / 4, h * 3 / 4}, POINT{w - 1, h - 1}})
    if (GetPixel(screen.get().dc, painting.left + p.x, painting.top + p.y) != painting.At(p.x, p.y))
      return false;
  return true;
}

} // namespace

// Shows the window (the whole virtual screen, every monitor, unless placed);
// once the screen shows it, prints each quadrant's colour as "name=R G B"
// and then hwnd=N, and runs until the window is closed or the process ends.
int Paint(const Options& options) {
  const std::wstring style = options.Text(L"style").value_or(L"coords");
  if (style != L"coords" && style != L"quadrants")
    return Fail(L"paint needs --style coords or quadrants");
  painting.quadrants = style == L"quadrants";
  painting.left = static_cast<int>(options.Number(L"x").value_or(GetSystemMetrics(SM_XVIRTUALSCREEN)));
  painting.top = static_cast<int>(options.Number(L"y").value_or(GetSystemMetrics(SM_YVIRTUALSCREEN)));
  painting.width = static_cast<int>(options.Number(L"width").value_or(GetSystemMetrics(SM_CXVIRTUALSCREEN)));
  painting.height = static_cast<int>(options.Number(L"height").value_or(GetSystemMetrics(SM_CYVIRTUALSCREEN)));
  if (painting.width < 4 || painting.height < 4)
    return Fail(L"paint needs a window at least 4 x 4 pixels");

  WNDCLASSW wc{};
  wc.lpfnWndProc = PaintProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"RuxaDriverPaint";
  RegisterClassW(&wc);
  const std::wstring title = options.Text(L"title").value_or(L"ruxa driver paint");
  unique_hwnd window(CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, title.c_str(), WS_POPUP, painting.left,
                                     painting.top, painting.width, painting.height, nullptr, nullptr, wc.hInstance,
                                     nullptr));
  if (!window)
    return Fail(L"CreateWindowExW failed, error " + std::to_wstring(GetLastError()));
  ShowWindow(window.get(), SW_SHOW);
  SetForegroundWindow(window.get());
  if (!WaitUntil(options.TimeoutMs(), OnScreen))
    return Fail(L"the painting did not reach the screen");

  if (painting.quadrants)
    for (const auto& area : kAreas)
      PrintLine(std::string(area.name) + "=" + std::to_string(GetRValue(area.rgb)) + " " +
                std::to_string(GetGValue(area.rgb)) + " " + std::to_string(GetBValue(area.rgb)));
  PrintLine("hwnd=" + std::to_string(reinterpret_cast<UINT_PTR>(window.get())));
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0)
    DispatchMessageW(&msg);
  window.release(); // WM_CLOSE has destroyed it
  return 0;
}

} // namespace driver
