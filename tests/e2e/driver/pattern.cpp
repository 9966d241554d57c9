// A window of known content for captures to be measured against: four
// coloured quadrants inside a one-pixel border, on top of everything else and
// the foreground window.
#include "commands.h"
#include "find.h"
#include "output.h"

#include "UniqueHandle.h"

#include <string>

namespace driver {

namespace {

using unique_hbrush = handles::unique_any<handles::NullTraits<HBRUSH, DeleteObject>>;
using unique_hwnd = handles::unique_any<handles::NullTraits<HWND, DestroyWindow>>;

constexpr wchar_t kClassName[] = L"RuxaPattern";

struct Colour {
  const char* name;
  COLORREF rgb;
};

// None of these is white, or black (whose reverse is white), so a printed
// page's non-white bounds are the picture's bounds whether it was printed as
// captured or colour-reversed; and none is another's reverse, so a reversed
// print cannot pass for a plain one.
constexpr Colour kBorder{"border", RGB(128, 0, 128)};
constexpr Colour kTopLeft{"topleft", RGB(200, 40, 40)};
constexpr Colour kTopRight{"topright", RGB(40, 160, 40)};
constexpr Colour kBottomLeft{"bottomleft", RGB(40, 40, 200)};
constexpr Colour kBottomRight{"bottomright", RGB(230, 200, 40)};

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  const unique_hbrush brush(CreateSolidBrush(colour));
  const RECT area{left, top, right, bottom};
  FillRect(dc, &area, brush.get());
}

// The quadrants meet at (width / 2, height / 2).
void Paint(HDC dc, int width, int height) {
  const int midX = width / 2, midY = height / 2;
  Fill(dc, 0, 0, width, height, kBorder.rgb);
  Fill(dc, 1, 1, midX, midY, kTopLeft.rgb);
  Fill(dc, midX, 1, width - 1, midY, kTopRight.rgb);
  Fill(dc, 1, midY, midX, height - 1, kBottomLeft.rgb);
  Fill(dc, midX, midY, width - 1, height - 1, kBottomRight.rgb);
}

LRESULT CALLBACK PatternProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
  case WM_ERASEBKGND:
    return 1; // WM_PAINT covers every pixel
  case WM_PAINT: {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    Paint(dc, client.right, client.bottom);
    EndPaint(window, &paint);
    return 0;
  }
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcW(window, msg, wParam, lParam);
  }
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Whether the screen, as another process reads it, shows the pattern at the
// window's place yet: Wine hands window contents to the X server some time
// after painting.
bool OnScreen(int x, int y, int width, int height) {
  const unique_window_dc screen = GetDcOf(nullptr);
  const struct {
    int x, y;
    COLORREF rgb;
  } probes[] = {{x, y, kBorder.rgb},
                {x + width / 4, y + height / 4, kTopLeft.rgb},
                {x + width * 3 / 4, y + height * 3 / 4, kBottomRight.rgb},
                {x + width - 1, y + height - 1, kBorder.rgb}};
  for (const auto& probe : probes)
    if (GetPixel(screen.get().dc, probe.x, probe.y) != probe.rgb)
      return false;
  return true;
}

std::string Rgb(COLORREF colour) {
  return std::to_string(GetRValue(colour)) + " " + std::to_string(GetGValue(colour)) + " " +
         std::to_string(GetBValue(colour));
}

} // namespace

int Pattern(const Options& options) {
  const auto x = options.Number(L"x"), y = options.Number(L"y");
  const auto width = options.Number(L"width"), height = options.Number(L"height");
  if (!x || !y || !width || !height || *width < 4 || *height < 4)
    return Fail(L"pattern needs --x X --y Y --width W --height H (W, H at least 4)");

  WNDCLASSW cls{};
  cls.lpfnWndProc = PatternProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.lpszClassName = kClassName;
  RegisterClassW(&cls);
  unique_hwnd window(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP,
                                     static_cast<int>(*x), static_cast<int>(*y), static_cast<int>(*width),
                                     static_cast<int>(*height), nullptr, nullptr, cls.hInstance, nullptr));
  if (!window)
    return Fail(L"CreateWindowExW failed, error " + std::to_wstring(GetLastError()));
  // Active, as the window a user has just clicked: the foreground window.
  ShowWindow(window.get(), SW_SHOW);
  SetForegroundWindow(window.get());
  UpdateWindow(window.get());
  const bool shown = WaitUntil(options.TimeoutMs(), [&] {
    PumpMessages();
    return OnScreen(static_cast<int>(*x), static_cast<int>(*y), static_cast<int>(*width),
                    static_cast<int>(*height));
  });
  if (!shown)
    return Fail(L"the pattern did not reach the screen");

  PrintLine("hwnd=" + std::to_string(reinterpret_cast<UINT_PTR>(window.get())));
  for (const Colour& colour : {kBorder, kTopLeft, kTopRight, kBottomLeft, kBottomRight})
    PrintLine(std::string(colour.name) + "=" + Rgb(colour.rgb));

  // Runs until the test closes the window (WM_CLOSE) or ends the process.
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  window.release(); // WM_CLOSE has destroyed it
  return 0;
}

} // namespace driver
