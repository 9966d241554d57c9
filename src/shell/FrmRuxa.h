// The hidden main window: never shown, it anchors the tray icon and receives
// its callbacks, holds the two popup menus and the three timers of the
// delayed capture, and carries the hot keys for the whole run.
#pragma once
#include <windows.h>

#include "MainWindow.h"
#include "ShellRules.h"
#include "WindowTimer.h"

namespace FrmRuxa {

constexpr const wchar_t* ClassName = L"FrmRuxa";

// Creates the window (once) with the program's built-in icon, its menus and
// timers; outside a command-line run it registers the enabled hot keys. Its
// handle and pictures are MainWindow's.
HWND Load(HINSTANCE instance);

// The icon the tray and the dialogs take; the window does not own it.
void SetIcon(HICON icon);

// Timer1: desktop and region captures. Timer2: watches for the foreground
// window to change. Timer3: the active-window capture after that change.
WindowTimer& Timer1();
WindowTimer& Timer2();
WindowTimer& Timer3();

// The window that was in the foreground at Timer2's first tick; null until then.
inline HWND PrevForeground = nullptr;

HMENU Pop_Menu1();
HMENU Pop_Menu2();

// A tray callback: the mouse message the icon reports.
void TrayMessage(int message);

// The cancel menu at the pointer, also from the region selection window.
void ShowCancelMenu(HWND owner);

// What the double-click action and the hot keys ask for.
void RunCommand(shell::Command command);

void Pop_DtCopy_Click();
void Pop_AwCopy_Click();
void Pop_RsCopy_Click();
void Pop_FileCopy_Click();
void Pop_DtCapture_Click();
void Pop_AwCapture_Click();
void Pop_RsCapture_Click();
void Pop_FileCapture_Click();
void Pop_Option_Click();
void Pop_Help_Click();
void Pop_About_Click();
void Pop_End_Click();
void Pop_Can_Click();

void Timer1_Timer();
void Timer2_Timer();
void Timer3_Timer();

}  // namespace FrmRuxa
