// The common-dialog wrapper against the real file dialogs, answered by a
// second thread. Its name buffer: where the program's own dialogs get a name
// too long for it (PrintDialogTest.SavedPicture..., OptionsTest.IconChooser...).
#include "ShellFixture.h"
#include "cCommonDlg.h"

// The hidden main window owns the dialogs.
class CommonDlgTest : public ShellTest {};

// A typed name is chosen, a cancel reported and the name cleared. With the
// default extension empty, as it starts, a name without one takes the chosen
// file type's: "shot" saves as "shot.png" with PNG chosen, "photo" opens "photo.bmp".
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
