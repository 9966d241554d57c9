// The timers' side of a capture armed from the menu, the double-click or a
// hot key. Each acts on the newest AppState: a timer armed for a request
// that another one has since replaced does nothing when it fires.
#include "Capture.h"
#include "FrmCustom.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "Output.h"
#include "Tray.h"

namespace FrmRuxa {
namespace {

using namespace BasRuxa;

void PrintTheCapture() {
    PrintOutput();
    if (Settings.ConfirmBeforePrint != 1) AppState = StateIdle;
}

}  // namespace

void Timer1_Timer() {
    switch (AppState) {
    case StateDtCopy:
        Capture::CaptureDesktop();
        PrintTheCapture();
        break;
    case StateRsCapture:
    case StateRsCopy:
        // The selection window finishes the request when the user lets go.
        Capture::CaptureDesktop();
        FrmCustom::Load();
        break;
    case StateDtCapture:
        Capture::CaptureDesktop();
        CopyCaptureToClipboard();
        AppState = StateIdle;
        break;
    default:
        // Superseded: no desktop capture will put back the icon its arming hid.
        if (Settings.IconDelete == 1 && !Tray::IsShown()) Tray::ShowAgain();
        break;
    }
    Timer1().SetEnabled(false);
}

void Timer2_Timer() {
    // A watch whose request was replaced would poll on while nothing is pending.
    if (AppState != StateAwCopy && AppState != StateAwCapture) return Timer2().SetEnabled(false);
    const HWND foreground = GetForegroundWindow();
    if (!PrevForeground) {
        PrevForeground = foreground;
    } else if (foreground != PrevForeground) {
        Timer3().SetInterval(shell::CaptureDelayMs(Settings.SelfTimer, Settings.SelfTime));
        Timer2().SetEnabled(false);
        Timer3().SetEnabled(true);
    }
}

void Timer3_Timer() {
    switch (AppState) {
    case StateAwCopy:
        Capture::CaptureActiveWindow(nullptr);
        PrintTheCapture();
        break;
    case StateAwCapture:
        Capture::CaptureActiveWindow(nullptr);
        CopyCaptureToClipboard();
        AppState = StateIdle;
        break;
    default:
        break;
    }
    Timer3().SetEnabled(false);
}

}  // namespace FrmRuxa
