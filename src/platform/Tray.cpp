#include "Tray.h"

#include "Text.h"

namespace Tray {
namespace {

bool shown = false;

}  // namespace

void AddTrayIcon(HWND owner, const std::string& tip) {
    TrayData = {};
    TrayData.cbSize = sizeof TrayData;
    TrayData.hWnd = owner;
    TrayData.uID = 1;
    TrayData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayData.uCallbackMessage = CallbackMessage;
    TrayData.hIcon = reinterpret_cast<HICON>(SendMessageW(owner, WM_GETICON, ICON_SMALL, 0));
    if (!TrayData.hIcon) TrayData.hIcon = reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICONSM));
    std::wstring wide = text::Widen(tip);
    if (wide.size() > MaxTipLength) wide.resize(MaxTipLength);
    wide.copy(TrayData.szTip, wide.size());
    shown = Shell_NotifyIconW(NIM_ADD, &TrayData) != FALSE;
}

void DeleteTrayIcon() {
    // A command-line run ends without ever having added one.
    if (!TrayData.hWnd) return;
    Shell_NotifyIconW(NIM_DELETE, &TrayData);
    shown = false;
}

void ShowAgain() {
    if (!TrayData.hWnd) return;
    shown = Shell_NotifyIconW(NIM_ADD, &TrayData) != FALSE;
}

void RestoreAfterTaskbarRestart() {
    // The message also comes when the taskbar kept its icons (a display
    // change, for one); then adding fails and the icon only needs refreshing.
    if (shown) shown = Shell_NotifyIconW(NIM_ADD, &TrayData) || Shell_NotifyIconW(NIM_MODIFY, &TrayData);
}

bool IsShown() { return shown; }

}  // namespace Tray
