#include "FrmOption.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "AppIcon.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "ProgramHelp.h"
#include "SettingsEdits.h"
#include "StoredIndex.h"
#include "VbNumber.h"
#include "cCommonDlg.h"
#include "cTabStrip.h"
#include "resource.h"

using namespace BasRuxa;

namespace {

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

// The slot whose row holds the control `id` of the column starting at `first`.
int SlotOf(int id, int first) { return id >= first && id < first + HotKeySlotCount ? id - first : -1; }

}  // namespace

FrmOption::FrmOption(OptionsDialogOwner& owner) : owner_(owner) {}

FrmOption::~FrmOption() {
    // Going with the program: there is no one left to tell.
    if (alive_) *alive_ = false;
    listening_ = {};
    clsTabStrip_.reset();
    panel_.reset();
    form_.Destroy();
}

void FrmOption::EnableApply() { form_.Enable(BtnTekiyo, true); }

void FrmOption::EnableRow(int slot, bool enabled) {
    for (const int id : {Chk_Alt(slot), Chk_Shift(slot), Chk_CTRL(slot), Cmb_Key(slot)}) form_.Enable(id, enabled);
}

// Every pending edit of every page, on top of the stored settings. The named
// settings and their count are the program's, stored the moment they change,
// and a chosen named setting that is no longer in use is none.
void FrmOption::TakeWork(SettingsModel& next) const {
    const std::int16_t count = next.Settings.PrinterCount;
    next.CurrentPrint = WorkPrint;
    next.Settings = WorkSettings;
    next.Settings.PrinterCount = count;
    if (!stored::NamedSettingAt(next, next.Settings.LastSet)) next.Settings.LastSet = -1;
}

void FrmOption::Commit(const SettingsModel& next) {
    committing_ = true;
    BasRuxa::Store().Commit(next);
    committing_ = false;
}

// Another dialog stored settings while this one was open: what it changed
// shows here before this dialog stores anything; this dialog's own edits stay.
void FrmOption::TakeStoredChanges(const SettingsModel& after) {
    settings::TakeStoredChanges(base_, after, WorkSettings, WorkPrint);
    base_ = after;
    // Showing the values raises the controls' handlers, which enable Apply;
    // whether there is anything to apply has not changed.
    const bool applicable = form_.Enabled(BtnTekiyo);
    ShowWork();
    form_.Enable(BtnTekiyo, applicable);
    ShowRefusedKeys();
}

// --- pages -------------------------------------------------------------------

void FrmOption::clsTabStrip_Click() {
    const int selected = clsTabStrip_->SelectedItem();
    for (int k = 0; k < PageCount; ++k) form_.SetVisible(Fra_Tab(k), k + 1 == selected);
    // A control on a page that has just been hidden cannot keep the focus.
    const HWND focus = GetFocus();
    if (focus && IsChild(form_.Handle(), focus) && !IsWindowVisible(focus))
        SendMessageW(form_.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(clsTabStrip_->hwnd()), TRUE);
}

void FrmOption::ShowPage(int k) {
    if (clsTabStrip_->SelectedItem() == k + 1) return;
    clsTabStrip_->SelectedItem(static_cast<std::int16_t>(k + 1));
    clsTabStrip_Click();
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages, as in every tabbed dialog.
bool FrmOption::Form_KeyDown(WPARAM key) {
    if (key != VK_TAB || GetKeyState(VK_CONTROL) >= 0 || !clsTabStrip_) return false;
    const int count = clsTabStrip_->TabsCount();
    if (count == 0) return true;
    const int current = clsTabStrip_->SelectedItem() - 1;
    const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
    ShowPage((std::max(current, 0) + step) % count);
    return true;
}

// Each page fills the tab control's display area, wherever the tab row and
// the margins put it at the window's DPI: again after each change of the DPI,
// which lays the pages out where the table has them. The strip counts twips
// at its picture box's DPI.
void FrmOption::PlacePages() {
    const UINT dpi = GetDpiForWindow(form_.Item(Pic_Tab));
    const float twipsPerPixel = 1440.0f / static_cast<float>(dpi ? dpi : 96);
    const auto pixels = [&](float twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); };
    const int left = pixels(clsTabStrip_->ClientLeft() - clsTabStrip_->Left());
    const int top = pixels(clsTabStrip_->ClientTop() - clsTabStrip_->Top());
    for (int k = 0; k < PageCount; ++k)
        MoveWindow(form_.Item(Fra_Tab(k)), left, top, pixels(clsTabStrip_->ClientWidth()),
                   pixels(clsTabStrip_->ClientHeight()), FALSE);
}

