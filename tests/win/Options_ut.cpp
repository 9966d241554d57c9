// The options dialog on a real shell: what it shows, the checks that keep bad
// input out, what Apply, OK and Cancel store, and the hot keys that follow.
#include <windows.h>
#include <commctrl.h>

#include "BasHotKey.h"
#include "ShellFixture.h"

using namespace BasRuxa;

namespace {

using F = FrmOption;

// Slot 0 on Ctrl+Alt+Q, the others off on Ctrl+Alt+P, slot 7 on a key no list
// offers; the dialog opened from the tray.
class OptionsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetSettings([](SettingsModel& s) {
            s.Settings.SelfTimer = 1;
            s.Settings.SelfTime = 5;
            s.Settings.DoubleClick = s.Settings.DoubleClickDo = 1;
            for (int slot = 0; slot < HotKeySlotCount; ++slot) {
                s.Settings.HotKeyALT[slot] = s.Settings.HotKeyCTRL[slot] = 1;
                s.Settings.HotKeyButton[slot] = 'P';
            }
            s.Settings.HotKeyOn[0] = 1;
            s.Settings.HotKeyButton[0] = 'Q';
            s.Settings.HotKeyButton[7] = VK_ESCAPE;
        });
        Restart(false);
        Reopen();
        ASSERT_NE(form, nullptr);
    }

    FrmOption& Dialog() { return main->OptionsDialog(); }
    // The dialog open from the tray, opened again if it was closed.
    void Reopen() {
        if (!Dialog().Window()) main->Pop_Option_Click();
        form = Dialog().Window();
    }
    void Press(int button) { form->Raise(button, BN_CLICKED); }
    bool PageShown(int k) const { return IsWindowVisible(form->Item(F::Fra_Tab(k))) != FALSE; }
    // The refusal mark of a slot, whether or not its page shows.
    bool Marked(int slot) const { return (GetWindowLongW(form->Item(F::Img_KeyTaken(slot)), GWL_STYLE) & WS_VISIBLE) != 0; }
    // The focus leaves a field for another control; the check comes once the move is over.
    void Leave(int field, int to) {
        form->Focus(field);
        form->Focus(to);
        PumpPending();
    }
    Form* form = nullptr;
};

}  // namespace

// The hot key of the dialog shows the open one again. (The stored values
// shown, and stored again by OK: tests/e2e/shell_options.sh.)
TEST_F(OptionsTest, OpensOnTheBasicPageShowingTheSettingsAndCancelStoresNothing) {
    EXPECT_EQ(AppState, StateOption);
    const HWND window = form->Handle();
    AppState = StateIdle;
    main->RunCommand(shell::HotKeyCommand(8));
    EXPECT_EQ(AppState, StateOption);
    ASSERT_NE(Dialog().Window(), nullptr);
    EXPECT_EQ(Dialog().Window()->Handle(), window);
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(form->Enabled(F::BtnTekiyo));
    for (int k = 0; k < F::PageCount; ++k) EXPECT_EQ(PageShown(k), k == 0) << k;

    for (int slot = 0; slot < HotKeySlotCount; ++slot) ASSERT_EQ(form->ListCount(F::Cmb_Key(slot)), 50) << slot;
    EXPECT_EQ(form->ListIndex(F::Cmb_Key(7)), -1);  // a stored key no entry carries
    // A row that is off shows its values greyed.
    EXPECT_FALSE(form->Enabled(F::Chk_Alt(1)));
    EXPECT_FALSE(form->Enabled(F::Cmb_Key(1)));
    EXPECT_EQ(form->Check(F::Chk_Alt(1)), 1);
    EXPECT_TRUE(form->Enabled(F::Chk_Alt(0)));

    // The tabs, in the form's font, track the pointer and take the focus; a
    // click shows the print page, where an edit enables Apply.
    const HWND tabs = FindWindowExW(form->Item(F::Pic_Tab), nullptr, WC_TABCONTROLW, nullptr);
    EXPECT_NE(SendMessageW(tabs, WM_GETFONT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(tabs, WM_GETFONT, 0, 0), SendMessageW(form->Item(F::ChkDialog), WM_GETFONT, 0, 0));
    const auto style = GetWindowLongPtrW(tabs, GWL_STYLE);
    EXPECT_EQ(style & (TCS_HOTTRACK | TCS_FOCUSONBUTTONDOWN), TCS_HOTTRACK | TCS_FOCUSONBUTTONDOWN);
    RECT tab{};
    SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tabs, WM_LBUTTONUP, 0, at);
    for (int k = 0; k < F::PageCount; ++k) EXPECT_EQ(PageShown(k), k == 1) << k;
    form->SelectOption(PrintPanel::OptSize1 + 2);
    EXPECT_TRUE(form->Enabled(F::BtnTekiyo));

    form->SetCheck(F::ChkDialog, 1);
    form->SetText(F::Txt_AppName, "別名");
    form->SetCheck(F::Chk_Enable(0), 0);
    Press(F::BtnCancel);
    EXPECT_EQ(Dialog().Window(), nullptr);
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_FALSE(folder.Exists(L"ruxa.ini"));
    EXPECT_EQ(Settings.Title, "ヴェルモ");
    EXPECT_EQ(Settings.ConfirmBeforePrint, 0);
    EXPECT_FALSE(CombinationIsFree('Q'));
}

