// Image files as the capture: the loader on each format (tests/win/data), the
// file commands of the tray, hot keys and double-click, and the common-dialog
// wrapper against the real file dialogs, answered by a second thread.
#include <array>
#include <cstdlib>

#include "PictureLoad.h"
#include "ShellFixture.h"
#include "ShellRules.h"
#include "cCommonDlg.h"

using namespace BasRuxa;

namespace {

// The six colours of 24bit.bmp, top row first.
constexpr std::uint32_t SixColours[] = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x0A0B0C};

bool Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int(actual >> shift & 0xFF) - int(expected >> shift & 0xFF)) > tolerance) return false;
    return true;
}

using CommonDlgTest = ShellTest;  // the hidden main window owns the dialogs

class ImageFileTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        AnswerFileDialogsByScript();
        LastPicturePath = "C:\\before\\";
    }
};

}  // namespace

TEST(PictureLoad, ReadsEachFormatAndLaysTransparencyOntoWhite) {
    const struct {
        const wchar_t* name;
        int width, height, tolerance;
        std::vector<std::array<std::uint32_t, 3>> points;  // x, y, colour
    } samples[] = {
        {L"24bit.bmp", 3, 2, 0, {{0, 0, 0x102030}, {2, 0, 0x708090}, {2, 1, 0x0A0B0C}}},
        {L"32bit.bmp", 3, 2, 0, {{0, 0, 0x102030}, {1, 1, 0xD0E0F0}, {2, 1, 0x0A0B0C}}},  // its 0 byte is no transparency
        {L"alpha.png", 3, 2, 0, {{0, 0, 0x102030}, {1, 0, 0xFFFFFF}, {2, 0, 0x7F7F7F}, {1, 1, 0xFFBFBF}, {2, 1, 0x0A0B0C}}},
        {L"photo.jpg", 8, 4, 4, {{0, 0, 0x2060C0}, {7, 3, 0x2060C0}}},
        {L"palette.gif", 3, 2, 0, {{0, 0, 0xFF0000}, {1, 0, 0x0000FF}, {2, 1, 0xFFFFFF}}},
        {L"scan.tif", 3, 2, 0, {{0, 0, 0x00FF00}, {1, 0, 0x0000FF}, {2, 1, 0x00FF00}}},
        {L"icon.ico", 3, 2, 0, {{0, 0, 0xFFFF00}, {1, 1, 0xFFFF00}, {2, 1, 0xFFFFFF}}},
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(text::Narrow(sample.name));
        PictureSurface picture;
        ASSERT_TRUE(picture.Resize(50, 50));
        const PictureLoadResult result = LoadPicture(text::Narrow(TestData(sample.name)), picture);
        ASSERT_TRUE(result.loaded) << result.reason;
        ASSERT_EQ(picture.Width(), sample.width);
        ASSERT_EQ(picture.Height(), sample.height);
        for (const auto& [x, y, rgb] : sample.points) {
            const std::uint32_t actual = picture.Pixels()[y * sample.width + x];
            EXPECT_PRED3(Near, actual, rgb, sample.tolerance) << x << "," << y;
            EXPECT_EQ(actual >> 24, 0u);  // nothing left in the byte GDI does not use
        }
    }
}

