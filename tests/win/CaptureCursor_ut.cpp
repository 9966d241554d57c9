// The mouse cursor in captures, on the real screen and pointer, over a window
// of this thread: Wine cannot draw another process's cursor, so the
// end-to-end tests never see one.
#include "Capture.h"
#include "ShellFixture.h"

namespace {

using unique_hbrush = handles::unique_any<handles::NullTraits<HBRUSH, DeleteObject>>;

constexpr COLORREF Plain = RGB(40, 160, 40);
constexpr RECT Place{100, 120, 500, 420};  // screen rectangle of the test window
constexpr int Width = Place.right - Place.left, Height = Place.bottom - Place.top;

// The test window as it must be captured: plain, with the cursor at (x, y) if given.
std::vector<std::uint32_t> Expected(HCURSOR cursor, int x, int y) {
    PictureSurface picture = SolidPicture(Width, Height, Plain);
    if (cursor) DrawIcon(picture.Dc(), x, y, cursor);
    return PixelsOf(picture);
}

// How many pixels of the test window's part of the capture (at left, top)
// differ from the expected picture; -1 when the capture cannot hold it.
int Differences(const PictureSurface& picture, int left, int top, const std::vector<std::uint32_t>& expected) {
    if (picture.Width() < left + Width || picture.Height() < top + Height) return -1;
    int count = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const std::uint32_t captured = picture.Pixels()[std::size_t(top + y) * picture.Width() + left + x];
            count += (captured & 0xFFFFFF) != expected[std::size_t(y) * Width + x];
        }
    return count;
}

}  // namespace

TEST(CursorCapture, DrawnUpAndLeftOfThePointerWhenAskedAndInsideTheWindow) {
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const unique_hbrush brush(CreateSolidBrush(Plain));
    // A plain window whose class cursor is the arrow.
    const WNDCLASSW cls{0, DefWindowProcW, 0, 0, GetModuleHandleW(nullptr), nullptr, arrow, brush.get(), nullptr,
                        L"RuxaCursorTest"};
    RegisterClassW(&cls);
    unique_hwnd window(CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, cls.lpszClassName, L"", WS_POPUP, Place.left,
                                       Place.top, Width, Height, nullptr, nullptr, cls.hInstance, nullptr));
    ASSERT_TRUE(window);
    // Not activated: taking an active window down costs Wine seconds.
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
    {
        const unique_window_dc screen = GetDcOf(nullptr);
        ASSERT_TRUE(PumpUntil([&] {
            return GetPixel(screen.get().dc, Place.left + 1, Place.top + 1) == Plain &&
                   GetPixel(screen.get().dc, Place.right - 2, Place.bottom - 2) == Plain;
        }));
    }
    ASSERT_NE(Expected(arrow, 42, 52), Expected(nullptr, 0, 0));  // the cursor shows on the window

    const struct {
        const char* what;
        bool drawCursor;
        bool desktop;
        int pointerX;          // from the window's left edge; the pointer is 60 down
        int cursorX, cursorY;  // where the cursor must be drawn in the window; -1 for nowhere
    } cases[] = {
        {"window: 8 pixels up and left", true, false, 50, 42, 52},
        {"window: 8 pixels back is still inside", true, false, 8, 0, 52},
        {"window: 8 pixels back is outside", true, false, 7, -1, -1},
        {"desktop: 10 pixels up and left", true, true, 50, 40, 50},
        {"window without the cursor", false, false, 50, -1, -1},
        {"desktop without the cursor", false, true, 50, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Where the pointer rests, the window's cursor becomes the thread's.
        const POINT at{Place.left + c.pointerX, Place.top + 60};
        SetCursorPos(at.x, at.y);
        POINT now{};
        ASSERT_TRUE(PumpUntil([&] { return GetCursorPos(&now) && now.x == at.x && now.y == at.y; }));
        SetCursor(arrow);
        const PictureSurface picture = c.desktop ? Capture::CaptureDesktop(c.drawCursor)
                                                 : *Capture::CaptureActiveWindow(window.get(), c.drawCursor);
        const auto expected = c.cursorX < 0 ? Expected(nullptr, 0, 0) : Expected(arrow, c.cursorX, c.cursorY);
        EXPECT_EQ(Differences(picture, c.desktop ? Place.left : 0, c.desktop ? Place.top : 0, expected), 0);
    }
    window.reset();
    UnregisterClassW(cls.lpszClassName, cls.hInstance);
}
