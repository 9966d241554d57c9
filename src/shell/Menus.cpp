#include "Menus.h"

#include "FrmRuxa.h"
#include "Globals.h"
#include "MessageLoop.h"
#include "UniqueHandle.h"

namespace FrmRuxa {
namespace {

struct MenuItem {
    const wchar_t* caption;
    void (*click)();
};

enum Item { DtCopy, AwCopy, RsCopy, FileCopy, DtCapture, AwCapture, RsCapture, FileCapture, Option, Help, About, End, Can };

// In the order of Item. An item's id is 1 + its Item; separators and
// submenus have none.
constexpr MenuItem Items[] = {
    {L"ﾃﾞｽｸﾄｯﾌﾟ全体(&D)", Pop_DtCopy_Click},
    {L"ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ(&A)", Pop_AwCopy_Click},
    {L"領域指定(&C)", Pop_RsCopy_Click},
    {L"ﾌｧｲﾙ指定(&F)", Pop_FileCopy_Click},
    {L"ﾃﾞｽｸﾄｯﾌﾟ全体(&D)", Pop_DtCapture_Click},
    {L"ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ(&A)", Pop_AwCapture_Click},
    {L"領域指定(&C)", Pop_RsCapture_Click},
    {L"ﾌｧｲﾙ指定(&F)", Pop_FileCapture_Click},
    {L"ｵﾌﾟｼｮﾝ(&O)", Pop_Option_Click},
    {L"ﾍﾙﾌﾟ(&H)", Pop_Help_Click},
    {L"ﾊﾞｰｼﾞｮﾝ情報(&A)", Pop_About_Click},
    {L"終了(&X)", Pop_End_Click},
    {L"ｷｬﾝｾﾙ(&C)", Pop_Can_Click},
};

unique_hmenu menu1;
unique_hmenu menu2;

void AppendItem(HMENU menu, Item item) {
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item + 1), Items[item].caption);
}

// Desktop, active window, region and file, from the first of them.
HMENU Submenu(Item desktop) {
    const HMENU menu = CreatePopupMenu();
    for (int i = desktop; i < desktop + 4; ++i) AppendItem(menu, static_cast<Item>(i));
    return menu;
}

void RunMenuItem(UINT id) {
    if (id >= 1 && id <= std::size(Items)) Items[id - 1].click();
}

// The menu at the pointer, its right edge there. The owner comes to the
// foreground first so that a click anywhere else closes the menu; the posted
// message afterwards lets it close at once on every system.
void ShowPopup(HWND owner, HMENU menu) {
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(owner);
    const UINT id = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    RunMenuItem(id);
}

}  // namespace

void BuildMenus() {
    if (menu1) return;
    menu1.reset(CreatePopupMenu());
    AppendMenuW(menu1.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(Submenu(DtCopy)), L"ﾊｰﾄﾞｺﾋﾟｰ(&H)");
    AppendMenuW(menu1.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(Submenu(DtCapture)), L"ｺﾋﾟｰ(&C)");
    AppendMenuW(menu1.get(), MF_SEPARATOR, 0, nullptr);
    AppendItem(menu1.get(), Option);
    AppendMenuW(menu1.get(), MF_SEPARATOR, 0, nullptr);
    AppendItem(menu1.get(), Help);
    AppendItem(menu1.get(), About);
    AppendMenuW(menu1.get(), MF_SEPARATOR, 0, nullptr);
    AppendItem(menu1.get(), End);
    menu2.reset(CreatePopupMenu());
    AppendItem(menu2.get(), Can);
}

HMENU Pop_Menu1() { return menu1.get(); }
HMENU Pop_Menu2() { return menu2.get(); }

void TrayMessage(int message) {
    switch (shell::DecodeTrayMessage(message, BasRuxa::AppState)) {
    case shell::TrayAction::ShowMenu:
        DoEvents();
        if (!Timer1().Enabled() && !Timer3().Enabled()) {
            DoEvents();
            ShowPopup(MainWindow::Handle(), Pop_Menu1());
        } else {
            SetForegroundWindow(MainWindow::Handle());
            DoEvents();
            ShowPopup(MainWindow::Handle(), Pop_Menu2());
        }
        break;
    case shell::TrayAction::DoubleClick:
        RunCommand(shell::DoubleClickCommand(BasRuxa::Settings.DoubleClick, BasRuxa::Settings.DoubleClickDo));
        break;
    case shell::TrayAction::None:
        break;
    }
}

void ShowCancelMenu(HWND owner) { ShowPopup(owner, Pop_Menu2()); }

}  // namespace FrmRuxa
