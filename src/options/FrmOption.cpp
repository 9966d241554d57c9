#include "FrmOption.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Form.h"
#include "FrmOptionControls.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "MainWindow.h"
#include "ProgramHelp.h"
#include "PrintSettingsPanel.h"
#include "ShellState.h"
#include "StoredIndex.h"
#include "VbNumber.h"
#include "cCommonDlg.h"
#include "cTabStrip.h"
#include "resource.h"

namespace FrmOption {
namespace {

using namespace BasRuxa;

constexpr const char* ProductTitle = "ヴェルモ";
constexpr const char* KeyTakenTip =
    "このキーの組み合わせは、ほかのプログラムか上にあるホットキーが使用しているため、登録できませんでした。";
// The seconds field is checked once the click or key that took the focus
// away has been handled, so the message never stands inside a focus change.
constexpr UINT WM_CHECK_SECONDS = WM_APP + 1;

struct KeyEntry {
    std::string text;
    int virtualKey;
};

// The keys a hot key can use, in list order, each with its virtual-key code.
const std::vector<KeyEntry>& KeyEntries() {
    static const std::vector<KeyEntry> entries = [] {
        std::vector<KeyEntry> list;
        for (char c = 'A'; c <= 'Z'; ++c) list.push_back({std::string(1, c), c});
        for (char c = '0'; c <= '9'; ++c) list.push_back({std::string(1, c), c});
        for (int n = 1; n <= 12; ++n) list.push_back({std::string("F").append(std::to_string(n)), VK_F1 + n - 1});
        list.push_back({"Spaceキー", VK_SPACE});
        list.push_back({"Enterキー", VK_RETURN});
        return list;
    }();
    return entries;
}

Form form;
std::unique_ptr<cTabStrip> clsTabStrip;
SettingsRecord WorkSettings;
PrintSettings WorkPrint;
std::optional<PrintSettingsPanel> panel;
unique_hicon picture1Icon;

void EnableApply() { form.Enable(BtnTekiyo, true); }

// Every pending edit of every page goes into the settings, but the named
// settings' count, which the print page keeps up to date the moment a named
// setting is saved or deleted (another dialog may have changed it since this
// one opened). A chosen named setting that is no longer in use is none.
void TakeWork() {
    const std::int16_t count = Settings.PrinterCount;
    CurrentPrint = WorkPrint;
    Settings = WorkSettings;
    Settings.PrinterCount = count;
    if (!stored::NamedSettingAt(Model, Settings.LastSet)) Settings.LastSet = -1;
}

// A named setting saved or deleted on the print page stores every pending
// edit, without registering the hot keys again.
void StoreNamedSettings() {
    TakeWork();
    SaveSettings();
}

// The slot whose row holds the control `id` of the column starting at `first`.
int SlotOf(int id, int first) { return id >= first && id < first + HotKeySlotCount ? id - first : -1; }

void EnableRow(int slot, bool enabled) {
    for (const int id : {Chk_Alt(slot), Chk_Shift(slot), Chk_CTRL(slot), Cmb_Key(slot)}) form.Enable(id, enabled);
}

// --- pages -------------------------------------------------------------------

void clsTabStrip_Click() {
    const int selected = clsTabStrip->SelectedItem();
    for (int k = 0; k < PageCount; ++k) form.SetVisible(Fra_Tab(k), k + 1 == selected);
    // A control on a page that has just been hidden cannot keep the focus.
    const HWND focus = GetFocus();
    if (focus && IsChild(form.Handle(), focus) && !IsWindowVisible(focus))
        SendMessageW(form.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(clsTabStrip->hwnd()), TRUE);
}

void ShowPage(int k) {
    if (clsTabStrip->SelectedItem() == k + 1) return;
    clsTabStrip->SelectedItem(static_cast<std::int16_t>(k + 1));
    clsTabStrip_Click();
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages, as in every tabbed dialog.
bool Form_KeyDown(WPARAM key) {
    if (key != VK_TAB || GetKeyState(VK_CONTROL) >= 0 || !clsTabStrip) return false;
    const int count = clsTabStrip->TabsCount();
    if (count == 0) return true;
    const int current = clsTabStrip->SelectedItem() - 1;
    const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
    ShowPage((std::max(current, 0) + step) % count);
    return true;
}

// Each page fills the tab control's display area, wherever the tab row and
// the margins put it at the window's DPI.
void PlacePages() {
    const float twipsPerPixel = 1440.0f / static_cast<float>(form.Dpi());
    const auto pixels = [&](float twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); };
    const int left = pixels(clsTabStrip->ClientLeft() - clsTabStrip->Left());
    const int top = pixels(clsTabStrip->ClientTop() - clsTabStrip->Top());
    for (int k = 0; k < PageCount; ++k)
        MoveWindow(form.Item(Fra_Tab(k)), left, top, pixels(clsTabStrip->ClientWidth()),
                   pixels(clsTabStrip->ClientHeight()), FALSE);
}

// --- page 0 ------------------------------------------------------------------

void ChkByo_Click() {
    WorkSettings.SelfTimer = static_cast<std::int16_t>(form.Check(ChkByo));
    form.Enable(TxtByo, WorkSettings.SelfTimer == 1);
    EnableApply();
}

bool TxtByo_KeyPress(wchar_t KeyAscii) {
    if ((KeyAscii >= L'0' && KeyAscii <= L'9') || KeyAscii == 8) return false;
    MessageBeep(MB_OK);
    return true;
}

void TxtByo_GotFocus() {
    form.SelectAllText(TxtByo);
    EnableApply();
}

// Takes the seconds into WorkSettings, or tells the user and puts them back
// into the field (on its page) with the text as typed.
bool CheckSeconds() {
    // Text that is not digits only (pasted, or full-width) is refused like
    // too many seconds rather than read as the number it starts with.
    const std::string text = form.Text(TxtByo);
    const double seconds = text.find_first_not_of("0123456789") != std::string::npos
                               ? 1e300
                               : vbnum::LeadingNumber(text).value_or(1e300);
    if (!(seconds <= 20)) {
        ShowMessageBox(form.Handle(), "セルフタイマの秒数は20秒以内で設定してください", ProductTitle, MB_OK);
        ShowPage(0);
        form.Focus(TxtByo);
        return false;
    }
    const std::int32_t whole = vbnum::RoundToInt32(seconds).value_or(0);
    WorkSettings.SelfTime = static_cast<std::int16_t>(std::max(whole, -32768));
    return true;
}

void TxtByo_LostFocus() {
    // Leaving counts only towards another control of this dialog: a message
    // box or another program taking the focus leaves the field as it is.
    const HWND focus = GetFocus();
    if (!focus || focus == form.Item(TxtByo) || !IsChild(form.Handle(), focus)) return;
    CheckSeconds();
}

void DoubleClickOption(int id) {
    switch (id) {
    case Opt_HardCopy:
        WorkSettings.DoubleClick = 1;
        form.Enable(Opt_File, true);
        break;
    case Opt_Copy:
        // A chosen file capture stays chosen; it is only greyed.
        WorkSettings.DoubleClick = 2;
        form.Enable(Opt_File, false);
        break;
    default:
        WorkSettings.DoubleClickDo = static_cast<std::int16_t>(id - Opt_DeskTop + 1);
        break;
    }
    EnableApply();
}

void SwitchCheck(std::int16_t& field, int id) {
    field = static_cast<std::int16_t>(form.Check(id));
    EnableApply();
}

// --- page 2 ------------------------------------------------------------------

void Chk_Enable_Click(int Index) {
    WorkSettings.HotKeyOn[Index] = static_cast<std::int16_t>(form.Check(Chk_Enable(Index)));
    // The row's values stay as they are, only greyed.
    EnableRow(Index, WorkSettings.HotKeyOn[Index] == 1);
    EnableApply();
}

void Cmb_Key_Click(int Index) {
    const int index = form.ListIndex(Cmb_Key(Index));
    if (index < 0) return;
    WorkSettings.HotKeyButton[Index] = static_cast<std::int16_t>(form.ItemData(Cmb_Key(Index), index));
    EnableApply();
}

void Cmb_Key_Change(int Index) {
    const int id = Cmb_Key(Index);
    const int index = form.ListIndex(id);
    if (index >= 0 && form.Text(id) == form.ListText(id, index)) return;
    ShowMessageBox(form.Handle(), "キーの種類は、一覧の中から選択してください．", ProductTitle, MB_OK | MB_ICONERROR);
    form.SetListIndex(id, 0);
}

// A mark beside each enabled slot that the system refused, with the reason
// as its tip, so a key that does nothing does not go unexplained.
void ShowRefusedKeys() {
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        const bool refused = Settings.HotKeyOn[slot] == 1 && HotKeys.Refused && HotKeys.Refused(slot);
        form.SetVisible(Img_KeyTaken(slot), refused);
        form.SetTip(Img_KeyTaken(slot), refused ? KeyTakenTip : "");
    }
}

// --- page 3 ------------------------------------------------------------------

void Btn_IconSansho_Click() {
    cCommonDlg dialog;
    dialog.Form(form.Handle());
    dialog.FileName("");
    dialog.DialogTitle("アイコンファイルの指定");
    dialog.Filter("アイコンファイル(*.ICO)|*.ico|");
    dialog.FilterIndex(0);
    dialog.Flags(0x280804);  // OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES
    dialog.InitDir(LastPicturePath);
    dialog.CancelError(true);
    dialog.ShowOpen();
    if (dialog.CancelButton()) return;
    form.SetText(Txt_IconPath, dialog.FileName());
    EnableApply();
}

// --- storing -----------------------------------------------------------------

bool Store() {
    // Enter presses OK without the seconds field losing the focus: what was
    // typed there is checked here rather than lost.
    if (form.Text(TxtByo) != std::to_string(WorkSettings.SelfTime) && !CheckSeconds()) return false;
    const std::string title = form.Text(Txt_AppName);
    if (title.empty()) {
        ShowMessageBox(form.Handle(), "アプリケーションタイトルに、空白は設定できません。", ProductTitle,
                       MB_OK | MB_ICONERROR);
        return false;
    }
    if (title == "0") {
        ShowMessageBox(form.Handle(), "アプリケーションタイトルに、この文字列は設定できません。", ProductTitle,
                       MB_OK | MB_ICONERROR);
        return false;
    }
    // Likewise a ratio typed into the print page.
    if (form.Text(PrintPanel::TxtSizeP) != std::to_string(WorkPrint.SizeP) && !panel->LeaveRatio()) return false;
    // The registrations made, not what the settings say now, are what has to
    // go: a named-setting save may have copied pending switches already.
    if (HotKeys.ReleaseAll) HotKeys.ReleaseAll();
    TakeWork();
    SaveSettings();
    if (HotKeys.RegisterEnabled) HotKeys.RegisterEnabled();
    return true;
}

void BtnTekiyo_Click() {
    if (!Store()) return;
    if (GetFocus() == form.Item(BtnTekiyo)) form.Focus(BtnOK);
    form.Enable(BtnTekiyo, false);
    ShowRefusedKeys();
}

void BtnOK_Click() {
    if (Store()) Unload();
}

void BtnHelp_Click() { ShowProgramHelp(form.Handle(), OptionsHelpPage(clsTabStrip->SelectedItem() - 1)); }

// --- messages ----------------------------------------------------------------

bool Form_Command(int id, int code) {
    if (code == BN_CLICKED) {
        switch (id) {
        case BtnOK: return BtnOK_Click(), true;
        case BtnCancel: return Unload(), true;
        case BtnTekiyo: return BtnTekiyo_Click(), true;
        case BtnHelp: return BtnHelp_Click(), true;
        case Btn_IconSansho: return Btn_IconSansho_Click(), true;
        case Opt_HardCopy:
        case Opt_Copy:
        case Opt_DeskTop:
        case Opt_ActiveWindow:
        case Opt_RS:
        case Opt_File: return DoubleClickOption(id), true;
        case ChkByo: return ChkByo_Click(), true;
        case Chk_Icon: return SwitchCheck(WorkSettings.IconCapture, id), true;
        case ChkKakure: return SwitchCheck(WorkSettings.IconDelete, id), true;
        case ChkDialog: return SwitchCheck(WorkSettings.ConfirmBeforePrint, id), true;
        case ChkReverse: return SwitchCheck(WorkSettings.ReversePrint, id), true;
        default: break;
        }
        if (const int slot = SlotOf(id, Chk_Enable0); slot >= 0) return Chk_Enable_Click(slot), true;
        if (const int slot = SlotOf(id, Chk_Alt0); slot >= 0) return SwitchCheck(WorkSettings.HotKeyALT[slot], id), true;
        if (const int slot = SlotOf(id, Chk_Shift0); slot >= 0)
            return SwitchCheck(WorkSettings.HotKeySHIFT[slot], id), true;
        if (const int slot = SlotOf(id, Chk_CTRL0); slot >= 0) return SwitchCheck(WorkSettings.HotKeyCTRL[slot], id), true;
        return false;
    }
    if (id == TxtByo && code == EN_SETFOCUS) return TxtByo_GotFocus(), true;
    if (id == TxtByo && code == EN_KILLFOCUS) return PostMessageW(form.Handle(), WM_CHECK_SECONDS, 0, 0), true;
    if (id == Txt_AppName && code == EN_CHANGE) {
        WorkSettings.Title = form.Text(Txt_AppName);
        return EnableApply(), true;
    }
    if (id == Txt_IconPath && code == EN_CHANGE) {
        WorkSettings.Icon = form.Text(Txt_IconPath);
        return EnableApply(), true;
    }
    if (const int slot = SlotOf(id, Cmb_Key0); slot >= 0) {
        if (code == CBN_SELCHANGE) return Cmb_Key_Click(slot), true;
        if (code == CBN_EDITCHANGE) return Cmb_Key_Change(slot), true;
    }
    return false;
}

INT_PTR Form_Message(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    if (panel && panel->Handle(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_COMMAND: return Form_Command(LOWORD(wParam), HIWORD(wParam));
    case WM_FORM_KEYPRESS:
        return static_cast<int>(wParam) == TxtByo && TxtByo_KeyPress(static_cast<wchar_t>(lParam));
    case WM_FORM_KEYDOWN: return Form_KeyDown(wParam);
    case WM_CHECK_SECONDS: return TxtByo_LostFocus(), TRUE;
    default: return FALSE;
    }
}

void Form_Load() {
    if (!form.Create(Design(), Form_Message)) return;
    // 1. A custom icon file chosen at start-up shows here too.
    if (Settings.UsesDefaultIcon != -1) form.SetIcon(MainWindow::Icon());
    picture1Icon.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_RUXA), IMAGE_ICON,
                                                     32, 32, 0)));
    form.SetImage(Picture1, picture1Icon.get());
    // 2.
    WorkSettings = Settings;
    WorkPrint = CurrentPrint;
    // 3. Every control set here raises its handler, which writes the same
    // value back and enables Apply (step 7 disables it again).
    form.SetCheck(ChkByo, Settings.SelfTimer);
    form.SetText(TxtByo, std::to_string(Settings.SelfTime));
    form.SetCheck(ChkKakure, Settings.IconDelete);
    form.SetCheck(ChkDialog, Settings.ConfirmBeforePrint);
    form.SetCheck(ChkReverse, Settings.ReversePrint);
    form.SetCheck(Chk_Icon, Settings.IconCapture);
    form.SelectOption(Settings.DoubleClick == 1 ? Opt_HardCopy : Opt_Copy);
    switch (Settings.DoubleClickDo) {
    case 2: form.SelectOption(Opt_ActiveWindow); break;
    case 3: form.SelectOption(Opt_RS); break;
    case 4: form.SelectOption(Opt_File); break;
    default: form.SelectOption(Opt_DeskTop); break;
    }
    // 4.
    form.SetText(Txt_AppName, Settings.Title);
    form.SetText(Txt_IconPath, Settings.Icon);
    // 5. A stored key that no entry carries leaves its list without a choice.
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        for (const KeyEntry& key : KeyEntries()) form.AddItem(Cmb_Key(slot), key.text, key.virtualKey);
        form.SetCheck(Chk_Enable(slot), Settings.HotKeyOn[slot]);
        form.SetCheck(Chk_Alt(slot), Settings.HotKeyALT[slot]);
        form.SetCheck(Chk_Shift(slot), Settings.HotKeySHIFT[slot]);
        form.SetCheck(Chk_CTRL(slot), Settings.HotKeyCTRL[slot]);
        const auto& keys = KeyEntries();
        const auto key = std::find_if(keys.begin(), keys.end(),
                                      [&](const KeyEntry& k) { return k.virtualKey == Settings.HotKeyButton[slot]; });
        if (key != keys.end()) form.SetListIndex(Cmb_Key(slot), static_cast<int>(key - keys.begin()));
        EnableRow(slot, form.Check(Chk_Enable(slot)) == 1);
    }
    // The system's own warning sign (shared: nobody destroys it).
    for (int slot = 0; slot < HotKeySlotCount; ++slot) form.SetImage(Img_KeyTaken(slot), LoadIconW(nullptr, IDI_WARNING));
    ShowRefusedKeys();
    // 6.
    panel.emplace(form, WorkSettings, WorkPrint,
                  PrintSettingsPanel::Hooks{EnableApply, StoreNamedSettings, true, [] { ShowPage(1); }});
    panel->Filling = -1;
    panel->Fill();
    // 7.
    form.Enable(BtnTekiyo, false);
    panel->Filling = 0;
    // 8.
    clsTabStrip = std::make_unique<cTabStrip>();
    clsTabStrip->Style(0);
    clsTabStrip->HotTracking(true);
    clsTabStrip->PictureBox(form.Item(Pic_Tab));
    clsTabStrip->Click = clsTabStrip_Click;
    const char* captions[PageCount] = {"基本設定", "印刷設定", "ホットキー設定", "その他"};
    for (int k = 0; k < PageCount; ++k) clsTabStrip->TabsAdd(k, captions[k]);
    clsTabStrip->SelectedItem(1);
    PlacePages();
    clsTabStrip_Click();
}

}  // namespace

void Load() {
    if (!form.Exists()) Form_Load();
}

void Show() {
    const bool opening = !form.Exists();
    Load();
    // A dialog that cannot be made leaves nothing open to gate the tray for.
    if (!form.Exists()) return ReturnToIdle(StateOption);
    form.Show();
    if (opening) SendMessageW(form.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(clsTabStrip->hwnd()), TRUE);
}

void Unload() {
    if (!form.Exists()) return;
    // The tab strip gives the picture box its own window procedure back
    // before the window goes.
    clsTabStrip.reset();
    form.Destroy();
    panel.reset();
    picture1Icon.reset();
    ReturnToIdle(StateOption);
}

Form* Window() { return form.Exists() ? &form : nullptr; }

}  // namespace FrmOption
