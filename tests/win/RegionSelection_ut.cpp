// The region selection window on the real screen, driven by the mouse
// messages the system sends it, and the cut of the capture picture.
#include <algorithm>

#include "FrmCustom.h"
#include "Main.h"
#include "ShellFixture.h"

using namespace BasRuxa;

namespace {

// Every pixel tells where it is, so any cut can be checked exactly.
std::uint32_t PatternAt(int x, int y) { return std::uint32_t(x & 0xFF) << 16 | std::uint32_t(y & 0xFF) << 8 | 0x5A; }

std::vector<std::uint32_t> Pattern(int left, int top, int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) pixels.push_back(PatternAt(x, y));
    return pixels;
}

// The capture holds the pattern, as large as the screen unless told.
void CapturePattern(int width = GetSystemMetrics(SM_CXSCREEN), int height = GetSystemMetrics(SM_CYSCREEN)) {
    PictureSurface& capture = MainWindow::PicPrint();
    ASSERT_TRUE(capture.Resize(width, height));
    const std::vector<std::uint32_t> pattern = Pattern(0, 0, width, height);
    std::copy(pattern.begin(), pattern.end(), capture.Pixels());
}

void ExpectCaptureIsPatternFrom(int left, int top, int width, int height) {
    EXPECT_EQ(MainWindow::PicPrint().Width(), width);
    EXPECT_EQ(PixelsOf(MainWindow::PicPrint()), Pattern(left, top, width, height));
}

HWND Picture() { return FindWindowExW(FrmCustom::Window(), nullptr, FrmCustom::PictureClassName, nullptr); }

void Mouse(UINT message, int x, int y) { SendMessageW(Picture(), message, 0, MAKELPARAM(x, y)); }

}  // namespace

TEST_F(ShellTest, CropKeepsBothCornerPixels) {
    CapturePattern(64, 48);
    FrmCustom::CropCapture(10, 20, 3, 5);  // dragged up and to the left
    ExpectCaptureIsPatternFrom(3, 5, 8, 16);
    CapturePattern(64, 48);
    FrmCustom::CropCapture(63, 47, 63, 47);
    ExpectCaptureIsPatternFrom(63, 47, 1, 1);
}

TEST_F(ShellTest, SelectionCoversTheScreenWithTheCrossHair) {
    CapturePattern();
    AppState = StateRsCapture;
    FrmCustom::Load();
    const HWND form = FrmCustom::Window();
    ASSERT_NE(form, nullptr);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT window{}, picture{};
    GetWindowRect(form, &window);
    GetWindowRect(Picture(), &picture);
    EXPECT_TRUE(EqualRect(&window, &screen));
    EXPECT_TRUE(EqualRect(&picture, &screen));
    EXPECT_TRUE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongW(form, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);

    ICONINFO cursor{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HCURSOR>(GetClassLongPtrW(Picture(), GCLP_HCURSOR)), &cursor));
    const unique_hbitmap mask(cursor.hbmMask), colour(cursor.hbmColor);
    EXPECT_FALSE(cursor.fIcon);
    EXPECT_EQ(cursor.xHotspot, 15u);
    EXPECT_EQ(cursor.yHotspot, 16u);
    BITMAP masks{};
    GetObjectW(cursor.hbmMask, sizeof masks, &masks);
    EXPECT_EQ(masks.bmWidth, 32);
    EXPECT_EQ(masks.bmHeight, 64);  // a monochrome cursor: AND mask over XOR mask
}

TEST_F(ShellTest, DragDrawsTheGreyBoxAndReleaseCopiesTheRectangle) {
    CapturePattern();
    PutTextOnClipboard();
    AppState = StateRsCapture;
    FrmCustom::Load();
    PumpPending();

    Mouse(WM_MOUSEMOVE, 50, 50);  // no press yet: nothing is drawn
    Mouse(WM_LBUTTONDOWN, 100, 200);
    EXPECT_EQ(FrmCustom::Dragging, -1);
    Mouse(WM_MOUSEMOVE, 120, 230);
    {
        const unique_window_dc dc = GetDcOf(Picture());
        const HDC screen = dc.get().dc;
        EXPECT_EQ(GetPixel(screen, 100, 200), RGB(128, 128, 128));
        EXPECT_EQ(GetPixel(screen, 120, 230), RGB(128, 128, 128));
        EXPECT_EQ(GetPixel(screen, 110, 215), RGB(110, 215, 0x5A));  // the snapshot inside the box
        EXPECT_EQ(GetPixel(screen, 50, 50), RGB(50, 50, 0x5A));
    }
    // A right press stops the rubber band; the left release still cuts from
    // the last left press.
    Mouse(WM_RBUTTONDOWN, 120, 230);
    EXPECT_EQ(FrmCustom::Dragging, 0);
    Mouse(WM_LBUTTONUP, 90, 190);
    EXPECT_EQ(FrmCustom::Window(), nullptr);
    EXPECT_EQ(AppState, StateIdle);
    const ClipboardImage image = ReadClipboardImage();
    EXPECT_EQ(image.width, 11);
    EXPECT_EQ(image.pixels, Pattern(90, 190, 11, 11));
}

TEST_F(ShellTest, ReleaseWithoutAPressOnThePictureIsNoSelection) {
    CapturePattern();
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
    CurrentPrint.PaperSize = 12;  // a print would show a paper size message
    for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{WM_CLOSE, 0}, {WM_ENDSESSION, TRUE}}) {
        SCOPED_TRACE(message);
        FrmRuxa::Pop_RsCopy_Click();
        ASSERT_TRUE(PumpUntil([] { return FrmCustom::Window() != nullptr; }));
        SendMessageW(FrmCustom::Window(), message, wParam, 0);
        EXPECT_EQ(FrmCustom::Window(), nullptr);
        EXPECT_EQ(AppState, StateIdle);
    }
    PumpPending();
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
