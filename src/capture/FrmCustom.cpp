#include "FrmCustom.h"

#include <windowsx.h>

#include "Globals.h"
#include "MainWindow.h"
#include "Output.h"
#include "Region.h"
#include "ShellState.h"
#include "UniqueHandle.h"

namespace FrmCustom {
namespace {

using namespace BasRuxa;

HWND form = nullptr;
HWND picture = nullptr;
// A left release counts only after a left press on the picture: a button
// held down when the window appeared was pressed on something else.
bool pressed = false;
// The request the selection serves: the newest that opened it.
ShellRequest openedFor{};
unique_hcursor crossHair;
const COLORREF RubberBandColour = RGB(128, 128, 128);

// The capture picture as it is, which also wipes the last rubber band.
void PaintSnapshot(HDC dc) {
    const PictureSurface& capture = MainWindow::PicPrint();
    RECT client{};
    GetClientRect(picture, &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, capture.Dc(), 0, 0, SRCCOPY);
}

// Drawn on the screen only: a repaint shows the clean snapshot again.
void DrawRubberBand(std::int16_t x, std::int16_t y) {
    const unique_window_dc dc = GetDcOf(picture);
    PaintSnapshot(dc.get().dc);
    const region::PixelRect box = region::DragRect(StartX, StartY, x, y);
    unique_hpen pen(CreatePen(PS_SOLID, 1, RubberBandColour));
    SelectedObject selectedPen(dc.get().dc, pen.get());
    SelectedObject hollow(dc.get().dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc.get().dc, box.left, box.top, box.left + box.width, box.top + box.height);
}

// The selection is done: the window goes first, so that whatever the output
// shows (a printer message) is not hidden behind it.
void Finish() {
    switch (AppState) {
    case StateRsCapture:
        Unload();
        CopyCaptureToClipboard();
        ReturnToIdle(openedFor);
        break;
    case StateRsCopy:
        Unload();
        PrintOutput();
        // With the confirmation dialog open the shell is in its state now.
        ReturnToIdle(openedFor);
        break;
    case StateCommandLine:
        // The output ends the run.
        Unload();
        PrintOutput();
        break;
    default:
        break;
    }
}

void LeftRelease(LPARAM lParam) {
    ReleaseCapture();
    if (!pressed) return;
    EndX = region::ToPixel(GET_X_LPARAM(lParam));
    EndY = region::ToPixel(GET_Y_LPARAM(lParam));
    CropCapture(StartX, StartY, EndX, EndY);
    Dragging = 0;
    Finish();
}

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        PaintSnapshot(ps.hdc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        Dragging = -1;
        StartX = region::ToPixel(GET_X_LPARAM(lParam));
        StartY = region::ToPixel(GET_Y_LPARAM(lParam));
        pressed = true;
        SetCapture(hwnd);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        Dragging = 0;
        return 0;
    case WM_MOUSEMOVE:
        if (Dragging == -1) DrawRubberBand(region::ToPixel(GET_X_LPARAM(lParam)), region::ToPixel(GET_Y_LPARAM(lParam)));
        return 0;
    case WM_LBUTTONUP:
        LeftRelease(lParam);
        return 0;
    case WM_RBUTTONUP:
        if (MainWindow::ShowCancelMenu) MainWindow::ShowCancelMenu(form);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// Closed any other way than by a left release (Alt+F4, another program's
// WM_CLOSE, the session ending), the selection is cancelled: nothing is
// output, the shell goes back to idle and a command-line run ends.
void Cancel() {
    const ShellRequest request = openedFor;
    Unload();
    if (request.state == StateCommandLine) return MainWindow::EndRun();
    ReturnToIdle(request);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Cancel();
        return 0;
    case WM_ENDSESSION:
        if (wParam) Cancel();
        return 0;
    case WM_DESTROY:
        if (hwnd == form) {
            form = picture = nullptr;
            pressed = false;
            Dragging = 0;
        }
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void RegisterClasses(HINSTANCE instance) {
    if (crossHair) return;
    const region::CursorMasks masks = region::CrossHairMasks();
    crossHair.reset(CreateCursor(instance, region::CursorHotSpotX, region::CursorHotSpotY, region::CursorSize,
                                 region::CursorSize, masks.andMask.data(), masks.xorMask.data()));
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);
    wc.lpfnWndProc = PictureProc;
    wc.hCursor = crossHair.get();
    wc.lpszClassName = PictureClassName;
    RegisterClassExW(&wc);
}

}  // namespace

void Load() {
    openedFor = CurrentRequest();
    if (form) return;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClasses(instance);
    form = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                           GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    RECT client{};
    GetClientRect(form, &client);
    picture = CreateWindowExW(0, PictureClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, client.right, client.bottom, form,
                              nullptr, instance, nullptr);
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(form, SW_SHOW);
    SetForegroundWindow(form);
    UpdateWindow(form);
}

void Unload() {
    if (form) DestroyWindow(form);
}

HWND Window() { return form; }

void CropCapture(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    PictureSurface& capture = MainWindow::PicPrint();
    PictureSurface& scratch = MainWindow::PicPrint2();
    const region::PixelRect box = region::DragRect(x1, y1, x2, y2);
    scratch.Resize(box.width, box.height);
    BitBlt(scratch.Dc(), 0, 0, scratch.Width(), scratch.Height(), capture.Dc(), box.left, box.top, SRCCOPY);
    capture.Resize(scratch.Width(), scratch.Height());
    BitBlt(capture.Dc(), 0, 0, capture.Width(), capture.Height(), scratch.Dc(), 0, 0, SRCCOPY);
}

}  // namespace FrmCustom
