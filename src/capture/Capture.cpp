#include "Capture.h"

#include "UniqueHandle.h"

namespace Capture {
namespace {

// The two sources draw the cursor at fixed offsets up and left of the pointer.
constexpr int DesktopCursorOffset = 10;
constexpr int WindowCursorOffset = 8;

// The monitor the pointer is on, or the nearest one.
RECT MonitorUnderPointer() {
    POINT p{};
    GetCursorPos(&p);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &info)) return VirtualScreen();
    return info.rcMonitor;
}

// The screen's pixels of each monitor within `area`, each copied from its
// own rectangle: one copy of the whole area would read black, or pixels of
// no window at all, where no monitor is.
void CopyMonitors(HDC screen, const RECT& area, const PictureSurface& picture) {
    struct Copy {
        HDC screen;
        const RECT& area;
        HDC picture;
    } copy{screen, area, picture.Dc()};
    EnumDisplayMonitors(
        nullptr, &area,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
            const Copy& c = *reinterpret_cast<const Copy*>(data);
            MONITORINFO info{};
            info.cbSize = sizeof info;
            RECT shown{};
            if (GetMonitorInfoW(monitor, &info) && IntersectRect(&shown, &info.rcMonitor, &c.area))
                BitBlt(c.picture, shown.left - c.area.left, shown.top - c.area.top, shown.right - shown.left,
                       shown.bottom - shown.top, c.screen, shown.left, shown.top, SRCCOPY);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&copy));
}

}  // namespace

RECT VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

PictureSurface CaptureDesktop(bool drawCursor, DesktopArea area) {
    const RECT shown = area == DesktopArea::PointerMonitor ? MonitorUnderPointer() : VirtualScreen();
    PictureSurface picture;
    picture.Resize(shown.right - shown.left, shown.bottom - shown.top);
    // The screen's device context counts in virtual-screen coordinates.
    const unique_window_dc screen = GetDcOf(nullptr);
    CopyMonitors(screen.get().dc, shown, picture);
    if (drawCursor) {
        POINT p{};
        GetCursorPos(&p);
        DrawIcon(picture.Dc(), p.x - DesktopCursorOffset - shown.left, p.y - DesktopCursorOffset - shown.top,
                 GetCurrentCursor());
    }
    return picture;
}

std::optional<PictureSurface> CaptureActiveWindow(HWND window, bool drawCursor) {
    if (!window) window = GetForegroundWindow();
    RECT rect{};
    if (!window || !GetWindowRect(window, &rect)) return std::nullopt;
    PictureSurface picture;
    picture.Resize(rect.right - rect.left, rect.bottom - rect.top);
    const unique_window_dc source = GetWindowDcOf(window);
    BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), source.get().dc, 0, 0, SRCCOPY);
    if (drawCursor) {
        POINT p{};
        GetCursorPos(&p);
        const int x = p.x - WindowCursorOffset, y = p.y - WindowCursorOffset;
        if (rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom)
            DrawIcon(picture.Dc(), x - rect.left, y - rect.top, GetCurrentCursor());
    }
    return picture;
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

std::string MissingWindowText(std::int32_t windowHandle, bool printing) {
    const std::string missing =
        windowHandle == 0 ? "前面のウィンドウが見つかりません。"
                          : "/h=" + std::to_string(windowHandle) + " のウィンドウが見つかりません。閉じられたか、番号が誤っています。";
    return missing + (printing ? "\n何も印刷しませんでした。" : "\n何もコピーしませんでした。");
}

}  // namespace Capture