// --- page 0 ------------------------------------------------------------------

void FrmOption::ChkByo_Click() {
    WorkSettings.SelfTimer = static_cast<std::int16_t>(form_.Check(ChkByo));
    form_.Enable(TxtByo, WorkSettings.SelfTimer == 1);
    EnableApply();
}

void FrmOption::TxtByo_GotFocus() {
    form_.SelectAllText(TxtByo);
    EnableApply();
}

// Takes the seconds into WorkSettings, or tells the user and puts them back
// into the field (on its page) with the text as typed.
bool FrmOption::CheckSeconds() {
    // Text that is not digits only (pasted, or full-width) is refused like
    // too many seconds rather than read as the number it starts with.
    const std::string text = form_.Text(TxtByo);
    const double seconds = text.find_first_not_of("0123456789") != std::string::npos
                               ? 1e300
                               : vbnum::LeadingNumber(text).value_or(1e300);
    if (!(seconds <= 20)) {
        const std::shared_ptr<bool> alive = alive_;
        ShowMessageBox(form_.Handle(), "セルフタイマの秒数は20秒以内で設定してください", ProductTitle, MB_OK);
        // The dialog may have been closed from outside while the box was up.
        if (!*alive) return false;
        ShowPage(0);
        form_.Focus(TxtByo);
        return false;
    }
    const std::int32_t whole = vbnum::RoundToInt32(seconds).value_or(0);
    WorkSettings.SelfTime = static_cast<std::int16_t>(std::max(whole, -32768));
    return true;
}

void FrmOption::TxtByo_LostFocus() {
    if (form_.FocusMovedOnFrom(TxtByo)) CheckSeconds();
}

void FrmOption::DoubleClickOption(int id) {
    switch (id) {
    case Opt_HardCopy:
        WorkSettings.DoubleClick = 1;
        form_.Enable(Opt_File, true);
        break;
    case Opt_Copy:
        // A chosen file capture stays chosen; it is only greyed.
        WorkSettings.DoubleClick = 2;
        form_.Enable(Opt_File, false);
        break;
    default:
        WorkSettings.DoubleClickDo = static_cast<std::int16_t>(id - Opt_DeskTop + 1);
        break;
    }
    EnableApply();
}

void FrmOption::SwitchCheck(std::int16_t& field, int id) {
    field = static_cast<std::int16_t>(form_.Check(id));
    EnableApply();
}

// --- page 2 ------------------------------------------------------------------

void FrmOption::Chk_Enable_Click(int Index) {
    WorkSettings.HotKeyOn[Index] = static_cast<std::int16_t>(form_.Check(Chk_Enable(Index)));
    // The row's values stay as they are, only greyed.
    EnableRow(Index, WorkSettings.HotKeyOn[Index] == 1);
    EnableApply();
}

void FrmOption::Cmb_Key_Click(int Index) {
    const int index = form_.ListIndex(Cmb_Key(Index));
    if (index < 0) return;
    WorkSettings.HotKeyButton[Index] = static_cast<std::int16_t>(form_.ItemData(Cmb_Key(Index), index));
    EnableApply();
}

