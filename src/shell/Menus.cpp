// The two popup menus of the main window, built once with it, and the tray
// callback that opens them.
#include "FrmRuxa.h"
#include "MessageLoop.h"

using namespace BasRuxa;

namespace {

struct MenuItem {
    const wchar_t* caption;
    void (FrmRuxa::*click)();
};

enum Item { DtCopy, AwCopy, RsCopy, FileCopy, DtCapture, AwCapture, RsCapture, FileCapture, Option, Help, About, End, Can };

// In the order of Item. An item's id is 1 + its Item; separators and
// submenus have none.
constexpr MenuItem Items[] = {
    {L"ﾃﾞｽｸﾄｯﾌﾟ全体(&D)", &FrmRuxa::Pop_DtCopy_Click},
    {L"ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ(&A)", &FrmRuxa::Pop_AwCopy_Click},
    {L"領域指定(&C)", &FrmRuxa::Pop_RsCopy_Click},
    {L"ﾌｧｲﾙ指定(&F)", &FrmRuxa::Pop_FileCopy_Click},
    {L"ﾃﾞｽｸﾄｯﾌﾟ全体(&D)", &FrmRuxa::Pop_DtCapture_Click},
    {L"ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ(&A)", &FrmRuxa::Pop_AwCapture_Click},
    {L"領域指定(&C)", &FrmRuxa::Pop_RsCapture_Click},
    {L"ﾌｧｲﾙ指定(&F)", &FrmRuxa::Pop_FileCapture_Click},
    {L"ｵﾌﾟｼｮﾝ(&O)", &FrmRuxa::Pop_Option_Click},
    {L"ﾍﾙﾌﾟ(&H)", &FrmRuxa::Pop_Help_Click},
    {L"ﾊﾞｰｼﾞｮﾝ情報(&A)", &FrmRuxa::Pop_About_Click},
    {L"終了(&X)", &FrmRuxa::Pop_End_Click},
    {L"ｷｬﾝｾﾙ(&C)", &FrmRuxa::Pop_Can_Click},
};

void AppendItem(HMENU menu, Item item) {
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item + 1), Items[item].caption);
}

// Desktop, active window, region and file, from the first of them.
HMENU Submenu(Item desktop) {
    const HMENU menu = CreatePopupMenu();
    for (int i = desktop; i < desktop + 4; ++i) AppendItem(menu, static_cast<Item>(i));
    return menu;
}

}  // namespace

void FrmRuxa::BuildMenus() {
    menu1_.reset(CreatePopupMenu());
    AppendMenuW(menu1_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(Submenu(DtCopy)), L"ﾊｰﾄﾞｺﾋﾟｰ(&H)");
    AppendMenuW(menu1_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(Submenu(DtCapture)), L"ｺﾋﾟｰ(&C)");
    AppendMenuW(menu1_.get(), MF_SEPARATOR, 0, nullptr);
    AppendItem(menu1_.get(), Option);
    AppendMenuW(menu1_.get(), MF_SEPARATOR, 0, nullptr);
    AppendItem(menu1_.get(), Help);
    AppendItem(menu1_.get(), About);
    AppendMenuW(menu1_.get(), MF_SEPARATOR, 0, nullptr);
    AppendItem(menu1_.get(), End);
    menu2_.reset(CreatePopupMenu());
    AppendItem(menu2_.get(), Can);
}

void FrmRuxa::RunMenuItem(UINT id) {
    if (id >= 1 && id <= std::size(Items)) (this->*Items[id - 1].click)();
}

// The menu at the pointer, its right edge there. The owner comes to the
// foreground first so that a click anywhere else closes the menu; the posted
// message afterwards lets it close at once on every system.
void FrmRuxa::ShowPopup(HWND owner, HMENU menu) {
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(owner);
    const UINT id = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    RunMenuItem(id);
}

void FrmRuxa::TrayMessage(int message) {
    switch (shell::DecodeTrayMessage(message, AppState)) {
    case shell::TrayAction::ShowMenu:
        DoEvents();
        if (!window_) return;
        if (!timer1_.Enabled() && !timer3_.Enabled()) {
            DoEvents();
            ShowPopup(window_, Pop_Menu1());
        } else {
            SetForegroundWindow(window_);
            DoEvents();
            ShowPopup(window_, Pop_Menu2());
        }
        break;
    case shell::TrayAction::DoubleClick:
        RunCommand(shell::DoubleClickCommand(Settings.DoubleClick, Settings.DoubleClickDo));
        break;
    case shell::TrayAction::None:
        break;
    }
}

void FrmRuxa::ShowCancelMenu(HWND owner) { ShowPopup(owner, Pop_Menu2()); }