// The self-timer's seconds and the ratio are checked on leaving the field and
// when stored, also with the focus still in it (as Enter stores): out of range,
// it is told, its page shown, the text kept. Leaving for ｷｬﾝｾﾙ checks nothing,
// so the click is not lost under a message; one up while the program is closed
// from outside leaves the gone dialog alone.
TEST_F(OptionsTest, LeavingByCancelChecksNothingAnyOtherLeavingAndStoringRefuseValuesOutOfRange) {
    // Only entering the seconds field enables Apply without a change.
    form->Focus(F::ChkDialog);
    EXPECT_FALSE(form->Enabled(F::BtnTekiyo));
    form->Focus(F::TxtByo);
    EXPECT_TRUE(form->Enabled(F::BtnTekiyo));

    const struct {
        int field, page;
        const char* tooMuch;
        const char* message;
        const char* title;
        std::vector<int> taken;  // stored by 適用, the last by OK
        std::function<int()> stored;
    } fields[] = {
        {F::TxtByo, 0, "21", "セルフタイマの秒数は20秒以内で設定してください", "ヴェルモ", {20, 0, 7},
         [] { return int(Settings.SelfTime); }},
        {PrintPanel::TxtSizeP, 1, "250", PrintPanel::RatioMessage, "設定エラー", {200, 80},
         [] { return int(CurrentPrint.SizeP); }},
    };
    bool closeRuxa = false;
    SetMessageBoxAnswerer([&](const MessageBoxCall& call) {
        boxes.push_back(call);
        if (closeRuxa) SendMessageW(main->Handle(), WM_CLOSE, 0, 0);  // another program closes ruxa
        return IDOK;
    });
    for (const auto& f : fields) {
        SCOPED_TRACE(f.field);
        const int before = f.stored();
        const auto typeOutOfRange = [&] {
            Reopen();
            form->SelectOption(PrintPanel::OptSize1 + 2);
            form->SetText(f.field, f.tooMuch);
        };
        typeOutOfRange();
        Leave(f.field, F::BtnCancel);
        Press(F::BtnCancel);
        EXPECT_EQ(Dialog().Window(), nullptr);
        EXPECT_TRUE(boxes.empty());

        // Once on leaving, once more on 適用; the text stays for mending.
        typeOutOfRange();
        Leave(f.field, F::ChkDialog);
        ASSERT_TRUE(PumpUntil([&] { return !boxes.empty() && GetFocus() == form->Item(f.field); }));
        ExpectBox(0, f.message, f.title);
        EXPECT_TRUE(PageShown(f.page));
        Press(F::BtnTekiyo);
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(form->Text(f.field), f.tooMuch);
        EXPECT_EQ(f.stored(), before);
        for (const int value : f.taken) {
            form->Focus(f.field);
            form->SetText(f.field, std::to_string(value));
            Press(value == f.taken.back() ? F::BtnOK : F::BtnTekiyo);
            EXPECT_EQ(f.stored(), value);
        }
        EXPECT_EQ(Dialog().Window(), nullptr);
        EXPECT_EQ(boxes.size(), 2u);

        boxes.clear();
        typeOutOfRange();
        closeRuxa = true;
        Leave(f.field, F::ChkDialog);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(main->Handle(), nullptr);
        EXPECT_EQ(Dialog().Window(), nullptr);
        PumpPending();
        closeRuxa = false;
        boxes.clear();
        Restart(false);
    }
}

