// The common-dialog wrapper against the real dialogs, which a second thread
// answers as a person would, and the buffer it hands them.

#include "ShellFixture.h"
#include "cCommonDlg.h"

// The hidden main window owns the dialogs.
class CommonDlgTest : public ShellTest {};

// A typed name is chosen, and a cancel is reported and clears it. A name
// typed without an extension takes the chosen file type's, as it always does
// when the default extension is the empty text the property starts with: the
// save dialog writes "shot.png" with the PNG type chosen, the open dialog
// finds "photo" as "photo.bmp".
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

TEST_F(CommonDlgTest, CancelledFontDialogClearsTheFont) {
    cCommonDlg dialog;
    dialog.Form(main->Handle());
    dialog.FontName("ＭＳ Ｐゴシック");
    dialog.FontSize(12);
    dialog.FontBold(true);
    std::thread person([self = GetCurrentThreadId()] {
        // The font dialog's caption depends on the language; it is the one
        // dialog of this thread.
        for (int i = 0; i < 1000; ++i, Sleep(10)) {
            HWND found = nullptr;
            EnumThreadWindows(self, [](HWND w, LPARAM out) {
                wchar_t cls[16]{};
                GetClassNameW(w, cls, 16);
                if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(w)) *reinterpret_cast<HWND*>(out) = w;
                return TRUE;
            }, reinterpret_cast<LPARAM>(&found));
            if (found) {
                PostMessageW(found, WM_COMMAND, IDCANCEL, 0);
                return;
            }
        }
    });
    dialog.ShowFont();
    person.join();
    EXPECT_TRUE(dialog.CancelButton());
    EXPECT_EQ(dialog.ErrNumber(), 0);
    EXPECT_EQ(dialog.FontName(), "");
    EXPECT_EQ(dialog.FontSize(), 0);
    EXPECT_FALSE(dialog.FontBold());
}

TEST_F(CommonDlgTest, NameBufferIsCutToMaxFileSizeAndOnlyFileActionsShowDialogs) {
    std::wstring handed;
    int shown = 0;
    SetFileDialogAnswerer([&](const OPENFILENAMEW& record, bool) -> std::optional<std::wstring> {
        ++shown;
        handed = record.lpstrFile;
        EXPECT_EQ(record.nMaxFile, 5u);
        return std::nullopt;
    });
    cCommonDlg dialog;
    dialog.MaxFileSize(5);
    dialog.FileName("abcdefgh");
    dialog.Action(2);
    EXPECT_EQ(handed, L"abcd");
    EXPECT_EQ(dialog.FileName(), "abcdefgh");  // a cancel without CancelError changes nothing
    dialog.Action(3);
    EXPECT_EQ(dialog.Action(), 3);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(dialog.HelpKey("キー"));
    EXPECT_EQ(dialog.HelpKey(), "0");
}
