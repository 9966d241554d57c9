// Pictures, the clipboard and the print engine against the real parts: the
// screen, the clipboard and the CUPS PDF queue.

#include <cstring>

#include "Capture.h"
#include "Clipboard.h"
#include "PrintEngine.h"
#include "Printer.h"
#include "ShellFixture.h"

using namespace BasRuxa;

namespace {

std::uint32_t WindowColour() {
    const COLORREF c = GetSysColor(COLOR_WINDOW);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// The picture at its natural size in the middle of the page.
class OutputTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        print = CurrentPrint;
        print.Size = 1;
        print.Pos = 3;
    }
    // The page for the picture, or the failure's title.
    std::variant<PreparedPage, PrintFailure> Prepare(const PictureSurface& capture, bool reverse = false) {
        return PreparePrint(Printer(), capture, print, reverse);
    }

    PrintSettings print;
};

}  // namespace

TEST(PictureSurface, ClearsToTheWindowColourResizesAndMoves) {
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(7, 3));
    std::vector<std::uint32_t> expected(21, WindowColour());
    EXPECT_EQ(PixelsOf(picture), expected);
    SetPixel(picture.Dc(), 6, 2, RGB(1, 2, 3));
    EXPECT_EQ(PixelsOf(picture)[20], 0x010203u);
    PictureSurface moved = std::move(picture);
    EXPECT_EQ(moved.Width(), 7);
    EXPECT_EQ(PixelsOf(moved)[20], 0x010203u);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_TRUE(moved.Resize(0, 0));
    EXPECT_EQ(moved.Width(), 0);
    EXPECT_FALSE(moved.Resize(2000000, 2000000));  // more than any memory: refused, not a crash
    EXPECT_EQ(moved.Width(), 0);
}

// A handle offered to a taker is let go only when taken; a refusal leaves it
// ours to close.
TEST(UniqueHandle, HandedOverOnlyWhenTaken) {
    for (const bool taken : {true, false}) {
        const long before = handles::LiveCount();
        unique_hbitmap bitmap(CreateBitmap(1, 1, 1, 32, nullptr));
        const HBITMAP offered = bitmap.get();
        EXPECT_EQ(handles::HandOver(bitmap, [&](HBITMAP b) { return b == offered && taken; }), taken);
        EXPECT_EQ(bitmap.get(), taken ? nullptr : offered);
        EXPECT_EQ(handles::LiveCount(), before + (taken ? 0 : 1));
        if (taken) DeleteObject(offered);
    }
}

// The bitmap on the clipboard is the clipboard's from the moment it took it:
// this process must not free it (reading it back in-process gets that very
// bitmap), and what the clipboard held before is gone.
TEST_F(OutputTest, ClipboardHoldsExactlyTheCapturePixels) {
    const PictureSurface picture = PatternPicture(5, 4);
    PutTextOnClipboard();
    EXPECT_FALSE(CopyPictureToClipboard(main->Handle(), picture));
    const ClipboardImage image = ReadClipboardImage();
    EXPECT_EQ(image.width, 5);
    EXPECT_EQ(image.pixels, PixelsOf(picture));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(GetObjectType(GetClipboardData(CF_BITMAP)), static_cast<DWORD>(OBJ_BITMAP));
    CloseClipboard();
}

