#include "FrmRuxa.h"

#include <windowsx.h>

#include "BasHotKey.h"
#include "FrmAbout.h"
#include "FrmCustom.h"
#include "FrmOption.h"
#include "FrmPrint.h"
#include "Globals.h"
#include "Menus.h"
#include "Tray.h"
#include "resource.h"

namespace FrmRuxa {
namespace {

UINT taskbarCreated = 0;

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated && taskbarCreated != 0) {
        Tray::RestoreAfterTaskbarRestart();
        return 0;
    }
    switch (message) {
    case WM_MOUSEMOVE:
        // The tray icon reports its mouse messages here, the message number
        // where a real move has its x coordinate.
        TrayMessage(GET_X_LPARAM(lParam));
        return 0;
    case WM_TIMER:
        Timer1().Dispatch(wParam, Timer1_Timer) || Timer2().Dispatch(wParam, Timer2_Timer) ||
            Timer3().Dispatch(wParam, Timer3_Timer);
        return 0;
    case WM_CLOSE:
        MainWindow::EndRun();
        return 0;
    case WM_DESTROY:
        // The windows still open go with the program, before anything they
        // might use on their way out; there is no run left for them to end.
        MainWindow::SetHandle(nullptr);
        FrmCustom::Unload();
        FrmPrint::Unload();
        FrmOption::Unload();
        FrmAbout::Unload();
        BasHotKey::ReleaseHotKeys(hwnd);
        Tray::DeleteTrayIcon();
        for (WindowTimer* timer : {&Timer1(), &Timer2(), &Timer3()}) timer->SetEnabled(false);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

HWND Load(HINSTANCE instance) {
    if (MainWindow::Handle()) return MainWindow::Handle();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_RUXA));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_RUXA), IMAGE_ICON, 16, 16, 0));
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);
    taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    const HWND window = CreateWindowExW(0, ClassName, L"ヴェルモ", WS_OVERLAPPED, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr,
                             nullptr, instance, nullptr);
    MainWindow::SetHandle(window);
    MainWindow::ShowCancelMenu = ShowCancelMenu;
    SetIcon(wc.hIconSm);
    for (WindowTimer* timer : {&Timer1(), &Timer2(), &Timer3()}) timer->Attach(window);
    BuildMenus();
    FrmOption::HotKeys = {[] { BasHotKey::ReleaseHotKeys(MainWindow::Handle()); },
                          [] { BasHotKey::RegisterHotKeys(MainWindow::Handle()); }, BasHotKey::Refused};
    if (BasRuxa::AppState != StateCommandLine) BasHotKey::RegisterHotKeys(window);
    return window;
}

WindowTimer& Timer1() {
    static WindowTimer timer(1);
    return timer;
}

WindowTimer& Timer2() {
    static WindowTimer timer(2);
    return timer;
}

WindowTimer& Timer3() {
    static WindowTimer timer(3);
    return timer;
}

void SetIcon(HICON icon) {
    SendMessageW(MainWindow::Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageW(MainWindow::Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

}  // namespace FrmRuxa
