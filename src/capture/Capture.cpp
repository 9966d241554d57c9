#include "Capture.h"

#include "Globals.h"
#include "HumanSeam.h"
#include "MainWindow.h"
#include "Tray.h"
#include "UniqueHandle.h"

namespace Capture {
namespace {

// The two sources draw the cursor at fixed offsets up and left of the pointer.
constexpr int DesktopCursorOffset = 10;
constexpr int WindowCursorOffset = 8;

}  // namespace

void CaptureDesktop() {
    PictureSurface& picture = MainWindow::PicPrint();
    picture.Resize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const HWND desktop = GetDesktopWindow();
    unique_window_dc screen = GetWindowDcOf(desktop);
    BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen.get().dc, 0, 0, SRCCOPY);
    if (BasRuxa::Settings.IconCapture == 1) {
        POINT p{};
        GetCursorPos(&p);
        DrawIcon(picture.Dc(), p.x - DesktopCursorOffset, p.y - DesktopCursorOffset, GetCurrentCursor());
    }
    // The icon a desktop or region request took out of the tray comes back.
    // A command-line run never had one: an icon there would offer the tray
    // menu, whose items take the run out of its state so that it no longer
    // ends with its print.
    if (BasRuxa::Settings.IconDelete == 1 && BasRuxa::AppState != StateCommandLine)
        Tray::AddTrayIcon(MainWindow::Handle(), "ｳﾞｪﾙﾓ");
}

bool CaptureActiveWindow(HWND hWnd) {
    PictureSurface& picture = MainWindow::PicPrint();
    if (!hWnd) hWnd = GetForegroundWindow();
    WindowRect = {};
    // Without a window the device context would be the whole screen's.
    if (!hWnd || !GetWindowRect(hWnd, &WindowRect)) {
        picture.Resize(0, 0);
        return false;
    }
    unique_window_dc source = GetWindowDcOf(hWnd);
    picture.Resize(WindowRect.right - WindowRect.left, WindowRect.bottom - WindowRect.top);
    BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), source.get().dc, 0, 0, SRCCOPY);
    if (BasRuxa::Settings.IconCapture == 1) {
        POINT p{};
        GetCursorPos(&p);
        const int x = p.x - WindowCursorOffset, y = p.y - WindowCursorOffset;
        if (WindowRect.left <= x && x <= WindowRect.right && WindowRect.top <= y && y <= WindowRect.bottom)
            DrawIcon(picture.Dc(), x - WindowRect.left, y - WindowRect.top, GetCurrentCursor());
    }
    return true;
}

HCURSOR GetCurrentCursor() {
    POINT p{};
    GetCursorPos(&p);
    const DWORD other = GetWindowThreadProcessId(WindowFromPoint(p), nullptr);
    const DWORD self = GetCurrentThreadId();
    if (other == self || other == 0) return GetCursor();
    if (!AttachThreadInput(self, other, TRUE)) return nullptr;
    const HCURSOR cursor = GetCursor();
    AttachThreadInput(self, other, FALSE);
    return cursor;
}

void ReportMissingWindow(std::int32_t windowHandle, bool printing) {
    const std::string missing =
        windowHandle == 0 ? "前面のウィンドウが見つかりません。"
                          : "/h=" + std::to_string(windowHandle) + " のウィンドウが見つかりません。閉じられたか、番号が誤っています。";
    ShowMessageBox(MainWindow::Handle(), missing + (printing ? "\n何も印刷しませんでした。" : "\n何もコピーしませんでした。"),
                   "ルクサさん", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace Capture