TEST_F(OptionsTest, SelfTimerOffGreysTheSecondsAndAClipboardDoubleClickTheFileCapture) {
    form->SetCheck(F::ChkByo, 0);
    EXPECT_FALSE(form->Enabled(F::TxtByo));
    form->SelectOption(F::Opt_File);
    form->SelectOption(F::Opt_Copy);
    EXPECT_FALSE(form->Enabled(F::Opt_File));
    EXPECT_EQ(form->Check(F::Opt_File), 1);  // greyed, yet kept
    Press(F::BtnTekiyo);
    EXPECT_EQ(Settings.DoubleClick, 2);
    EXPECT_EQ(Settings.DoubleClickDo, 4);
    form->SelectOption(F::Opt_HardCopy);
    EXPECT_TRUE(form->Enabled(F::Opt_File));
}

// OK and 適用 refuse a title the next start would take for a first start; a
// named setting saved meanwhile stores the rest and keeps the stored title.
TEST_F(OptionsTest, ATitleThatWouldWipeTheSettingsIsNeverWritten) {
    int saves = 0;
    SetInputBoxAnswerer([&](const InputBoxCall&) { return "頁" + std::to_string(++saves); });
    const struct {
        const char* title;
        const char* message;
    } cases[] = {{"", "アプリケーションタイトルに、空白は設定できません。"},
                 {"0", "アプリケーションタイトルに、この文字列は設定できません。"},
                 {" ", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        Reopen();
        boxes.clear();
        form->SetText(F::Txt_AppName, c.title);
        form->SetCheck(F::ChkDialog, 1);
        form->Raise(PrintPanel::BtnSaveSetting, BN_CLICKED);
        EXPECT_EQ(Settings.ConfirmBeforePrint, 1);
        EXPECT_EQ(Settings.Title, c.message ? "ヴェルモ" : c.title);
        EXPECT_EQ(IniValue("Application", "Title"), c.message ? "ヴェルモ" : c.title);
        Press(F::BtnOK);
        ASSERT_EQ(boxes.size(), c.message ? 1u : 0u);
        EXPECT_EQ(Dialog().Window() == nullptr, !c.message);
        if (c.message) ExpectBox(0, c.message, "ヴェルモ", MB_OK | MB_ICONERROR);
    }
}

// Apply registers the rows; a key another program holds is marked with the
// reason, also on opening again, and taken by the next Apply once free.
TEST_F(OptionsTest, ApplyRegistersWhatTheRowsSayAndMarksAKeyAnotherProgramHolds) {
    // Clearing Enable greys the row (whose values are kept: tests/e2e/shell_options.sh).
    form->SetCheck(F::Chk_Enable(0), 0);
    for (const int id : {F::Chk_Alt(0), F::Chk_Shift(0), F::Chk_CTRL(0), F::Cmb_Key(0)}) EXPECT_FALSE(form->Enabled(id)) << id;
    form->SetCheck(F::Chk_Enable(2), 1);
    ASSERT_TRUE(RegisterHotKey(nullptr, 77, MOD_ALT | MOD_CONTROL, 'Z'));
    form->SetCheck(F::Chk_Enable(4), 1);
    form->SetListIndex(F::Cmb_Key(4), 25);  // Z
    Press(F::BtnTekiyo);
    EXPECT_FALSE(form->Enabled(F::BtnTekiyo));
    EXPECT_TRUE(CombinationIsFree('Q'));
    EXPECT_EQ(GlobalFindAtomW(L"RUXAHOTKEY0"), 0);
    EXPECT_FALSE(CombinationIsFree('P'));
    EXPECT_EQ(Settings.HotKeyOn[0], 0);
    EXPECT_TRUE(Marked(4));
    EXPECT_EQ(form->Tip(F::Img_KeyTaken(4)),
              "このキーの組み合わせは、ほかのプログラムか上にあるホットキーが使用しているため、登録できませんでした。");
    EXPECT_FALSE(Marked(2));
    EXPECT_EQ(form->Tip(F::Img_KeyTaken(2)), "");

    Dialog().Unload();
    Reopen();
    EXPECT_TRUE(Marked(4));
    UnregisterHotKey(nullptr, 77);
    form->SetCheck(F::ChkDialog, 1);
    Press(F::BtnTekiyo);
    EXPECT_FALSE(Marked(4));
    EXPECT_FALSE(CombinationIsFree('Z'));

    // Stored with a named setting and then cancelled: the keys are as stored.
    form->SetCheck(F::Chk_Enable(2), 0);
    SetInputBoxAnswerer([](const InputBoxCall&) { return std::string("頁"); });
    form->Raise(PrintPanel::BtnSaveSetting, BN_CLICKED);
    Press(F::BtnCancel);
    EXPECT_EQ(Settings.HotKeyOn[2], 0);
    EXPECT_TRUE(CombinationIsFree('P'));
}

// Typed into the edit field, a key is refused and A chosen; typed into the
// open list, the letter chooses its entry, which is stored.
TEST_F(OptionsTest, KeysTypedIntoTheListAreTakenOnlyFromTheOpenList) {
    const auto type = [&](int slot, wchar_t key) {
        SendMessageW(GetWindow(form->Item(F::Cmb_Key(slot)), GW_CHILD), WM_CHAR, key, 1);  // into its edit field
    };
    type(0, L'x');
    ExpectBox(0, "キーの種類は、一覧の中から選択してください．", "ヴェルモ", MB_OK | MB_ICONERROR);
    EXPECT_EQ(form->Text(F::Cmb_Key(0)), "A");

    Press(F::BtnTekiyo);
    SendMessageW(form->Item(F::Cmb_Key(0)), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(form->Item(F::Cmb_Key(0)), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    type(0, L'b');
    EXPECT_EQ(Dialog().WorkSettings.HotKeyButton[0], 'B');
    SendMessageW(form->Item(F::Cmb_Key(0)), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(form->Text(F::Cmb_Key(0)), "B");
    EXPECT_TRUE(form->Enabled(F::BtnTekiyo));
    Press(F::BtnOK);
    EXPECT_EQ(Settings.HotKeyButton[0], 'B');
    EXPECT_FALSE(CombinationIsFree('B'));
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(OptionsTest, IconChooserFillsTheFieldAndLeavesThePictureFolder) {
    LastPicturePath = "C:\\写真\\";
    dialogAnswer = L"C:\\アイコン\\新.ico";
    AnswerFileDialogsByScript();
    Press(F::Btn_IconSansho);
    EXPECT_EQ(form->Text(F::Txt_IconPath), "C:\\アイコン\\新.ico");
    EXPECT_TRUE(form->Enabled(F::BtnTekiyo));
    dialogAnswer.reset();  // cancelled: nothing changes
    Press(F::Btn_IconSansho);
    const FileDialogCall icon{form->Handle(), L"アイコンファイルの指定", L"アイコンファイル(*.ICO)|*.ico|", 0, 0x280804,
                              L"", L"C:\\写真\\", false};
    EXPECT_EQ(dialogs, (std::vector{icon, icon}));
    EXPECT_EQ(form->Text(F::Txt_IconPath), "C:\\アイコン\\新.ico");
    EXPECT_EQ(LastPicturePath, "C:\\写真\\");
    Press(F::BtnTekiyo);
    EXPECT_EQ(Settings.Icon, "C:\\アイコン\\新.ico");

    // The real dialog failing is told, not taken for a cancel.
    LastPicturePath = text::Narrow(folder.Path());
    TypeTooLongName(L"アイコンファイルの指定", L".ico", [&] { Press(F::Btn_IconSansho); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "アイコンファイルを指定できませんでした。\nメンバ lpstrFile が指すバッファが小さすぎます。（エラー番号 12291）");
}

// At a new DPI the table is laid out again (fonts: FormTest.PlacesItsTable...)
// and the pages fill the tab control's display area again.
TEST_F(OptionsTest, ANewDpiLaysOutTheTableAndThePagesAgain) {
    const int dpi = form->Dpi() * 3 / 2;
    RECT suggested{};
    GetWindowRect(form->Handle(), &suggested);
    suggested.right = suggested.left + (suggested.right - suggested.left) * 3 / 2;
    suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * 3 / 2;
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));

    const HWND tabs = FindWindowExW(form->Item(F::Pic_Tab), nullptr, WC_TABCONTROLW, nullptr);
    RECT display{}, page{}, box{};
    GetClientRect(tabs, &display);
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (int k = 0; k < F::PageCount; ++k) {
        GetWindowRect(form->Item(F::Fra_Tab(k)), &page);
        MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&page), 2);
        EXPECT_TRUE(EqualRect(&page, &display)) << k;
    }
    const auto pixels = [&](int twips) { return MulDiv(twips, dpi, 1440); };
    GetWindowRect(form->Item(F::Chk_DesktopMonitor), &box);
    MapWindowPoints(nullptr, form->Item(F::Fra_Tab(0)), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, pixels(240));
    EXPECT_EQ(box.top, pixels(3960));
    EXPECT_EQ(box.right - box.left, pixels(6240));
}

// A named setting chosen on the print page is what OK and 適用 store, its
// ratio included, which the choice filled in.
TEST_F(OptionsTest, AChosenNamedSettingSurvivesOkAndApply) {
    PrintSettings half = CurrentPrint;
    half.Title = "半分";
    half.Size = 3;
    half.SizeP = 50;
    SetNamedSettings({half});
    Dialog().Unload();
    Reopen();
    for (const int button : {F::BtnTekiyo, F::BtnOK}) {
        form->SetListIndex(PrintPanel::CmbSetting, 0);
        Press(button);
        EXPECT_EQ(Settings.LastSet, 0) << button;
        EXPECT_EQ(CurrentPrint.Title, "") << button;
        EXPECT_EQ(CurrentPrint.SizeP, 50) << button;
    }
    EXPECT_TRUE(boxes.empty());
}

// Both dialogs open at once: what one stores shows in the other, whose own
// edits stay and whose chosen setting follows its name when the list changes.
TEST_F(OptionsTest, WhatTheOtherDialogStoresShowsHereBeforeThisOneStores) {
    PrintSettings wide = CurrentPrint;
    wide.Title = "幅";
    wide.Size = 3;
    wide.SizeP = 120;
    PrintSettings two = CurrentPrint;
    two.Title = "二";
    SetNamedSettings({two, wide});
    Dialog().Unload();
    Reopen();
    form->SetListIndex(PrintPanel::CmbSetting, 1);
    form->SetCheck(F::ChkDialog, 1);  // edits of this dialog's own

    // Something else stores a reversed print and deletes "二" ahead of "幅".
    CommitSettings([](SettingsModel& s) {
        s.Settings.ReversePrint = 1;
        s.NamedSettings[0] = s.NamedSettings[1];
        s.Settings.PrinterCount = 1;
    });
    EXPECT_EQ(form->ListCount(PrintPanel::CmbSetting), 1);
    EXPECT_EQ(form->ListIndex(PrintPanel::CmbSetting), 0);
    EXPECT_EQ(form->Check(F::ChkReverse), 1);
    EXPECT_EQ(form->Check(F::ChkDialog), 1);

    // The print dialog overwrites "幅" with a new ratio.
    FrmPrint& print = main->PrintDialog();
    print.Load(PatternPicture(8, 8), CurrentPrint, 0);
    SetInputBoxAnswerer([](const InputBoxCall&) { return std::string("幅"); });
    print.Window().SetText(PrintPanel::TxtSizeP, "150");
    answers = {IDYES};
    print.Window().Raise(PrintPanel::BtnSaveSetting, BN_CLICKED);
    print.Unload();
    EXPECT_EQ(form->ListIndex(PrintPanel::CmbSetting), 0);
    EXPECT_EQ(form->Text(PrintPanel::TxtSizeP), "150");
    Press(F::BtnOK);
    EXPECT_EQ(CurrentPrint.SizeP, 150);
    EXPECT_EQ(Settings.LastSet, 0);
    EXPECT_EQ(Settings.ReversePrint, 1);
    EXPECT_EQ(Settings.ConfirmBeforePrint, 1);
    EXPECT_EQ(Settings.PrinterCount, 1);
}
