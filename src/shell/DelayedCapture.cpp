// The timers' side of a capture armed from the menu, the double-click or a
// hot key. Each acts on the newest AppState: a timer armed for a request
// that another one has since replaced does nothing when it fires.
//
// A timer that captures stops itself before anything else, and its request
// goes back to idle only when no other request came while the output ran: a
// printer message box pumps messages, so a hot key can arm a new capture
// (even the same kind again) before the box is closed, and that capture must
// still happen.
#include "FrmRuxa.h"
#include "Tray.h"

using namespace BasRuxa;

void FrmRuxa::Timer1_Timer() {
    timer1_.SetEnabled(false);
    const ShellRequest request = CurrentRequest();
    switch (request.state) {
    case StateDtCopy: return Deliver(request, Output::Print, {CaptureDesktop(DesktopAreaSet()), {}});
    case StateDtCapture: return Deliver(request, Output::Copy, {CaptureDesktop(DesktopAreaSet()), {}});
    case StateRsCopy: return SelectRegion(request, Output::Print);
    case StateRsCapture: return SelectRegion(request, Output::Copy);
    default:
        // Superseded: no desktop capture will put back the icon its arming hid.
        if (Settings.IconDelete == 1 && !Tray::IsShown()) Tray::ShowAgain();
        break;
    }
}

void FrmRuxa::Timer2_Timer() {
    // A watch whose request was replaced would poll on while nothing is pending.
    if (AppState != StateAwCopy && AppState != StateAwCapture) return timer2_.SetEnabled(false);
    const HWND foreground = GetForegroundWindow();
    if (!PrevForeground) {
        PrevForeground = foreground;
    } else if (foreground != PrevForeground) {
        timer3_.SetInterval(shell::CaptureDelayMs(Settings.SelfTimer, Settings.SelfTime));
        timer2_.SetEnabled(false);
        timer3_.SetEnabled(true);
    }
}

void FrmRuxa::Timer3_Timer() {
    timer3_.SetEnabled(false);
    const ShellRequest request = CurrentRequest();
    if (request.state != StateAwCopy && request.state != StateAwCapture) return;
    const bool printing = request.state == StateAwCopy;
    const Output output = printing ? Output::Print : Output::Copy;
    // The watch saw the foreground change to no window at all (one closing,
    // another not yet active): a blank page or bitmap would go out unsaid.
    auto picture = Capture::CaptureActiveWindow(nullptr, Settings.IconCapture == 1);
    if (!picture) return Deliver(request, output, {std::nullopt, Capture::MissingWindowText(0, printing)});
    Deliver(request, output, {std::move(picture), {}});
}
