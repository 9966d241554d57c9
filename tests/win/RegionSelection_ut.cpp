// The region selection on the real screen, driven by mouse messages, and the
// cut of the frozen desktop.
#include <tuple>

#include "ShellFixture.h"

using namespace BasRuxa;

namespace {

class RegionTest : public ShellTest {
protected:
    FrmCustom& Selection() { return main->RegionSelection(); }
    HWND Picture() { return FindWindowExW(Selection().Window(), nullptr, FrmCustom::PictureClassName, nullptr); }
    void Mouse(UINT message, int x, int y) { SendMessageW(Picture(), message, 0, MAKELPARAM(x, y)); }
};

}  // namespace

// Opened for a copy, the selection lies on top with the cross-hair cursor
// (covering every monitor: tests/e2e/two_monitors.sh); the release after a
// drag copies the rectangle, a release without a press is no selection.
TEST_F(RegionTest, SelectionCoversTheScreenAndReleaseAfterADragCopiesTheRectangle) {
    main->Pop_RsCapture_Click();
    ASSERT_TRUE(PumpUntil([&] { return Selection().Window() != nullptr; }));
    // The real desktop, swapped for the pattern.
    Selection().Unload();
    Selection().Load(PatternPicture(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    PumpPending();
    const HWND form = Selection().Window();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongW(form, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
    ICONINFO cursor{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HCURSOR>(GetClassLongPtrW(Picture(), GCLP_HCURSOR)), &cursor));
    const unique_hbitmap mask(cursor.hbmMask), colour(cursor.hbmColor);
    BITMAP masks{};
    GetObjectW(cursor.hbmMask, sizeof masks, &masks);
    // A monochrome cursor, AND mask over XOR mask, whose hot spot is the cross.
    EXPECT_EQ(std::tuple(cursor.fIcon, cursor.xHotspot, cursor.yHotspot, masks.bmWidth, masks.bmHeight),
              std::tuple(FALSE, 15u, 16u, 32, 64));

    PutTextOnClipboard();
    Mouse(WM_LBUTTONUP, 30, 40);
    EXPECT_NE(Selection().Window(), nullptr);

    Mouse(WM_MOUSEMOVE, 50, 50);  // no press yet: nothing is drawn
    Mouse(WM_LBUTTONDOWN, 100, 200);
    EXPECT_EQ(Selection().Dragging, -1);
    Mouse(WM_MOUSEMOVE, 120, 230);
    {
        const unique_window_dc dc = GetDcOf(Picture());
        const HDC shown = dc.get().dc;
        EXPECT_EQ(GetPixel(shown, 100, 200), RGB(128, 128, 128));
        EXPECT_EQ(GetPixel(shown, 120, 230), RGB(128, 128, 128));
        EXPECT_EQ(GetPixel(shown, 110, 215), RGB(110, 215, 0x5A));  // the snapshot inside the box
        EXPECT_EQ(GetPixel(shown, 50, 50), RGB(50, 50, 0x5A));
    }
    // A right press stops the rubber band; the left release still cuts from the left press.
    Mouse(WM_RBUTTONDOWN, 120, 230);
    EXPECT_EQ(Selection().Dragging, 0);
    Mouse(WM_LBUTTONUP, 90, 190);
    EXPECT_EQ(Selection().Window(), nullptr);
    const ClipboardImage image = ReadClipboardImage();
    EXPECT_EQ(image.width, 11);
    EXPECT_EQ(image.pixels, Pattern(90, 190, 11, 11));
}

// Another program's WM_CLOSE (as Alt+F4) or the end of the session is a
// cancel: nothing is output, the tray works again (a command-line run so
// ended: tests/e2e/two_monitors.sh).
TEST_F(RegionTest, SelectionClosedAnyOtherWayIsACancel) {
    SetSettings([](SettingsModel& s) { s.CurrentPrint.PaperSize = 12; });  // a print would show a message
    for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{WM_CLOSE, 0}, {WM_ENDSESSION, TRUE}}) {
        SCOPED_TRACE(message);
        main->Pop_RsCopy_Click();
        ASSERT_TRUE(PumpUntil([&] { return Selection().Window() != nullptr; }));
        SendMessageW(Selection().Window(), message, wParam, 0);
        EXPECT_EQ(Selection().Window(), nullptr);
        EXPECT_EQ(AppState, StateIdle);
    }
    PumpPending();
    EXPECT_TRUE(boxes.empty());
}
