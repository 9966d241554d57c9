// The notification-area icon: one icon, id 1, whose mouse messages reach the
// owner window as WM_MOUSEMOVE with the mouse message in lParam.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace Tray {

constexpr UINT CallbackMessage = WM_MOUSEMOVE;
constexpr int MaxTipLength = 63;

// The record used both to add and to delete the icon.
inline NOTIFYICONDATAW TrayData{};

// Adds the icon (the main window's, loaded at the notification area's
// small-icon size) and the tip (cut to 63 characters). The tip is remembered so the icon can come back after the
// taskbar restarts. When the tray refuses it (the taskbar is not ready yet,
// as at logon), it is tried again on a short timer for a while and whenever
// the taskbar announces itself, so a resident program is never left without
// its icon.
void AddTrayIcon(HWND owner, const std::string& tip);
void DeleteTrayIcon();
// Puts a deleted icon back as it was, with its last tip.
void ShowAgain();

// For the taskbar's "TaskbarCreated": the taskbar forgets every icon when it
// restarts, and one that could not be added before can be now. Puts the icon
// back with its last tip unless it was deleted.
void RestoreAfterTaskbarRestart();

bool IsShown();

// The notification area's DPI: the primary monitor's, where the taskbar
// stands unless the user moved it.
UINT NotificationAreaDpi();
// Loads the icon again at the small-icon size of that DPI when the size
// differs from the one it has; an icon in the tray is replaced at once.
void FitIconTo(UINT dpi);

}  // namespace Tray
