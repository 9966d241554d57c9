// Pictures, the clipboard and the printer layer against the real parts: the
// screen, the clipboard and the CUPS PDF queue.

#include "Capture.h"
#include "Clipboard.h"
#include "Output.h"
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
        CurrentPrint.Size = 1;
        CurrentPrint.Pos = 3;
    }
};

}  // namespace

TEST(PictureSurface, ClearsToTheWindowColourAndResizes) {
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(7, 3));
    std::vector<std::uint32_t> expected(21, WindowColour());
    EXPECT_EQ(PixelsOf(picture), expected);
    SetPixel(picture.Dc(), 6, 2, RGB(1, 2, 3));
    EXPECT_EQ(PixelsOf(picture)[20], 0x010203u);
    EXPECT_TRUE(picture.Resize(0, 0));
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_FALSE(picture.Resize(2000000, 2000000));  // more than any memory: refused, not a crash
    EXPECT_EQ(picture.Width(), 0);
}

TEST_F(OutputTest, ClipboardHoldsExactlyTheCapturePixels) {
    PictureSurface& picture = MainWindow::PicPrint();
    ASSERT_TRUE(picture.Resize(5, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) SetPixel(picture.Dc(), x, y, RGB(x * 50, y * 60, 7));
    PutTextOnClipboard();
    CopyCaptureToClipboard();

    const ClipboardImage image = ReadClipboardImage();
    EXPECT_EQ(image.width, 5);
    EXPECT_EQ(image.pixels, PixelsOf(picture));
    EXPECT_EQ(image.At(4, 3), 200u << 16 | 180 << 8 | 7);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
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
        ASSERT_TRUE(MainWindow::PicPrint().Resize(c.width, 4));
        boxes.clear();
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
        CopyCaptureToClipboard();
        SetEvent(copied.get());
        other.join();

        EXPECT_EQ(ReadClipboardImage().width, c.onClipboard) << c.holdMs;
        ASSERT_EQ(boxes.size(), c.told ? 1u : 0u) << c.holdMs;
        if (c.told)
            ExpectBox(0,
                      "クリップボードにコピーできませんでした。\n"
                      "ほかのプログラムがクリップボードを使用中です。しばらくしてからもう一度お試しください。",
                      "ルクサさん", MB_OK | MB_ICONEXCLAMATION);
    }
}

TEST_F(OutputTest, RepeatedCapturesAndCopiesHoldNoHandles) {
    Capture::CaptureDesktop();
    CopyCaptureToClipboard();
    const long before = handles::LiveCount();
    for (int i = 0; i < 200; ++i) {
        Capture::CaptureDesktop();
        Capture::CaptureActiveWindow(MainWindow::Handle());
        CopyCaptureToClipboard();
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

    PageMetrics a3;
    ASSERT_TRUE(printer.ReadMetrics(a3));
    EXPECT_NEAR(a3.paperWidth, 420 / 25.4 * 1440, 30);  // A3 landscape
    EXPECT_NEAR(a3.paperHeight, 297 / 25.4 * 1440, 30);

    // Selecting the same printer again keeps what was set on it.
    printer.Select(L"PDF");
    PageMetrics again;
    ASSERT_TRUE(printer.ReadMetrics(again));
    EXPECT_EQ(again.paperWidth, a3.paperWidth);
    printer.Select(L"no such printer");
    EXPECT_EQ(printer.Name(), L"PDF");
}

TEST_F(OutputTest, PaperErrorsAreReportedAndStopTheJob) {
    MainWindow::PicPrint().Resize(10, 10);
    CurrentPrint.PaperSize = 12;
    PrintCapture();
    EXPECT_EQ(PrintError, -1);
    ExpectBox(0,
              "用紙のサイズが不正です。もう一度用紙がプリンタで使用可能か確認してください。\r\n"
              "それでもうまくいかない場合は、用紙サイズを「指定なし」にしてみてください。",
              "用紙サイズエラー");

    // A source the printer lacks, and an orientation that is never valid,
    // which is reported under the paper source.
    CurrentPrint.PaperSize = 0;
    for (const auto& [bin, orientation] : {std::pair{99, 1}, std::pair{0, 0}}) {
        CurrentPrint.PaperBin = static_cast<std::int16_t>(bin);
        CurrentPrint.Orientation = static_cast<std::int16_t>(orientation);
        boxes.clear();
        PreparePrint();
        EXPECT_EQ(PrintError, -1);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "給紙方法エラー");
    }

    boxes.clear();
    CurrentPrint.Orientation = 1;
    PreparePrint();
    EXPECT_EQ(PrintError, 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OutputTest, LayoutPictureFollowsSizeModeAndReversal) {
    PictureSurface& capture = MainWindow::PicPrint();
    ASSERT_TRUE(capture.Resize(640, 480));
    const RECT all{0, 0, 640, 480};
    FillRect(capture.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetPixel(capture.Dc(), 0, 0, RGB(10, 200, 30));
    const PictureSurface& layout = MainWindow::PicPrint2();

    CurrentPrint.Size = 3;
    CurrentPrint.SizeP = 50;
    PreparePrint();
    EXPECT_EQ(layout.Width(), 320);
    EXPECT_EQ(layout.Height(), 240);

    CurrentPrint.Size = 1;
    Settings.ReversePrint = 1;
    PreparePrint();
    EXPECT_EQ(PixelsOf(layout)[0], 0xF537E1u);  // 255 - (10, 200, 30)
    EXPECT_EQ(PixelsOf(layout)[1], 0xFFFFFFu);

    CurrentPrint.Size = 2;
    CurrentPrint.Hiritsu = 1;
    PreparePrint();
    EXPECT_GT(PageWidthPx, 0);
    EXPECT_EQ(ImageWidthPx, layout.Width());
    EXPECT_EQ(ImageHeightPx, layout.Height());

    CurrentPrint.Size = 9;
    PreparePrint();
    EXPECT_EQ(PrintError, 0);
    EXPECT_EQ(PixelsOf(layout)[0], WindowColour());
}

TEST_F(OutputTest, PaperSettingsStayForLaterJobsWhenTheCodeIsZero) {
    MainWindow::PicPrint().Resize(10, 10);
    CurrentPrint.PaperSize = 9;
    PreparePrint();
    const std::int32_t a4 = PageHeightPx;
    CurrentPrint.PaperSize = 8;
    PreparePrint();
    const std::int32_t a3 = PageHeightPx;
    EXPECT_GT(a3, a4);
    CurrentPrint.PaperSize = 0;  // keeps what the last job set
    CurrentPrint.DeviceName = "no such printer";
    PreparePrint();
    EXPECT_EQ(PageHeightPx, a3);
    EXPECT_TRUE(boxes.empty());
}
