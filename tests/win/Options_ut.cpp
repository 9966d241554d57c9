// The options dialog on a real shell: what it shows when it opens, the checks
// that keep bad input out, what Apply, OK and Cancel store, and the hot keys
// it registers again.
#include <windows.h>
#include <commctrl.h>

#include "BasHotKey.h"
#include "Form.h"
#include "FrmOption.h"
#include "FrmOptionControls.h"
#include "FrmPrint.h"
#include "MessageLoop.h"
#include "ShellFixture.h"

using namespace BasRuxa;
using namespace FrmOption;

namespace {

bool IsFree(char key) { return CombinationIsFree(MOD_ALT | MOD_CONTROL, static_cast<UINT>(key)); }

// Slot 0 on Ctrl+Alt+Q and registered, the others off on Ctrl+Alt+P, slot 7
// on a key no list offers; the dialog opened from the tray.
class OptionsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Settings.Title = "ヴェルモ";
        Settings.SelfTimer = 1;
        Settings.SelfTime = 5;
        Settings.DoubleClick = Settings.DoubleClickDo = 1;
        for (int slot = 0; slot < HotKeySlotCount; ++slot) {
            Settings.HotKeyALT[slot] = Settings.HotKeyCTRL[slot] = 1;
            Settings.HotKeyButton[slot] = 'P';
        }
        Settings.HotKeyOn[0] = 1;
        Settings.HotKeyButton[0] = 'Q';
        Settings.HotKeyButton[7] = VK_ESCAPE;
        BasHotKey::RegisterHotKeys(MainWindow::Handle());
        FrmRuxa::Pop_Option_Click();
        form = FrmOption::Window();
        ASSERT_NE(form, nullptr);
    }

    void Press(int button) { form->Raise(button, BN_CLICKED); }
    bool Stored() const { return folder.Exists(L"ruxa.ini"); }
    bool PageShown(int k) const { return IsWindowVisible(form->Item(Fra_Tab(k))) != FALSE; }
    // The refusal mark of a slot, shown on its page whether or not the page is.
    bool Marked(int slot) const { return (GetWindowLongW(form->Item(Img_KeyTaken(slot)), GWL_STYLE) & WS_VISIBLE) != 0; }

    Form* form = nullptr;
};

TEST_F(OptionsTest, OpensOnTheBasicPageShowingTheSettingsWithApplyOff) {
    EXPECT_EQ(AppState, StateOption);
    EXPECT_FALSE(form->Enabled(BtnTekiyo));
    for (int k = 0; k < PageCount; ++k) EXPECT_EQ(PageShown(k), k == 0) << k;
    EXPECT_EQ(form->Text(TxtByo), "5");
    EXPECT_EQ(form->Check(Opt_HardCopy), 1);
    EXPECT_EQ(form->Check(Opt_DeskTop), 1);
    EXPECT_EQ(form->Text(Txt_AppName), "ヴェルモ");

    // Every key list: the same 50 keys, each with its virtual-key code.
    const struct {
        int index;
        const char* text;
        int key;
    } keys[] = {{0, "A", 'A'},  {25, "Z", 'Z'},   {26, "0", '0'},          {35, "9", '9'},
                {36, "F1", 112}, {47, "F12", 123}, {48, "Spaceキー", 32}, {49, "Enterキー", 13}};
    for (int slot = 0; slot < HotKeySlotCount; ++slot) ASSERT_EQ(form->ListCount(Cmb_Key(slot)), 50) << slot;
    for (const auto& key : keys) {
        EXPECT_EQ(form->ListText(Cmb_Key(8), key.index), key.text);
        EXPECT_EQ(form->ItemData(Cmb_Key(8), key.index), key.key) << key.text;
    }
    EXPECT_EQ(form->Text(Cmb_Key(0)), "Q");
    EXPECT_EQ(form->ListIndex(Cmb_Key(7)), -1);  // a stored key no entry carries
    // A row that is off shows its values greyed.
    EXPECT_FALSE(form->Enabled(Chk_Alt(1)));
    EXPECT_FALSE(form->Enabled(Cmb_Key(1)));
    EXPECT_EQ(form->Check(Chk_Alt(1)), 1);
    EXPECT_TRUE(form->Enabled(Chk_Alt(0)));
}

