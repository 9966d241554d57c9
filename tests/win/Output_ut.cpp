// Pictures, the clipboard and the print engine against the real screen,
// clipboard and CUPS PDF queue. Captures and copies by the thousand: capture_soak.
#include <cstring>

#include "Clipboard.h"
#include "PrintEngine.h"
#include "Printer.h"
#include "ShellFixture.h"

using namespace BasRuxa;

namespace {

// The picture at its natural size in the middle of the page.
class OutputTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        print = CurrentPrint;
        print.Size = 1;
        print.Pos = 3;
    }
    PrintSettings print;
};

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

// Each problem stops the job before anything prints and says what it is (a
// paper size the printer lacks: tests/e2e/print_layout.sh); so does a page no
// memory can hold, which would print blank.
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