// Files that cannot be loaded, and a failed file dialog, are told and change nothing.
TEST_F(ImageFileTest, FilesThatCannotBeLoadedChangeNothingAndNameTheFile) {
    const unique_hfile lock(
        CreateFileW(TestData(L"24bit.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    const struct {
        const wchar_t* name;
        const char* reason;
    } cases[] = {
        {L"missing.bmp", "ファイルが見つかりません。"},
        {L"empty.png", "ファイルが空です。"},
        {L"text.jpg", "画像ファイルではないか、対応していない形式です。"},
        {L"cut.png", "画像のデータが壊れているか、途中で切れています。"},
        {L"cut.bmp", "画像のデータが壊れているか、途中で切れています。"},
        {L"huge.bmp", "画像が大きすぎます（100000 × 100000 ピクセル）。"},
        // Wine's PNG decoder refuses it while opening, giving its own reason;
        // Windows' tells the size first and is refused as huge.bmp is.
        {L"huge.png", nullptr},
        {L"24bit.bmp", "ファイルを開けません。読み取りが許可されていないか、ほかのプログラムが使用中です。"},
    };

    PutTextOnClipboard();
    AppState = StateAbout;  // a dialog of the shell is open meanwhile
    for (const auto& c : cases) {
        SCOPED_TRACE(text::Narrow(c.name));
        boxes.clear();
        dialogAnswer = TestData(c.name);
        main->Pop_FileCapture_Click();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "ルクサさん");
        EXPECT_EQ(boxes[0].owner, main->Handle());
        const std::string named = "画像ファイルを読み込めませんでした。\n" + text::Narrow(*dialogAnswer) + "\n";
        EXPECT_EQ(boxes[0].text.substr(0, named.size()), named);
        if (c.reason) {
            EXPECT_EQ(boxes[0].text.substr(named.size()), c.reason);
        }
        EXPECT_EQ(LastPicturePath, "C:\\before\\");
        EXPECT_EQ(ReadClipboardImage().width, 0);
        EXPECT_EQ(AppState, StateAbout);
    }
    TypeTooLongName(L"ピクチャ画像の指定", L".png", [&] { main->Pop_FileCapture_Click(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "画像ファイルを読み込めませんでした。\nメンバ lpstrFile が指すバッファが小さすぎます。（エラー番号 12291）");
    EXPECT_EQ(LastPicturePath, "C:\\before\\");
}

// The commands run as their hot keys and the double-click run them (which
// runs which: ShellRules_ut; the double-click: tests/e2e/shell_tray_menus.sh).
TEST_F(ImageFileTest, ChosenFileGoesToTheClipboardACancelChangesNothing) {
    const std::wstring chosen = folder.File(L"画像.bmp");
    ASSERT_TRUE(CopyFileW(TestData(L"24bit.bmp").c_str(), chosen.c_str(), FALSE));
    dialogAnswer = chosen;
    PutTextOnClipboard();
    AppState = StateDtCapture;  // a desktop copy armed meanwhile stays armed
    main->RunCommand(shell::Command::FileCapture);
    EXPECT_EQ(AppState, StateDtCapture);
    const std::vector<std::uint32_t> six(std::begin(SixColours), std::end(SixColours));
    EXPECT_EQ(ReadClipboardImage().pixels, six);
    EXPECT_EQ(LastPicturePath, text::Narrow(chosen));

    // Cancelled, the copy and the print change nothing; the dialog opens where the last file was.
    dialogAnswer.reset();
    main->Pop_FileCapture_Click();
    main->RunCommand(shell::Command::FileCopy);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(ReadClipboardImage().pixels, six);
    EXPECT_EQ(LastPicturePath, text::Narrow(chosen));
    EXPECT_EQ(AppState, StateDtCapture);
    const std::wstring filter = L"イメージファイル(*.BMP;*.JPG;*.JPEG)|*.bmp;*.jpg;*.jpeg|"
                                L"すべての画像ファイル(*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.TIF;*.TIFF;*.ICO)|"
                                L"*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tif;*.tiff;*.ico|";
    const auto openingIn = [&](const std::wstring& initial) {
        return FileDialogCall{main->Handle(), L"ピクチャ画像の指定", filter, 0, 0x280804, L"", initial, false};
    };
    EXPECT_EQ(dialogs, (std::vector{openingIn(L"C:\\before\\"), openingIn(chosen), openingIn(chosen)}));
}

// A typed name is chosen, a cancel reported and the name cleared. With the
// default extension empty, as it starts, a name without one takes the chosen
// file type's: "shot" saves as "shot.png" with PNG chosen, "photo" opens "photo.bmp".
// (Its name buffer: where the program's own dialogs get a name too long for it.)
TEST_F(CommonDlgTest, TypedNamesAreChosenWithTheChosenTypesExtensionAndCancelIsReported) {
    folder.Write(L"photo.bmp", "x");
    folder.Write(L"写真.png", "x");
    const struct {
        bool save;
        const wchar_t* typed;  // empty: cancelled
        int fileType;
        const wchar_t* chosen;
    } cases[] = {{true, L"shot", 1, L"shot.png"},      {true, L"shot", 0, L"shot.bmp"},
                 {true, L"shot.bmp", 1, L"shot.bmp"},  {false, L"photo", 0, L"photo.bmp"},
                 {false, L"写真.png", -1, L"写真.png"}, {false, L"", -1, L""}};
    cCommonDlg dialog;
    dialog.Form(main->Handle());
    dialog.DialogTitle("種類");
    dialog.Filter("ビットマップファイル(*.BMP)|*.bmp|PNGファイル(*.PNG)|*.png|");
    dialog.Flags(0x280804);
    dialog.InitDir(text::Narrow(folder.Path()));
    dialog.CancelError(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(text::Narrow(c.typed));
        const bool cancelled = *c.typed == L'\0';
        std::thread person = AnswerFileDialog(L"種類", cancelled ? L"" : folder.File(c.typed), c.fileType);
        if (c.save) dialog.ShowSave();
        else dialog.ShowOpen();
        person.join();
        EXPECT_EQ(dialog.CancelButton(), cancelled);
        EXPECT_EQ(dialog.FileName(), cancelled ? "" : text::Narrow(folder.File(c.chosen)));
        if (!cancelled && std::wstring(c.typed) == c.chosen) {
            EXPECT_EQ(dialog.FileTitle(), text::Narrow(c.chosen));
        }
        EXPECT_EQ(dialog.Action(), c.save ? 2 : 1);
        EXPECT_EQ(dialog.ErrNumber(), 0);
    }
}
