#include "FrmCustom.h"

#include <windowsx.h>

#include "Capture.h"
#include "Region.h"

namespace {

const COLORREF RubberBandColour = RGB(128, 128, 128);

FrmCustom* SelectionOf(HWND hwnd) { return reinterpret_cast<FrmCustom*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

// The cross-hair lives as long as the program: the window class keeps it.
HCURSOR CrossHair(HINSTANCE instance) {
    static unique_hcursor cursor = [instance] {
        const region::CursorMasks masks = region::CrossHairMasks();
        return unique_hcursor(CreateCursor(instance, region::CursorHotSpotX, region::CursorHotSpotY, region::CursorSize,
                                           region::CursorSize, masks.andMask.data(), masks.xorMask.data()));
    }();
    return cursor.get();
}

}  // namespace

// The desktop picture as it is, which also wipes the last rubber band.
void FrmCustom::PaintSnapshot(HDC dc) const {
    RECT client{};
    GetClientRect(picture_, &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, desktop_.Dc(), 0, 0, SRCCOPY);
}

// Drawn on the screen only: a repaint shows the clean snapshot again.
void FrmCustom::DrawRubberBand(std::int16_t x, std::int16_t y) {
    const unique_window_dc dc = GetDcOf(picture_);
    PaintSnapshot(dc.get().dc);
    const region::PixelRect box = region::DragRect(StartX, StartY, x, y);
    unique_hpen pen(CreatePen(PS_SOLID, 1, RubberBandColour));
    SelectedObject selectedPen(dc.get().dc, pen.get());
    SelectedObject hollow(dc.get().dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc.get().dc, box.left, box.top, box.left + box.width, box.top + box.height);
}

void FrmCustom::LeftRelease(LPARAM lParam) {
    ReleaseCapture();
    if (!pressed_) return;
    EndX = region::ToPixel(GET_X_LPARAM(lParam));
    EndY = region::ToPixel(GET_Y_LPARAM(lParam));
    Dragging = 0;
    PictureSurface region = CropCapture(desktop_, StartX, StartY, EndX, EndY);
    Unload();
    owner_.RegionChosen(std::move(region));
}

void FrmCustom::Cancel() {
    Unload();
    owner_.RegionCancelled();
}

LRESULT CALLBACK FrmCustom::PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    FrmCustom* self = SelectionOf(GetParent(hwnd));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        self->PaintSnapshot(ps.hdc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        self->Dragging = -1;
        self->StartX = region::ToPixel(GET_X_LPARAM(lParam));
        self->StartY = region::ToPixel(GET_Y_LPARAM(lParam));
        self->pressed_ = true;
        SetCapture(hwnd);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        self->Dragging = 0;
        return 0;
    case WM_MOUSEMOVE:
        if (self->Dragging == -1)
            self->DrawRubberBand(region::ToPixel(GET_X_LPARAM(lParam)), region::ToPixel(GET_Y_LPARAM(lParam)));
        return 0;
    case WM_LBUTTONUP:
        self->LeftRelease(lParam);
        return 0;
    case WM_RBUTTONUP:
        self->owner_.ShowCancelMenu(self->form_);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// Closed any other way than by a left release (Alt+F4, another program's
// WM_CLOSE, the session ending), the selection is cancelled.
LRESULT CALLBACK FrmCustom::FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    FrmCustom* self = SelectionOf(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CLOSE:
        self->Cancel();
        return 0;
    case WM_ENDSESSION:
        if (wParam) self->Cancel();
        return 0;
    case WM_DESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->form_ = self->picture_ = nullptr;
        self->pressed_ = false;
        self->Dragging = 0;
        self->desktop_ = PictureSurface();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void FrmCustom::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, ClassName, &wc)) return;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);
    wc.lpfnWndProc = PictureProc;
    wc.hCursor = CrossHair(instance);
    wc.lpszClassName = PictureClassName;
    RegisterClassExW(&wc);
}

void FrmCustom::Load(PictureSurface desktop) {
    if (form_) return;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClasses(instance);
    desktop_ = std::move(desktop);
    // Over every monitor: with the window's corner at the virtual screen's,
    // a point of its client area is the same point of the picture.
    const RECT screen = Capture::VirtualScreen();
    form_ = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"", WS_POPUP, screen.left, screen.top,
                            screen.right - screen.left, screen.bottom - screen.top, nullptr, nullptr, instance, this);
    RECT client{};
    GetClientRect(form_, &client);
    picture_ = CreateWindowExW(0, PictureClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, client.right, client.bottom, form_,
                               nullptr, instance, nullptr);
    SetWindowPos(form_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(form_, SW_SHOW);
    SetForegroundWindow(form_);
    UpdateWindow(form_);
}

void FrmCustom::Unload() {
    if (form_) DestroyWindow(form_);
}

PictureSurface CropCapture(const PictureSurface& capture, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    const region::PixelRect box = region::DragRect(x1, y1, x2, y2);
    PictureSurface region;
    region.Resize(box.width, box.height);
    BitBlt(region.Dc(), 0, 0, region.Width(), region.Height(), capture.Dc(), box.left, box.top, SRCCOPY);
    return region;
}