// Another program holding the clipboard open: a moment is waited out, longer
// is reported, and the clipboard keeps what it held.
TEST_F(OutputTest, ClipboardHeldByAnotherProgramIsWaitedForThenReported) {
    const struct {
        DWORD holdMs;     // INFINITE: until the copy has given up
        int width;        // of the capture copied
        int onClipboard;  // the width of the clipboard's bitmap afterwards
        bool told;
    } cases[] = {{300, 5, 5, false}, {INFINITE, 7, 5, true}};
    PutTextOnClipboard();
    for (const auto& c : cases) {
        using unique_event = handles::unique_any<handles::NullTraits<HANDLE, CloseHandle>>;
        const unique_event opened(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        const unique_event copied(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        std::thread other([&] {
            OpenClipboard(nullptr);
            SetEvent(opened.get());
            WaitForSingleObject(copied.get(), c.holdMs);
            CloseClipboard();
        });
        WaitForSingleObject(opened.get(), INFINITE);
        const auto refused = CopyPictureToClipboard(main->Handle(), PatternPicture(c.width, 4));
        SetEvent(copied.get());
        other.join();

        EXPECT_EQ(ReadClipboardImage().width, c.onClipboard) << c.holdMs;
        EXPECT_EQ(refused.value_or(""),
                  c.told ? "クリップボードにコピーできませんでした。\n"
                           "ほかのプログラムがクリップボードを使用中です。しばらくしてからもう一度お試しください。"
                         : "")
            << c.holdMs;
    }
}

// When the clipboard does not take the new bitmap, what it held before the
// emptying is put back: text, a bitmap and a format of another program's.
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

TEST_F(OutputTest, RepeatedCapturesAndCopiesHoldNoHandles) {
    CopyPictureToClipboard(main->Handle(), Capture::CaptureDesktop(true));
    const long before = handles::LiveCount();
    for (int i = 0; i < 50; ++i) {
        CopyPictureToClipboard(main->Handle(), Capture::CaptureDesktop(true));
        Capture::CaptureActiveWindow(main->Handle(), true);
    }
    EXPECT_EQ(handles::LiveCount(), before);
}

TEST_F(OutputTest, PrinterRefusesCodesItDoesNotOffer) {
    CurrentPrinter printer;
    printer.Select(L"PDF");
    ASSERT_EQ(printer.Name(), L"PDF");
    EXPECT_TRUE(printer.SetPaperSize(9));    // A4
    EXPECT_TRUE(printer.SetPaperSize(8));    // A3
    EXPECT_FALSE(printer.SetPaperSize(12));  // JIS B4: not on this queue
    EXPECT_FALSE(printer.SetPaperSize(-1));
    EXPECT_TRUE(printer.SetPaperBin(15));    // listed
    EXPECT_FALSE(printer.SetPaperBin(3));
    EXPECT_TRUE(printer.SetOrientation(2));
    EXPECT_FALSE(printer.SetOrientation(3));

    layout::PageMetrics a3;
    ASSERT_TRUE(printer.ReadMetrics(a3));
    EXPECT_NEAR(a3.paperWidth, 420 / 25.4 * 1440, 30);  // A3 landscape
    EXPECT_NEAR(a3.paperHeight, 297 / 25.4 * 1440, 30);

    // Selecting the same printer again keeps what was set on it.
    printer.Select(L"PDF");
    layout::PageMetrics again;
    ASSERT_TRUE(printer.ReadMetrics(again));
    EXPECT_EQ(again.paperWidth, a3.paperWidth);
    printer.Select(L"no such printer");
    EXPECT_EQ(printer.Name(), L"PDF");
}

// Each problem stops the job before anything is printed and says what it is;
// so does a page whose picture no memory can hold (it would print blank).
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
        {"a paper size the printer lacks", [](PrintSettings& p) { p.PaperSize = 12; }, &small, "用紙サイズエラー", "用紙"},
        {"a paper source it lacks", [](PrintSettings& p) { p.PaperBin = 99; }, &small, "給紙方法エラー", "給紙"},
        {"an orientation that is none", [](PrintSettings& p) { p.Orientation = 0; }, &small, "給紙方法エラー", "給紙"},
        {"a layout too large",
         [](PrintSettings& p) {
             p.Size = 3;
             p.SizeP = 200;
         },
         &huge, "印刷エラー", "印刷する画像を用意できませんでした。"},
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

TEST_F(OutputTest, LayoutPictureFollowsSizeModeAndReversal) {
    PictureSurface capture;
    ASSERT_TRUE(capture.Resize(640, 480));
    const RECT all{0, 0, 640, 480};
    FillRect(capture.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetPixel(capture.Dc(), 0, 0, RGB(10, 200, 30));
    const auto layout = [&](bool reverse = false) { return std::get<PreparedPage>(Prepare(capture, reverse)); };

    print.Size = 3;
    print.SizeP = 50;
    EXPECT_EQ(layout().picture.Width(), 320);
    EXPECT_EQ(layout().picture.Height(), 240);

    print.Size = 1;
    const std::vector<std::uint32_t> reversed = PixelsOf(layout(true).picture);
    EXPECT_EQ(reversed[0], 0xF537E1u);  // 255 - (10, 200, 30)
    EXPECT_EQ(reversed[1], 0xFFFFFFu);

    print.Size = 2;
    print.Hiritsu = 1;
    const PreparedPage fit = layout();
    EXPECT_GT(fit.sheet.pageWidthPx, 0);
    EXPECT_EQ(fit.picture.Width(), fit.sheet.pageWidthPx);  // a wide capture binds the width

    print.Size = 9;
    EXPECT_EQ(layout().picture.Width(), 0);  // nothing rendered: a blank page
}

TEST_F(OutputTest, PaperSettingsStayForLaterJobsWhenTheCodeIsZero) {
    const PictureSurface capture = PatternPicture(10, 10);
    const auto height = [&] { return std::get<PreparedPage>(Prepare(capture)).sheet.pageHeightPx; };
    print.PaperSize = 9;
    const std::int32_t a4 = height();
    print.PaperSize = 8;
    const std::int32_t a3 = height();
    EXPECT_GT(a3, a4);
    print.PaperSize = 0;  // keeps what the last job set
    print.DeviceName = "no such printer";
    EXPECT_EQ(height(), a3);
}

// A driver may refuse one large raster; the picture then goes in bands,
// which must meet exactly: drawn in bands of any height it is the same.
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
