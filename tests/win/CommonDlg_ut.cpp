// The common-dialog wrapper against the real dialogs, which a second thread
// answers as a person would, and the buffer it hands them.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "HumanSeam.h"
#include "TestFolder.h"
#include "Text.h"
#include "cCommonDlg.h"

namespace {

// Waits for a dialog of this process titled `title`, then lets act() work it.
template <typename Act>
std::thread Answer(const wchar_t* title, Act act) {
    return std::thread([title, act] {
        HWND dialog = nullptr;
        for (int i = 0; i < 1000 && !(dialog = FindWindowW(L"#32770", title)); ++i) Sleep(10);
        if (dialog) act(dialog);
    });
}

// The file name field of an Explorer-style dialog.
HWND FileNameField(HWND dialog) {
    HWND field = nullptr;
    for (int i = 0; i < 500 && !field; ++i, Sleep(10)) {
        const HWND box = GetDlgItem(dialog, 0x47c);
        field = box ? FindWindowExW(FindWindowExW(box, nullptr, L"ComboBox", nullptr), nullptr, L"Edit", nullptr) : nullptr;
        if (box && !field) field = FindWindowExW(box, nullptr, L"Edit", nullptr);
    }
    return field;
}

class CommonDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A command-line run of an earlier test asked this thread's loop to
        // quit; a modal dialog would take that request as its own end.
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        SetFileDialogAnswerer(nullptr);
        DestroyWindow(owner);
    }
    HWND owner = nullptr;
};

TEST_F(CommonDlgTest, TypedPathIsChosenAndCancelIsReported) {
    TestFolder folder;
    folder.Write(L"写真.png", "x");
    const std::wstring path = folder.File(L"写真.png");
    cCommonDlg dialog;
    dialog.Form(owner);
    dialog.DialogTitle("ピクチャ画像の指定");
    dialog.Filter("イメージファイル(*.BMP;*.JPG;*.JPEG)|*.bmp;*.jpg;*.jpeg|");
    dialog.Flags(0x280804);
    dialog.InitDir(text::Narrow(folder.Path()));
    dialog.CancelError(true);
    std::thread person = Answer(L"ピクチャ画像の指定", [&](HWND d) {
        SendMessageW(FileNameField(d), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageW(d, WM_COMMAND, IDOK, 0);
    });
    dialog.ShowOpen();
    person.join();
    EXPECT_FALSE(dialog.CancelButton());
    EXPECT_EQ(dialog.FileName(), text::Narrow(path));
    EXPECT_EQ(dialog.FileTitle(), "写真.png");
    EXPECT_EQ(dialog.Action(), 1);

    person = Answer(L"ピクチャ画像の指定", [](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); });
    dialog.ShowOpen();
    person.join();
    EXPECT_TRUE(dialog.CancelButton());
    EXPECT_EQ(dialog.FileName(), "");
    EXPECT_EQ(dialog.ErrNumber(), 0);
}

TEST_F(CommonDlgTest, CancelledFontDialogClearsTheFont) {
    cCommonDlg dialog;
    dialog.Form(owner);
    dialog.FontName("ＭＳ Ｐゴシック");
    dialog.FontSize(12);
    dialog.FontBold(true);
    DWORD self = GetCurrentThreadId();
    std::thread person([self] {
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

}  // namespace