TEST_F(OptionsTest, CancelStoresNothing) {
    form->SetCheck(ChkDialog, 1);
    form->SetText(Txt_AppName, "別名");
    form->SetCheck(Chk_Enable(0), 0);
    EXPECT_TRUE(form->Enabled(BtnTekiyo));
    Press(BtnCancel);
    EXPECT_EQ(FrmOption::Window(), nullptr);
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_FALSE(Stored());
    EXPECT_EQ(Settings.Title, "ヴェルモ");
    EXPECT_EQ(Settings.ConfirmBeforePrint, 0);
    EXPECT_FALSE(IsFree('Q'));
}

TEST_F(OptionsTest, SecondsAboveTwentyAreRefusedWhenLeavingTheFieldAndWhenStoring) {
    // Only entering the seconds field enables Apply without a change.
    form->Focus(ChkDialog);
    EXPECT_FALSE(form->Enabled(BtnTekiyo));
    form->Focus(TxtByo);
    EXPECT_TRUE(form->Enabled(BtnTekiyo));

    const struct {
        const char* typed;
        bool refused;
        int stored;
    } cases[] = {{"21", true, 5}, {"20", false, 20}, {"0", false, 0}};
    for (const auto& c : cases) {
        boxes.clear();
        form->Focus(TxtByo);
        form->SetText(TxtByo, c.typed);
        form->Focus(ChkDialog);
        PumpPending();
        Press(BtnTekiyo);
        // Once on leaving, once more on Apply; the text stays for mending.
        ASSERT_EQ(boxes.size(), c.refused ? 2u : 0u) << c.typed;
        if (c.refused) {
            ExpectBox(0, "セルフタイマの秒数は20秒以内で設定してください", "ヴェルモ");
            EXPECT_EQ(GetFocus(), form->Item(TxtByo));
            EXPECT_EQ(form->Text(TxtByo), c.typed);
            EXPECT_FALSE(Stored());
        }
        EXPECT_EQ(Settings.SelfTime, c.stored) << c.typed;
    }
    // Enter presses OK while the field still has the focus: what was typed
    // counts, it is not lost.
    form->Focus(TxtByo);
    form->SetText(TxtByo, "7");
    Press(BtnOK);
    EXPECT_EQ(Settings.SelfTime, 7);
    EXPECT_EQ(FrmOption::Window(), nullptr);
}

TEST_F(OptionsTest, SelfTimerOffGreysTheSecondsAndAClipboardDoubleClickTheFileCapture) {
    form->SetCheck(ChkByo, 0);
    EXPECT_FALSE(form->Enabled(TxtByo));
    form->SelectOption(Opt_File);
    form->SelectOption(Opt_Copy);
    EXPECT_FALSE(form->Enabled(Opt_File));
    EXPECT_EQ(form->Check(Opt_File), 1);  // greyed, yet kept
    Press(BtnTekiyo);
    EXPECT_EQ(Settings.DoubleClick, 2);
    EXPECT_EQ(Settings.DoubleClickDo, 4);
    form->SelectOption(Opt_HardCopy);
    EXPECT_TRUE(form->Enabled(Opt_File));
}

TEST_F(OptionsTest, TitleMustNotBeEmptyOrZero) {
    const struct {
        const char* title;
        const char* message;
    } cases[] = {{"", "アプリケーションタイトルに、空白は設定できません。"},
                 {"0", "アプリケーションタイトルに、この文字列は設定できません。"},
                 {" ", nullptr}};
    for (const auto& c : cases) {
        boxes.clear();
        form->SetText(Txt_AppName, c.title);
        Press(BtnOK);
        ASSERT_EQ(boxes.size(), c.message ? 1u : 0u) << c.title;
        EXPECT_EQ(FrmOption::Window() == nullptr, !c.message);
        EXPECT_EQ(Stored(), !c.message);
        if (c.message) {
            ExpectBox(0, c.message, "ヴェルモ", MB_OK | MB_ICONERROR);
        }
    }
    EXPECT_EQ(Settings.Title, " ");
}

