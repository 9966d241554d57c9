// Pictures, the clipboard and the print engine against the real screen,
// clipboard and CUPS PDF queue, and the cursor in captures (in-process: Wine
// draws no other process's cursor). Thousands of captures: capture_soak.
#include <cstring>

#include "Capture.h"
#include "Clipboard.h"
#include "PrintEngine.h"
#include "Printer.h"
#include "ShellFixture.h"

using namespace BasRuxa;

namespace {

// The picture at its natural size in the middle of the page, on the PDF queue.
class OutputTest : public ShellTest {
protected:
    PrintSettings print{"", "PDF", 3, 1, 0, 0, 0, 0, 1};
};

// The cursor test's window, on which the pointer rests.
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

TEST(PictureSurface, ClearsToTheWindowColourResizesAndMoves) {
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(7, 3));
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const std::uint32_t rgb = (GetRValue(window) << 16) | (GetGValue(window) << 8) | GetBValue(window);
    EXPECT_EQ(PixelsOf(picture), std::vector<std::uint32_t>(21, rgb));
    SetPixel(picture.Dc(), 6, 2, RGB(1, 2, 3));
    PictureSurface moved = std::move(picture);
    EXPECT_EQ(PixelsOf(moved).at(20), 0x010203u);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_TRUE(moved.Resize(0, 0));
    EXPECT_EQ(moved.Width(), 0);
    EXPECT_FALSE(moved.Resize(2000000, 2000000));  // more than any memory: refused, not a crash
    EXPECT_EQ(moved.Width(), 0);
}

// A handle offered to a taker is let go only when taken, else ours to close.
TEST(UniqueHandle, HandedOverOnlyWhenTaken) {
    for (const bool taken : {true, false}) {
        unique_hbitmap bitmap(CreateBitmap(1, 1, 1, 32, nullptr));
        const HBITMAP offered = bitmap.get();
        EXPECT_EQ(handles::HandOver(bitmap, [&](HBITMAP b) { return b == offered && taken; }), taken);
        EXPECT_EQ(bitmap.get(), taken ? nullptr : offered);
        if (taken) DeleteObject(offered);
    }
}

// Another program holding the clipboard: a moment is waited out, longer is
// told and the clipboard keeps what it held. The bitmap it took is its own,
// never freed here (read back in-process it is that very bitmap).
TEST_F(OutputTest, ClipboardTakesTheCaptureOnceAnotherProgramLetsGoOrSaysItCannot) {
    const auto copyWhileHeld = [&](DWORD holdMs, const PictureSurface& picture) {  // INFINITE: until the copy gave up
        using unique_event = handles::unique_any<handles::NullTraits<HANDLE, CloseHandle>>;
        const unique_event opened(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        const unique_event copied(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        std::thread other([&] {
            OpenClipboard(nullptr);
            SetEvent(opened.get());
            WaitForSingleObject(copied.get(), holdMs);
            CloseClipboard();
        });
        WaitForSingleObject(opened.get(), INFINITE);
        const auto refused = CopyPictureToClipboard(main->Handle(), picture);
        SetEvent(copied.get());
        other.join();
        return refused;
    };
    const PictureSurface picture = PatternPicture(5, 4);
    PutTextOnClipboard();
    EXPECT_FALSE(copyWhileHeld(300, picture));
    EXPECT_EQ(ReadClipboardImage().pixels, PixelsOf(picture));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(GetObjectType(GetClipboardData(CF_BITMAP)), static_cast<DWORD>(OBJ_BITMAP));
    CloseClipboard();

    EXPECT_EQ(copyWhileHeld(INFINITE, PatternPicture(7, 4)).value_or(""),
              "クリップボードにコピーできませんでした。\n"
              "ほかのプログラムがクリップボードを使用中です。しばらくしてからもう一度お試しください。");
    EXPECT_EQ(ReadClipboardImage().pixels, PixelsOf(picture));
}

// When the clipboard refuses the new bitmap, what it held is put back: text,
// a bitmap and a format of another program's.
TEST_F(OutputTest, ClipboardContentsComeBackAfterAnEmptying) {
    const UINT custom = RegisterClipboardFormatW(L"RuxaTestFormat");
    ASSERT_FALSE(CopyPictureToClipboard(main->Handle(), PatternPicture(6, 2)));
    ASSERT_TRUE(OpenClipboard(main->Handle()));
    const HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 8);
    std::memcpy(GlobalLock(text), L"abc", 8);
    GlobalUnlock(text);
    SetClipboardData(CF_UNICODETEXT, text);
    const HGLOBAL mine = GlobalAlloc(GMEM_MOVEABLE, 3);
    std::memcpy(GlobalLock(mine), "xyz", 3);
    GlobalUnlock(mine);
    SetClipboardData(custom, mine);
    ClipboardContents held = ClipboardContents::Take();
    EmptyClipboard();
    held.Restore();
    CloseClipboard();

    EXPECT_EQ(ReadClipboardImage().pixels, Pattern(0, 0, 6, 2));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT))), L"abc");
    EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(GetClipboardData(custom))), 3), "xyz");
    CloseClipboard();
}

