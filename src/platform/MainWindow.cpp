#include "MainWindow.h"

namespace MainWindow {
namespace {

HWND window = nullptr;

}  // namespace

HWND Handle() { return window; }
void SetHandle(HWND handle) { window = handle; }

PictureSurface& PicPrint() {
    static PictureSurface picture;
    return picture;
}

PictureSurface& PicPrint2() {
    static PictureSurface picture;
    return picture;
}

HICON Icon() {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    return icon ? icon : reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
}

void EndRun() {
    if (window) DestroyWindow(window);
}

}  // namespace MainWindow