TEST_F(OptionsTest, ApplyRegistersWhatTheRowsSayAndReleasesWhatWasRegistered) {
    // Clearing Enable greys the row and keeps its values.
    form->SetCheck(Chk_Enable(0), 0);
    for (const int id : {Chk_Alt(0), Chk_Shift(0), Chk_CTRL(0), Cmb_Key(0)}) EXPECT_FALSE(form->Enabled(id)) << id;
    EXPECT_EQ(form->Check(Chk_CTRL(0)), 1);
    EXPECT_EQ(form->Text(Cmb_Key(0)), "Q");
    form->SetCheck(Chk_Enable(2), 1);
    // A named print setting saved meanwhile has copied the pending switches;
    // what was registered is released all the same.
    Settings.HotKeyOn[0] = 0;
    Settings.HotKeyOn[2] = 1;
    Press(BtnTekiyo);
    EXPECT_FALSE(form->Enabled(BtnTekiyo));
    EXPECT_TRUE(IsFree('Q'));
    EXPECT_EQ(GlobalFindAtomW(L"RUXAHOTKEY0"), 0);
    EXPECT_FALSE(IsFree('P'));
    EXPECT_TRUE(Stored());
    EXPECT_EQ(Settings.HotKeyOn[0], 0);
    EXPECT_EQ(Settings.HotKeyCTRL[0], 1);
    EXPECT_EQ(Settings.HotKeyButton[0], 'Q');
    // Registered once: one release leaves nothing behind.
    BasHotKey::ReleaseHotKeys(MainWindow::Handle());
    EXPECT_EQ(GlobalFindAtomW(L"RUXAHOTKEY2"), 0);
    EXPECT_TRUE(IsFree('P'));
}

TEST_F(OptionsTest, TypedKeyTextIsRefusedAndTheLetterAChosen) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(form->Item(Cmb_Key(0)), &info));
    SendMessageW(info.hwndItem, WM_CHAR, L'x', 1);
    ASSERT_EQ(boxes.size(), 1u);
    ExpectBox(0, "キーの種類は、一覧の中から選択してください．", "ヴェルモ", MB_OK | MB_ICONERROR);
    EXPECT_EQ(form->Text(Cmb_Key(0)), "A");
    Press(BtnTekiyo);
    EXPECT_EQ(Settings.HotKeyButton[0], 65);
    EXPECT_FALSE(IsFree('A'));
}

TEST_F(OptionsTest, KeyAnotherProgramHoldsIsMarkedWithTheReason) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 77, MOD_ALT | MOD_CONTROL, 'Z'));
    form->SetCheck(Chk_Enable(4), 1);
    form->SetListIndex(Cmb_Key(4), 25);  // Z
    Press(BtnTekiyo);
    EXPECT_TRUE(Marked(4));
    EXPECT_EQ(form->Tip(Img_KeyTaken(4)),
              "このキーの組み合わせは、ほかのプログラムか上にあるホットキーが使用しているため、登録できませんでした。");
    EXPECT_FALSE(Marked(0));
    EXPECT_EQ(form->Tip(Img_KeyTaken(0)), "");

    // Opened again, the dialog still says so; once the key is free, Apply
    // takes it and the mark goes.
    FrmOption::Unload();
    FrmOption::Show();
    form = FrmOption::Window();
    EXPECT_TRUE(Marked(4));
    UnregisterHotKey(nullptr, 77);
    form->SetCheck(ChkDialog, 1);
    Press(BtnTekiyo);
    EXPECT_FALSE(Marked(4));
    EXPECT_FALSE(IsFree('Z'));
}

TEST_F(OptionsTest, IconChooserFillsTheFieldAndLeavesThePictureFolder) {
    LastPicturePath = "C:\\写真\\";
    std::vector<FileDialogCall> asked;
    std::optional<std::wstring> answer = L"C:\\アイコン\\新.ico";
    SetFileDialogAnswerer([&](const OPENFILENAMEW& record, bool save) {
        asked.push_back(Recorded(record, save));
        return answer;
    });
    Press(Btn_IconSansho);
    EXPECT_EQ(form->Text(Txt_IconPath), "C:\\アイコン\\新.ico");
    EXPECT_TRUE(form->Enabled(BtnTekiyo));
    answer.reset();  // cancelled: nothing changes
    Press(Btn_IconSansho);
    const FileDialogCall icon{form->Handle(), L"アイコンファイルの指定", L"アイコンファイル(*.ICO)|*.ico|", 0, 0x280804,
                              L"", L"C:\\写真\\", false};
    EXPECT_EQ(asked, (std::vector{icon, icon}));
    EXPECT_EQ(form->Text(Txt_IconPath), "C:\\アイコン\\新.ico");
    EXPECT_EQ(LastPicturePath, "C:\\写真\\");
    Press(BtnTekiyo);
    EXPECT_EQ(Settings.Icon, "C:\\アイコン\\新.ico");
}

