// The mouse cursor in captures, against the real screen and pointer. The
// pointer rests on a window of this thread, whose cursor the capture can
// draw: Wine cannot draw a cursor that belongs to another process, so the
// end-to-end tests, which capture the driver's windows, never see one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Capture.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "PictureSurface.h"

using namespace BasRuxa;

namespace {

using unique_hbrush = handles::unique_any<handles::NullTraits<HBRUSH, DeleteObject>>;
using unique_hwnd = handles::unique_any<handles::NullTraits<HWND, DestroyWindow>>;

constexpr COLORREF Plain = RGB(40, 160, 40);
constexpr RECT Place{100, 120, 500, 420};  // screen rectangle of the test window
constexpr int Width = Place.right - Place.left, Height = Place.bottom - Place.top;

// Runs a wait that other processes (the X server through Wine) decide.
template <class Ready>
bool PumpUntil(Ready&& ready) {
    for (int i = 0; i < 500; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (ready()) return true;
        Sleep(10);
    }
    return false;
}

// A picture of the test window as it must be captured: plain, with the
// cursor drawn at (x, y) when one is given.
std::vector<std::uint32_t> Expected(HCURSOR cursor, int x, int y) {
    PictureSurface picture;
    picture.Resize(Width, Height);
    const unique_hbrush brush(CreateSolidBrush(Plain));
    const RECT all{0, 0, Width, Height};
    FillRect(picture.Dc(), &all, brush.get());
    if (cursor) DrawIcon(picture.Dc(), x, y, cursor);
    return {picture.Pixels(), picture.Pixels() + Width * Height};
}

// How many pixels of the capture picture's part that shows the test window
// (at left, top) differ from the expected picture; -1 when the capture is
// too small to hold it.
int Differences(int left, int top, const std::vector<std::uint32_t>& expected) {
    const PictureSurface& picture = MainWindow::PicPrint();
    if (picture.Width() < left + Width || picture.Height() < top + Height) return -1;
    int count = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const std::uint32_t captured = picture.Pixels()[std::size_t(top + y) * picture.Width() + left + x];
            count += (captured & 0xFFFFFF) != (expected[std::size_t(y) * Width + x] & 0xFFFFFF);
        }
    return count;
}

class CursorCapture : public ::testing::Test {
protected:
    void SetUp() override {
        FrmRuxa::Load(GetModuleHandleW(nullptr));
        arrow = LoadCursorW(nullptr, IDC_ARROW);
        WNDCLASSW cls{};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hCursor = arrow;
        cls.hbrBackground = brush.get();
        cls.lpszClassName = L"RuxaCursorTest";
        RegisterClassW(&cls);
        window.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, cls.lpszClassName, L"", WS_POPUP, Place.left,
                                     Place.top, Width, Height, nullptr, nullptr, cls.hInstance, nullptr));
        ASSERT_TRUE(window);
        // Not activated: taking an active window down costs Wine seconds.
        ShowWindow(window.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(window.get());
        const unique_window_dc screen = GetDcOf(nullptr);
        ASSERT_TRUE(PumpUntil([&] {
            return GetPixel(screen.get().dc, Place.left + 1, Place.top + 1) == Plain &&
                   GetPixel(screen.get().dc, Place.right - 2, Place.bottom - 2) == Plain;
        }));
    }
    void TearDown() override {
        Settings.IconCapture = 0;
        // The class keeps this test's brush; the next test registers it anew.
        window.reset();
        UnregisterClassW(L"RuxaCursorTest", GetModuleHandleW(nullptr));
    }

    // Puts the pointer at (x, y) on the screen, where the window's cursor
    // becomes the thread's cursor.
    void PointAt(int x, int y) {
        SetCursorPos(x, y);
        POINT now{};
        ASSERT_TRUE(PumpUntil([&] { return GetCursorPos(&now) && now.x == x && now.y == y; }));
        SetCursor(arrow);
    }

    unique_hbrush brush{CreateSolidBrush(Plain)};
    unique_hwnd window;
    HCURSOR arrow = nullptr;
};

}  // namespace

TEST_F(CursorCapture, WindowCaptureDrawsTheCursorEightPixelsUpAndLeftOfThePointer) {
    ASSERT_NE(Expected(arrow, 42, 52), Expected(nullptr, 0, 0));  // the cursor shows on the window
    Settings.IconCapture = 1;
    PointAt(Place.left + 50, Place.top + 60);
    Capture::CaptureActiveWindow(window.get());
    EXPECT_EQ(Differences(0, 0, Expected(arrow, 42, 52)), 0);
}

TEST_F(CursorCapture, WindowCaptureDrawsTheCursorOnlyWhenEightPixelsBackIsStillInTheWindow) {
    Settings.IconCapture = 1;
    PointAt(Place.left + 8, Place.top + 60);
    Capture::CaptureActiveWindow(window.get());
    EXPECT_EQ(Differences(0, 0, Expected(arrow, 0, 52)), 0);

    PointAt(Place.left + 7, Place.top + 60);
    Capture::CaptureActiveWindow(window.get());
    EXPECT_EQ(Differences(0, 0, Expected(nullptr, 0, 0)), 0);
}

TEST_F(CursorCapture, DesktopCaptureDrawsTheCursorTenPixelsUpAndLeftOfThePointer) {
    Settings.IconCapture = 1;
    PointAt(Place.left + 50, Place.top + 60);
    Capture::CaptureDesktop();
    EXPECT_EQ(Differences(Place.left, Place.top, Expected(arrow, 40, 50)), 0);
}

TEST_F(CursorCapture, NoCursorWithoutIconCapture) {
    Settings.IconCapture = 0;
    PointAt(Place.left + 50, Place.top + 60);
    Capture::CaptureActiveWindow(window.get());
    EXPECT_EQ(Differences(0, 0, Expected(nullptr, 0, 0)), 0);
    Capture::CaptureDesktop();
    EXPECT_EQ(Differences(Place.left, Place.top, Expected(nullptr, 0, 0)), 0);
}