void FrmOption::Cmb_Key_Change(int Index) {
    const int id = Cmb_Key(Index);
    const int index = form_.ListIndex(id);
    // Typed into the open list, a letter chooses the entry it starts, without
    // a selection change being reported: the key the list shows chosen is the
    // one stored.
    if (index >= 0 && (form_.ListDropped(id) || form_.Text(id) == form_.ListText(id, index))) return Cmb_Key_Click(Index);
    const std::shared_ptr<bool> alive = alive_;
    ShowMessageBox(form_.Handle(), "キーの種類は、一覧の中から選択してください．", ProductTitle, MB_OK | MB_ICONERROR);
    if (*alive) form_.SetListIndex(id, 0);
}

// The list closes on the entry typed into it: the field shows that entry.
void FrmOption::Cmb_Key_CloseUp(int Index) {
    const int id = Cmb_Key(Index);
    const int index = form_.ListIndex(id);
    if (index >= 0 && form_.Text(id) != form_.ListText(id, index)) form_.SetText(id, form_.ListText(id, index));
}

// A mark beside each enabled slot that the system refused, with the reason
// as its tip, so a key that does nothing does not go unexplained.
void FrmOption::ShowRefusedKeys() {
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        const bool refused = Settings.HotKeyOn[slot] == 1 && owner_.HotKeyRefused(slot);
        form_.SetVisible(Img_KeyTaken(slot), refused);
        form_.SetTip(Img_KeyTaken(slot), refused ? KeyTakenTip : "");
    }
}

// --- page 3 ------------------------------------------------------------------

