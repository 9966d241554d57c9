#include "Tray.h"

#include <shellscalingapi.h>

#include <utility>

#include "AppIcon.h"
#include "Text.h"
#include "UniqueHandle.h"

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

// The icon shown, loaded at the size of the notification area's DPI.
unique_hicon icon;
int iconSize = 0;

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

// The main icon at that size; when its source cannot give one (an icon file
// gone since start-up), the window's own icon. The icon shown before stays
// until the caller has replaced it in the tray.
unique_hicon TakeIcon(int size) {
    unique_hicon before = std::exchange(icon, AppIcon::LoadSized(size));
    iconSize = size;
    TrayData.hIcon = icon.get();
    if (!TrayData.hIcon) TrayData.hIcon = reinterpret_cast<HICON>(SendMessageW(TrayData.hWnd, WM_GETICON, ICON_SMALL, 0));
    if (!TrayData.hIcon) TrayData.hIcon = reinterpret_cast<HICON>(GetClassLongPtrW(TrayData.hWnd, GCLP_HICONSM));
    return before;
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
    // The icon that was shown so far stays until the tray holds the new one.
    const unique_hicon before = TakeIcon(GetSystemMetricsForDpi(SM_CXSMICON, NotificationAreaDpi()));
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

UINT NotificationAreaDpi() {
    UINT x = 0, y = 0;
    if (FAILED(GetDpiForMonitor(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), MDT_EFFECTIVE_DPI, &x, &y)) || !x)
        return USER_DEFAULT_SCREEN_DPI;
    return x;
}

void FitIconTo(UINT dpi) {
    const int size = GetSystemMetricsForDpi(SM_CXSMICON, dpi);
    if (!TrayData.hWnd || size == iconSize) return;
    const unique_hicon before = TakeIcon(size);
    if (shown) NotifyIcon(NIM_MODIFY);
}

}  // namespace Tray
