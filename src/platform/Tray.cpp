#include "Tray.h"

#include "Text.h"

namespace Tray {
namespace {

// Whether the program wants its icon in the tray (added and not deleted
// since), and whether the tray holds it.
bool wanted = false;
bool shown = false;

// An add the tray refuses (at logon the taskbar may not be there yet) is
// tried again every two seconds for three minutes; after that the taskbar's
// "TaskbarCreated" still brings the icon, without polling while idle.
constexpr UINT_PTR RetryTimerId = 0x7241;
constexpr UINT RetryIntervalMs = 2000;
constexpr int RetryAttempts = 90;
bool retrying = false;
int retriesLeft = 0;

// The icon needs the shell's library only for the moment of the call: an
// idle tray program keeps none of it (about a megabyte) loaded.
bool NotifyIcon(DWORD message) {
    const HMODULE shell = LoadLibraryW(L"shell32.dll");
    if (!shell) return false;
    using Notify = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
    const auto notify = reinterpret_cast<Notify>(reinterpret_cast<void*>(GetProcAddress(shell, "Shell_NotifyIconW")));
    const bool done = notify && notify(message, &TrayData);
    FreeLibrary(shell);
    return done;
}

void StopRetrying() {
    if (retrying) KillTimer(TrayData.hWnd, RetryTimerId);
    retrying = false;
}

void CALLBACK Retry(HWND, UINT, UINT_PTR, DWORD) {
    if (wanted && !shown) shown = NotifyIcon(NIM_ADD);
    if (!wanted || shown || --retriesLeft <= 0) StopRetrying();
}

void Add() {
    wanted = true;
    // An icon the tray holds already is only brought up to date.
    shown = (shown && NotifyIcon(NIM_MODIFY)) || NotifyIcon(NIM_ADD);
    if (shown) {
        StopRetrying();
    } else if (!retrying) {
        retrying = SetTimer(TrayData.hWnd, RetryTimerId, RetryIntervalMs, Retry) != 0;
        retriesLeft = RetryAttempts;
    }
}

}  // namespace

void AddTrayIcon(HWND owner, const std::string& tip) {
    // A retry still running belongs to the record about to be replaced.
    StopRetrying();
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
    Add();
}

void DeleteTrayIcon() {
    // A command-line run ends without ever having added one.
    if (!TrayData.hWnd) return;
    wanted = false;
    StopRetrying();
    NotifyIcon(NIM_DELETE);
    shown = false;
}

void ShowAgain() {
    if (TrayData.hWnd) Add();
}

void RestoreAfterTaskbarRestart() {
    if (!wanted) return;
    // The message also comes when the taskbar kept its icons (a display
    // change, for one); then adding fails and the icon only needs refreshing.
    const bool wasShown = shown;
    if (NotifyIcon(NIM_ADD)) shown = true;
    else if (wasShown) shown = NotifyIcon(NIM_MODIFY);
    if (shown) StopRetrying();
    else Add();
}

bool IsShown() { return shown; }

}  // namespace Tray