// Each problem, and a page no memory holds (it would print blank), stops the
// job before it prints and says what (a paper size: tests/e2e/print_layout.sh).
TEST_F(OutputTest, PaperErrorsAndPagesThatCannotBeMadeAreFailures) {
    const PictureSurface small = PatternPicture(10, 10);
    PictureSurface huge;
    ASSERT_TRUE(huge.Resize(11600, 11600));  // at 200 % more pixels than a bitmap holds
    const struct {
        const char* what;
        std::function<void(PrintSettings&)> settings;
        const PictureSurface* capture;
        const char* title;
        const char* text;  // how it begins
    } cases[] = {
        {"a paper source it lacks", [](PrintSettings& p) { p.PaperBin = 99; }, &small, "給紙方法エラー", "給紙"},
        {"an orientation that is none", [](PrintSettings& p) { p.Orientation = 0; }, &small, "給紙方法エラー", "給紙"},
        {"a layout too large", [](PrintSettings& p) { p.Size = 3; p.SizeP = 200; }, &huge, "印刷エラー",
         "印刷する画像を用意できませんでした。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PrintSettings settings = print;
        c.settings(settings);
        const PrintResult result = PrintCapture(Printer(), *c.capture, settings, false);
        EXPECT_EQ(result.status, PrintStatus::Failed);
        EXPECT_EQ(result.failure.title, c.title);
        EXPECT_EQ(result.failure.text.rfind(c.text, 0), 0u) << result.failure.text;
    }
    EXPECT_EQ(PrintCapture(Printer(), PictureSurface(), print, false).status, PrintStatus::NothingToPrint);
    EXPECT_TRUE(boxes.empty());  // the caller tells the user
}

// Codes the queue offers are taken and stay for later jobs where the code is
// 0 or the printer named is not installed.
TEST_F(OutputTest, PaperSettingsOfferedAreTakenAndStayForLaterJobs) {
    const PictureSurface capture = PatternPicture(10, 10);
    const auto page = [&] { return std::get<PreparedPage>(PreparePrint(Printer(), capture, print, false)).page; };
    print.PaperSize = 8;  // A3
    print.PaperBin = 15;  // offered, and not the queue's default
    print.Orientation = 2;
    const layout::PageMetrics a3 = page();
    EXPECT_NEAR(a3.paperWidth, 420 / 25.4 * 1440, 30);  // landscape
    EXPECT_NEAR(a3.paperHeight, 297 / 25.4 * 1440, 30);
    print.PaperSize = print.PaperBin = 0;
    EXPECT_EQ(page().paperWidth, a3.paperWidth);
    print.DeviceName = "no such printer";
    EXPECT_EQ(page().paperWidth, a3.paperWidth);
}

// A driver may refuse one large raster; drawn in bands of any height the
// picture is the same.
TEST(PrintBands, BandsOfAnyHeightDrawTheSamePicture) {
    const PictureSurface picture = PatternPicture(37, 53);
    const RECT target{3, 5, 3 + 37 * 2, 5 + 53 * 3};
    const auto drawn = [&](int bandRows) {
        PictureSurface page;
        page.Resize(90, 170);
        EXPECT_TRUE(DrawPicture(page.Dc(), picture, target, bandRows));
        return PixelsOf(page);
    };
    const std::vector<std::uint32_t> whole = drawn(53);
    for (const int rows : {1, 7, 26, 52}) EXPECT_EQ(drawn(rows), whole) << rows;
}

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
