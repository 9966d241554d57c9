// The timers' side of a capture armed from the menu, the double-click or a
// hot key. Each acts on the newest AppState: a timer armed for a request
// that another one has since replaced does nothing when it fires.
//
// A timer that captures stops itself before anything else, and its request
// goes back to idle only when no other request came while the output ran: a
// printer message box pumps messages, so a hot key can arm a new capture
// (even the same kind again) before the box is closed, and that capture must
// still happen.
#include "Capture.h"
#include "FrmCustom.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "Output.h"
#include "ShellState.h"
#include "Tray.h"

namespace FrmRuxa {
namespace {

using namespace BasRuxa;

void PrintTheCapture(const ShellRequest& request) {
    PrintOutput();
    // With the confirmation dialog open the shell is in its state now, and
    // the dialog's closing ends the request.
    ReturnToIdle(request);
}

void CopyTheCapture(const ShellRequest& request) {
    CopyCaptureToClipboard();
    ReturnToIdle(request);
}

}  // namespace

void Timer1_Timer() {
    Timer1().SetEnabled(false);
    const ShellRequest request = CurrentRequest();
    switch (request.state) {
    case StateDtCopy:
        Capture::CaptureDesktop();
        PrintTheCapture(request);
        break;
    case StateRsCapture:
    case StateRsCopy:
        // The selection window finishes the request when the user lets go.
        Capture::CaptureDesktop();
        FrmCustom::Load();
        break;
    case StateDtCapture:
        Capture::CaptureDesktop();
        CopyTheCapture(request);
        break;
    default:
        // Superseded: no desktop capture will put back the icon its arming hid.
        if (Settings.IconDelete == 1 && !Tray::IsShown()) Tray::ShowAgain();
        break;
    }
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
    Timer3().SetEnabled(false);
    const ShellRequest request = CurrentRequest();
    switch (request.state) {
    case StateAwCopy:
    case StateAwCapture:
        // The watch saw the foreground change to no window at all (one
        // closing, another not yet active): a blank page or bitmap would go
        // out without a word.
        if (!Capture::CaptureActiveWindow(nullptr)) {
            Capture::ReportMissingWindow(0, request.state == StateAwCopy);
            ReturnToIdle(request);
        } else if (request.state == StateAwCopy) {
            PrintTheCapture(request);
        } else {
            CopyTheCapture(request);
        }
        break;
    default:
        break;
    }
}

}  // namespace FrmRuxa