TEST_F(OptionsTest, CtrlTabTurnsThePagesBothWays) {
    BYTE saved[256], keys[256];
    GetKeyboardState(saved);
    memcpy(keys, saved, sizeof keys);
    const auto press = [&](bool shift) {
        keys[VK_CONTROL] = 0x80;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG msg{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        return TranslateDialogMessage(msg);
    };
    EXPECT_TRUE(press(false));
    EXPECT_TRUE(PageShown(1));
    EXPECT_FALSE(PageShown(0));
    press(true);
    press(true);
    EXPECT_TRUE(PageShown(3));
    EXPECT_TRUE(IsWindowVisible(GetFocus()));
    SetKeyboardState(saved);
}

TEST_F(OptionsTest, PrintPageEditsEnableApplyAndTheRatioIsCheckedOnLeaving) {
    using namespace PrintPanel;
    // A click on the print page's tab.
    const HWND tabs = FindWindowExW(form->Item(Pic_Tab), nullptr, WC_TABCONTROLW, nullptr);
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(form->Item(Pic_Tab), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
    EXPECT_TRUE(PageShown(1));

    form->SelectOption(OptSize1 + 2);
    EXPECT_TRUE(form->Enabled(BtnTekiyo));
    form->Focus(TxtSizeP);
    form->SetText(TxtSizeP, "250");
    EXPECT_TRUE(boxes.empty());  // typing is free; leaving the field is checked
    form->Focus(CmbPaperSize);
    ASSERT_TRUE(PumpUntil([&] { return !boxes.empty() && GetFocus() == form->Item(TxtSizeP); }));
    EXPECT_EQ(boxes[0].text, RatioMessage);
    EXPECT_EQ(form->Text(TxtSizeP), "250");
    form->SetText(TxtSizeP, "80");
    Press(BtnOK);  // Enter while the field still holds the focus
    EXPECT_EQ(CurrentPrint.SizeP, 80);
}

TEST_F(OptionsTest, NamedSettingsSavedOnThePrintPageOrElsewhereStayStored) {
    std::string name = "頁";
    SetInputBoxAnswerer([&](const InputBoxCall&) { return name; });
    form->SetText(Txt_AppName, "別名");
    form->Raise(PrintPanel::BtnSaveSetting, BN_CLICKED);
    EXPECT_EQ(Settings.Title, "別名");  // a save stores every page's edits
    // Meanwhile the print dialog, opened by a hot key, saves one of its own
    // and deletes the first.
    name = "印刷側";
    FrmPrint::Load();
    FrmPrint::Panel().BtnSaveSetting_Click(0);
    answers = {IDYES};
    FrmPrint::Window().SetListIndex(PrintPanel::CmbSetting, 0);
    FrmPrint::Panel().BtnDelSetting_Click(0);
    FrmPrint::Unload();
    // Back in this dialog, its list is made again from what is stored.
    SendMessageW(form->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    ASSERT_EQ(form->ListCount(PrintPanel::CmbSetting), 1);
    EXPECT_EQ(form->ListText(PrintPanel::CmbSetting, 0), "印刷側");
    EXPECT_EQ(form->ListIndex(PrintPanel::CmbSetting), -1);
    Press(BtnOK);
    ASSERT_EQ(Settings.PrinterCount, 1);
    EXPECT_EQ(NamedSettings[0].Title, "印刷側");
    EXPECT_EQ(Settings.LastSet, -1);
}

TEST_F(OptionsTest, HotKeyForTheDialogShowsTheOpenOneAgain) {
    const HWND window = form->Handle();
    AppState = StateIdle;
    BasHotKey::HotKeyAction(8);
    EXPECT_EQ(AppState, StateOption);
    ASSERT_NE(FrmOption::Window(), nullptr);
    EXPECT_EQ(FrmOption::Window()->Handle(), window);
    EXPECT_TRUE(form->Visible());
}

}  // namespace
