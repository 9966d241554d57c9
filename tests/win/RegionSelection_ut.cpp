// The region selection window on the real screen, driven by the mouse
// messages the system sends it, and the cut of the capture picture.
#include <array>

#include "FrmCustom.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "Main.h"
#include "ShellFixture.h"

using namespace BasRuxa;

namespace {

// Every pixel tells where it is, so any cut can be checked exactly.
std::uint32_t PatternAt(int x, int y) { return std::uint32_t(x & 0xFF) << 16 | std::uint32_t(y & 0xFF) << 8 | 0x5A; }

void FillCaptureWithPattern(int width, int height) {
    PictureSurface& capture = MainWindow::PicPrint();
    ASSERT_TRUE(capture.Resize(width, height));
    std::uint32_t* pixels = capture.Pixels();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels[y * width + x] = PatternAt(x, y);
}

void ExpectCaptureIsPatternFrom(int left, int top, int width, int height) {
    const PictureSurface& capture = MainWindow::PicPrint();
    ASSERT_EQ(capture.Width(), width);
    ASSERT_EQ(capture.Height(), height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(capture.Pixels()[y * width + x] & 0xFFFFFF, PatternAt(left + x, top + y)) << x << "," << y;
}

HWND Picture() { return FindWindowExW(FrmCustom::Window(), nullptr, FrmCustom::PictureClassName, nullptr); }

void Mouse(UINT message, int x, int y) { SendMessageW(Picture(), message, 0, MAKELPARAM(x, y)); }

}  // namespace

TEST_F(ShellTest, CropKeepsBothCornerPixelsWhateverTheDragDirection) {
    for (auto [x1, y1, x2, y2] : {std::array{10, 20, 3, 5}, std::array{3, 5, 10, 20}, std::array{3, 20, 10, 5}}) {
        FillCaptureWithPattern(64, 48);
        FrmCustom::CropCapture(static_cast<std::int16_t>(x1), static_cast<std::int16_t>(y1),
                               static_cast<std::int16_t>(x2), static_cast<std::int16_t>(y2));
        ExpectCaptureIsPatternFrom(3, 5, 8, 16);
    }
    FillCaptureWithPattern(64, 48);
    FrmCustom::CropCapture(63, 47, 63, 47);
    ExpectCaptureIsPatternFrom(63, 47, 1, 1);
}

TEST_F(ShellTest, SelectionCoversTheScreenWithTheCrossHair) {
    FillCaptureWithPattern(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    AppState = StateRsCapture;
    FrmCustom::Load();
    const HWND form = FrmCustom::Window();
    ASSERT_NE(form, nullptr);
    RECT r{};
    GetWindowRect(form, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongW(form, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
    RECT picture{};
    GetWindowRect(Picture(), &picture);
    EXPECT_TRUE(EqualRect(&picture, &r));

    ICONINFO cursor{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HCURSOR>(GetClassLongPtrW(Picture(), GCLP_HCURSOR)), &cursor));
    EXPECT_FALSE(cursor.fIcon);
    EXPECT_EQ(cursor.xHotspot, 15u);
    EXPECT_EQ(cursor.yHotspot, 16u);
    BITMAP mask{};
    GetObjectW(cursor.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64);  // a monochrome cursor: AND mask over XOR mask
    DeleteObject(cursor.hbmMask);
    if (cursor.hbmColor) DeleteObject(cursor.hbmColor);
}

TEST_F(ShellTest, DragDrawsTheGreyBoxAndReleaseCopiesTheRectangle) {
    FillCaptureWithPattern(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    PutTextOnClipboard();
    AppState = StateRsCapture;
    FrmCustom::Load();
    PumpUntil([] { return true; });

    Mouse(WM_MOUSEMOVE, 50, 50);  // no press yet: nothing is drawn
    Mouse(WM_LBUTTONDOWN, 100, 200);
    EXPECT_EQ(FrmCustom::Dragging, -1);
    Mouse(WM_MOUSEMOVE, 120, 230);
    {
        const HDC screen = GetDC(Picture());
        EXPECT_EQ(GetPixel(screen, 100, 200), RGB(128, 128, 128));
        EXPECT_EQ(GetPixel(screen, 120, 230), RGB(128, 128, 128));
        EXPECT_EQ(GetPixel(screen, 110, 215), RGB(110, 215, 0x5A));  // the snapshot inside the box
        EXPECT_EQ(GetPixel(screen, 50, 50), RGB(50, 50, 0x5A));
        ReleaseDC(Picture(), screen);
    }
    // A right press stops the rubber band; the left release still cuts from
    // the last left press.
    Mouse(WM_RBUTTONDOWN, 120, 230);
    EXPECT_EQ(FrmCustom::Dragging, 0);
    Mouse(WM_LBUTTONUP, 90, 190);
    EXPECT_EQ(FrmCustom::Window(), nullptr);
    EXPECT_EQ(AppState, StateIdle);
    const ClipboardImage image = ReadClipboardImage();
    ASSERT_EQ(image.width, 11);
    ASSERT_EQ(image.height, 11);
    EXPECT_EQ(image.At(0, 0), PatternAt(90, 190));
    EXPECT_EQ(image.At(10, 10), PatternAt(100, 200));
}

TEST_F(ShellTest, ReleaseWithoutAPressOnThePictureIsNoSelection) {
    FillCaptureWithPattern(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    AppState = StateRsCapture;
    FrmCustom::Load();
    Mouse(WM_LBUTTONUP, 30, 40);
    EXPECT_NE(FrmCustom::Window(), nullptr);
    EXPECT_EQ(MainWindow::PicPrint().Width(), GetSystemMetrics(SM_CXSCREEN));

    // In a state that asks for no output the cut happens and the window stays
    // open for the cancel menu.
    AppState = StateIdle;
    Mouse(WM_LBUTTONDOWN, 30, 40);
    Mouse(WM_LBUTTONUP, 30, 40);
    EXPECT_NE(FrmCustom::Window(), nullptr);
    ExpectCaptureIsPatternFrom(30, 40, 1, 1);
}

// Another program's WM_CLOSE (Alt+F4 comes to the same) or the end of the
// session close the selection like the cancel item: nothing is output and the
// tray works again.
TEST_F(ShellTest, SelectionClosedAnyOtherWayIsACancel) {
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
    } closings[] = {
        {"WM_CLOSE", WM_CLOSE, 0},
        {"session end", WM_ENDSESSION, TRUE},
    };
    CurrentPrint.PaperSize = 12;  // a print would show a paper size message
    for (const auto& c : closings) {
        FrmRuxa::Pop_RsCopy_Click();
        ASSERT_TRUE(PumpUntil([] { return FrmCustom::Window() != nullptr; })) << c.what;
        SendMessageW(FrmCustom::Window(), c.message, c.wParam, 0);
        EXPECT_EQ(FrmCustom::Window(), nullptr) << c.what;
        EXPECT_EQ(AppState, StateIdle) << c.what;
    }
    PumpUntil([] { return true; });
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ShellTest, CancelledRegionRunFromTheCommandLineEnds) {
    CmdLine = SplitCommandLine("/r");
    RunCommandLine();
    EXPECT_EQ(AppState, StateCommandLine);
    ASSERT_NE(FrmCustom::Window(), nullptr);
    EXPECT_EQ(MainWindow::PicPrint().Width(), GetSystemMetrics(SM_CXSCREEN));
    FrmRuxa::Pop_Can_Click();
    EXPECT_EQ(FrmCustom::Window(), nullptr);
    EXPECT_EQ(MainWindow::Handle(), nullptr);  // the run is over
}
