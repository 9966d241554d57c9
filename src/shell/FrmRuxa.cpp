#include "FrmRuxa.h"

#include <windowsx.h>

#include "AppIcon.h"
#include "BasHotKey.h"
#include "Tray.h"
#include "resource.h"

using namespace BasRuxa;

FrmRuxa::FrmRuxa(HINSTANCE instance, bool commandLine) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_RUXA));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_RUXA), IMAGE_ICON, 16, 16, 0));
    wc.lpszClassName = ClassName;
    if (!GetClassInfoExW(instance, ClassName, &wc)) RegisterClassExW(&wc);
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    openAgain_ = RegisterWindowMessageW(OpenAgainMessage);
    // Hidden at the primary monitor's corner: a change of that monitor's
    // DPI, where the notification area is, reaches it as WM_DPICHANGED.
    window_ = CreateWindowExW(0, ClassName, L"ヴェルモ", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, instance, this);
    SetIcon(wc.hIconSm);
    AppIcon::SetSource(instance, IDI_RUXA);
    for (WindowTimer* timer : {&timer1_, &timer2_, &timer3_}) timer->Attach(window_);
    BuildMenus();
    if (commandLine) return;
    SetPropW(window_, ResidentProperty, reinterpret_cast<HANDLE>(1));
    BasHotKey::RegisterHotKeys(window_, Settings);
    hotKeysFollow_ = Store().Listen([this](const SettingsModel& before, const SettingsModel& after) {
        FollowStoredHotKeys(before, after);
    });
}

FrmRuxa::~FrmRuxa() {
    if (window_) DestroyWindow(window_);
}

void FrmRuxa::SetIcon(HICON icon) {
    AppIcon::SetMain(icon);
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

// The registered hot keys are always those the settings store: whichever
// road stored them (OK, 適用, a named setting saved with other edits pending).
// A store also tries again a slot whose key another program held.
void FrmRuxa::FollowStoredHotKeys(const SettingsModel& before, const SettingsModel& after) {
    if (!shell::HotKeysDiffer(before.Settings, after.Settings) && !BasHotKey::AnyRefused()) return;
    BasHotKey::ReleaseHotKeys(window_);
    BasHotKey::RegisterHotKeys(window_, after.Settings);
}

bool FrmRuxa::HotKeyRefused(int slot) const { return BasHotKey::Refused(slot); }

void FrmRuxa::StartResident() {
    Tray::AddTrayIcon(window_, Settings.Title);
    AppState = StateIdle;
}

FrmPrint& FrmRuxa::PrintDialog() {
    if (!frmPrint_) frmPrint_ = std::make_unique<FrmPrint>(static_cast<PrintDialogOwner&>(*this), window_);
    return *frmPrint_;
}

FrmOption& FrmRuxa::OptionsDialog() {
    if (!frmOption_) frmOption_ = std::make_unique<FrmOption>(static_cast<OptionsDialogOwner&>(*this));
    return *frmOption_;
}

FrmAbout& FrmRuxa::AboutBox() {
    if (!frmAbout_) frmAbout_ = std::make_unique<FrmAbout>(static_cast<AboutOwner&>(*this));
    return *frmAbout_;
}

FrmCustom& FrmRuxa::RegionSelection() {
    if (!frmCustom_) frmCustom_ = std::make_unique<FrmCustom>(static_cast<RegionSelectionOwner&>(*this));
    return *frmCustom_;
}

void FrmRuxa::EndRun(RunExit code) {
    exitCode_ = code;
    if (window_) DestroyWindow(window_);
}

// A second start of the program asks for the one already running: the user
// wants to do something with it.
void FrmRuxa::OpenAgain() {
    if (shell::ActsOnTrayClicks(AppState)) return TrayMessage(shell::TrayRightButtonDown);
    for (Form* dialog : {frmPrint_ && frmPrint_->Loaded() ? &frmPrint_->Window() : nullptr,
                         frmOption_ ? frmOption_->Window() : nullptr, frmAbout_ ? frmAbout_->Window() : nullptr})
        if (dialog && dialog->Visible()) return dialog->Show();
}

// The windows still open go with the program, before anything they might use
// on their way out; there is no run left for them to end, so what they tell
// on their way is not heard. The objects stay until the program's run is
// over: one of them may be waiting in a message box of its own.
void FrmRuxa::Destroyed() {
    const HWND window = std::exchange(window_, nullptr);
    if (frmCustom_) frmCustom_->Unload();
    if (frmPrint_) frmPrint_->Unload();
    if (frmOption_) frmOption_->Unload();
    if (frmAbout_) frmAbout_->Unload();
    hotKeysFollow_ = {};
    BasHotKey::ReleaseHotKeys(window);
    RemovePropW(window, ResidentProperty);
    Tray::DeleteTrayIcon();
    for (WindowTimer* timer : {&timer1_, &timer2_, &timer3_}) timer->SetEnabled(false);
    PostQuitMessage(static_cast<int>(exitCode_));
}

LRESULT FrmRuxa::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // The taskbar may come again with another scaling.
        Tray::FitIconTo(Tray::NotificationAreaDpi());
        Tray::RestoreAfterTaskbarRestart();
        return 0;
    }
    if (message == openAgain_ && openAgain_ != 0) {
        OpenAgain();
        return 0;
    }
    switch (message) {
    case WM_MOUSEMOVE:
        // The tray icon reports its mouse messages here, the message number
        // where a real move has its x coordinate.
        TrayMessage(GET_X_LPARAM(lParam));
        return 0;
    case WM_HOTKEY:
        if (const int slot = BasHotKey::SlotOf(wParam); slot >= 0) RunCommand(shell::HotKeyCommand(slot));
        return 0;
    case WM_TIMER:
        timer1_.Dispatch(wParam, [this] { Timer1_Timer(); }) || timer2_.Dispatch(wParam, [this] { Timer2_Timer(); }) ||
            timer3_.Dispatch(wParam, [this] { Timer3_Timer(); });
        return 0;
    case WM_DPICHANGED:
        // The tray icon is drawn at the small-icon size of the DPI.
        Tray::FitIconTo(HIWORD(wParam));
        return 0;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
        // In case a hidden window hears of a new scaling only this way.
        Tray::FitIconTo(Tray::NotificationAreaDpi());
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_CLOSE:
        EndRun(exitCode_);
        return 0;
    case WM_DESTROY:
        Destroyed();
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK FrmRuxa::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FrmRuxa*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FrmRuxa*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->window_) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->Message(message, wParam, lParam);
}
