#include "Capture.h"

#include "UniqueHandle.h"

namespace Capture {
namespace {

// The two sources draw the cursor at fixed offsets up and left of the pointer.
constexpr int DesktopCursorOffset = 10;
constexpr int WindowCursorOffset = 8;

}  // namespace

PictureSurface CaptureDesktop(bool drawCursor) {
    PictureSurface picture;
    picture.Resize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const unique_window_dc screen = GetWindowDcOf(GetDesktopWindow());
    BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen.get().dc, 0, 0, SRCCOPY);
    if (drawCursor) {
        POINT p{};
        GetCursorPos(&p);
        DrawIcon(picture.Dc(), p.x - DesktopCursorOffset, p.y - DesktopCursorOffset, GetCurrentCursor());
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