void FrmOption::Btn_IconSansho_Click() {
    cCommonDlg dialog;
    dialog.Form(form_.Handle());
    dialog.FileName("");
    dialog.DialogTitle("アイコンファイルの指定");
    dialog.Filter("アイコンファイル(*.ICO)|*.ico|");
    dialog.FilterIndex(0);
    dialog.Flags(0x280804);  // OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES
    dialog.InitDir(LastPicturePath);
    dialog.CancelError(true);
    const std::shared_ptr<bool> alive = alive_;
    dialog.ShowOpen();
    if (!*alive) return;
    // A dialog that failed (a name longer than it can take) is no cancel.
    if (dialog.ErrNumber() != 0) {
        ShowMessageBox(form_.Handle(),
                       "アイコンファイルを指定できませんでした。\n" + dialog.ErrDescription() + "（エラー番号 " +
                           std::to_string(dialog.ErrNumber()) + "）",
                       ProductTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (dialog.CancelButton()) return;
    form_.SetText(Txt_IconPath, dialog.FileName());
    EnableApply();
}

// --- storing -----------------------------------------------------------------

bool FrmOption::Store() {
    // Enter presses OK without the seconds field losing the focus: what was
    // typed there is checked here rather than lost.
    if (form_.Text(TxtByo) != std::to_string(WorkSettings.SelfTime) && !CheckSeconds()) return false;
    const std::string title = form_.Text(Txt_AppName);
    if (title.empty()) {
        ShowMessageBox(form_.Handle(), "アプリケーションタイトルに、空白は設定できません。", ProductTitle,
                       MB_OK | MB_ICONERROR);
        return false;
    }
    if (title == "0") {
        ShowMessageBox(form_.Handle(), "アプリケーションタイトルに、この文字列は設定できません。", ProductTitle,
                       MB_OK | MB_ICONERROR);
        return false;
    }
    // Likewise a ratio typed into the print page.
    if (form_.Text(PrintPanel::TxtSizeP) != std::to_string(WorkPrint.SizeP) && !panel_->LeaveRatio()) return false;
    // The hot keys follow what is stored (the shell listens to the store).
    SettingsModel next = BasRuxa::Store().Model();
    TakeWork(next);
    Commit(next);
    return true;
}

void FrmOption::BtnTekiyo_Click() {
    if (!Store()) return;
    if (GetFocus() == form_.Item(BtnTekiyo)) form_.Focus(BtnOK);
    form_.Enable(BtnTekiyo, false);
    ShowRefusedKeys();
}

void FrmOption::BtnOK_Click() {
    if (Store()) Unload();
}

void FrmOption::BtnHelp_Click() { ShowProgramHelp(form_.Handle(), OptionsHelpPage(clsTabStrip_->SelectedItem() - 1)); }

// --- messages ----------------------------------------------------------------

bool FrmOption::Form_Command(int id, int code) {
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
        case Chk_DesktopMonitor: return SwitchCheck(WorkSettings.DesktopMonitor, id), true;
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
    if (id == TxtByo && code == EN_KILLFOCUS) return PostMessageW(form_.Handle(), WM_CHECK_SECONDS, 0, 0), true;
    if (id == Txt_AppName && code == EN_CHANGE) {
        WorkSettings.Title = form_.Text(Txt_AppName);
        return EnableApply(), true;
    }
    if (id == Txt_IconPath && code == EN_CHANGE) {
        WorkSettings.Icon = form_.Text(Txt_IconPath);
        return EnableApply(), true;
    }
    if (const int slot = SlotOf(id, Cmb_Key0); slot >= 0) {
        if (code == CBN_SELCHANGE) return Cmb_Key_Click(slot), true;
        if (code == CBN_EDITCHANGE) return Cmb_Key_Change(slot), true;
        if (code == CBN_CLOSEUP) return Cmb_Key_CloseUp(slot), true;
    }
    return false;
}

INT_PTR FrmOption::Form_Message(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    if (panel_ && panel_->Handle(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_COMMAND: return Form_Command(LOWORD(wParam), HIWORD(wParam));
    case WM_FORM_KEYPRESS: {
        if (static_cast<int>(wParam) != TxtByo) return FALSE;
        // Digits and backspace only; anything else is dropped with a beep.
        const bool kept = (lParam >= L'0' && lParam <= L'9') || lParam == 8;
        if (!kept) MessageBeep(MB_OK);
        return !kept;
    }
    case WM_FORM_KEYDOWN: return Form_KeyDown(wParam);
    case WM_CHECK_SECONDS: return TxtByo_LostFocus(), TRUE;
    case WM_DPICHANGED:
        if (clsTabStrip_) PlacePages();
        return TRUE;
    default: return FALSE;
    }
}

// Every control shows the working copies. Each value set raises its handler,
// which writes the same value back and enables Apply.
void FrmOption::ShowWork() {
    const SettingsRecord work = WorkSettings;
    form_.SetCheck(ChkByo, work.SelfTimer);
    form_.SetText(TxtByo, std::to_string(work.SelfTime));
    form_.SetCheck(ChkKakure, work.IconDelete);
    form_.SetCheck(ChkDialog, work.ConfirmBeforePrint);
    form_.SetCheck(ChkReverse, work.ReversePrint);
    form_.SetCheck(Chk_Icon, work.IconCapture);
    form_.SetCheck(Chk_DesktopMonitor, work.DesktopMonitor);
    form_.SelectOption(work.DoubleClick == 1 ? Opt_HardCopy : Opt_Copy);
    switch (work.DoubleClickDo) {
    case 2: form_.SelectOption(Opt_ActiveWindow); break;
    case 3: form_.SelectOption(Opt_RS); break;
    case 4: form_.SelectOption(Opt_File); break;
    default: form_.SelectOption(Opt_DeskTop); break;
    }
    form_.SetText(Txt_AppName, work.Title);
    form_.SetText(Txt_IconPath, work.Icon);
    // A stored key that no entry carries leaves its list without a choice.
    const auto& keys = KeyEntries();
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        form_.SetCheck(Chk_Enable(slot), work.HotKeyOn[slot]);
        form_.SetCheck(Chk_Alt(slot), work.HotKeyALT[slot]);
        form_.SetCheck(Chk_Shift(slot), work.HotKeySHIFT[slot]);
        form_.SetCheck(Chk_CTRL(slot), work.HotKeyCTRL[slot]);
        const auto key = std::find_if(keys.begin(), keys.end(),
                                      [&](const KeyEntry& k) { return k.virtualKey == work.HotKeyButton[slot]; });
        form_.SetListIndex(Cmb_Key(slot), key != keys.end() ? static_cast<int>(key - keys.begin()) : -1);
        EnableRow(slot, form_.Check(Chk_Enable(slot)) == 1);
    }
    // A key no entry carries is kept as stored until the user picks one.
    WorkSettings.HotKeyButton = work.HotKeyButton;
    panel_->Filling = -1;
    panel_->Fill();
    panel_->Filling = 0;
}

void FrmOption::Form_Load() {
    if (!form_.Create(Design(), [this](UINT m, WPARAM w, LPARAM l) { return Form_Message(m, w, l); })) return;
    alive_ = std::make_shared<bool>(true);
    // 1. A custom icon file chosen at start-up shows here too.
    if (Settings.UsesDefaultIcon != -1) form_.SetIcon(AppIcon::Main());
    picture1Icon_.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_RUXA), IMAGE_ICON, 32, 32, 0)));
    form_.SetImage(Picture1, picture1Icon_.get());
    // 2.
    WorkSettings = Settings;
    WorkPrint = CurrentPrint;
    base_ = BasRuxa::Store().Model();
    listening_ = BasRuxa::Store().Listen([this](const SettingsModel&, const SettingsModel& after) {
        if (committing_) base_ = after;
        else TakeStoredChanges(after);
    });
    for (int slot = 0; slot < HotKeySlotCount; ++slot)
        for (const KeyEntry& key : KeyEntries()) form_.AddItem(Cmb_Key(slot), key.text, key.virtualKey);
    // The system's own warning sign (shared: nobody destroys it).
    for (int slot = 0; slot < HotKeySlotCount; ++slot) form_.SetImage(Img_KeyTaken(slot), LoadIconW(nullptr, IDI_WARNING));
    panel_.emplace(form_, WorkSettings, WorkPrint,
                   PrintSettingsPanel::Hooks{[this] { EnableApply(); },
                                             // A named setting saved or deleted stores every
                                             // pending edit, without a check of them.
                                             [this](const PrintSettingsPanel::NamedChange& change) {
                                                 SettingsModel next = BasRuxa::Store().Model();
                                                 TakeWork(next);
                                                 change(next);
                                                 Commit(next);
                                             },
                                             true, [this] { ShowPage(1); }});
    // 3 to 6.
    ShowWork();
    ShowRefusedKeys();
    // 7.
    form_.Enable(BtnTekiyo, false);
    // 8.
    clsTabStrip_ = std::make_unique<cTabStrip>();
    clsTabStrip_->Style(0);
    clsTabStrip_->HotTracking(true);
    clsTabStrip_->PictureBox(form_.Item(Pic_Tab));
    clsTabStrip_->Click = [this] { clsTabStrip_Click(); };
    const char* captions[PageCount] = {"基本設定", "印刷設定", "ホットキー設定", "その他"};
    for (int k = 0; k < PageCount; ++k) clsTabStrip_->TabsAdd(k, captions[k]);
    clsTabStrip_->SelectedItem(1);
    PlacePages();
    clsTabStrip_Click();
}

void FrmOption::Load() {
    if (!form_.Exists()) Form_Load();
}

void FrmOption::Show() {
    const bool opening = !form_.Exists();
    Load();
    // A dialog that cannot be made leaves nothing open to gate the tray for.
    if (!form_.Exists()) return owner_.OptionsClosed();
    form_.Show();
    if (opening) SendMessageW(form_.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(clsTabStrip_->hwnd()), TRUE);
}

void FrmOption::Unload() {
    if (!form_.Exists()) return;
    *alive_ = false;
    listening_ = {};
    // The tab strip gives the picture box its own window procedure back
    // before the window goes.
    clsTabStrip_.reset();
    form_.Destroy();
    panel_.reset();
    picture1Icon_.reset();
    owner_.OptionsClosed();
}
