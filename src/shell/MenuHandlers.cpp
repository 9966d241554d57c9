// What the menu items do. The desktop, region and active-window items only
// arm a timer and take on the request in AppState; the capture runs when the
// timer fires (DelayedCapture.cpp), after the menu has left the screen.
#include "FrmRuxa.h"
#include "ImageFileSource.h"
#include "Printer.h"
#include "ProgramHelp.h"
#include "Tray.h"

using namespace BasRuxa;

// Desktop and region: the icon leaves the tray so it is not in the picture;
// the desktop capture puts it back.
void FrmRuxa::ArmTimer1(std::int16_t state) {
    timer1_.SetInterval(shell::CaptureDelayMs(Settings.SelfTimer, Settings.SelfTime));
    timer1_.SetEnabled(true);
    if (Settings.IconDelete == 1) Tray::DeleteTrayIcon();
    BeginRequest(state);
}

// Active window: the watch starts from the hidden window in front, so that
// the window the user activates next is the one captured.
void FrmRuxa::ArmTimer2(std::int16_t state) {
    timer2_.SetInterval(100);
    PrevForeground = nullptr;
    timer2_.SetEnabled(true);
    SetForegroundWindow(window_);
    BeginRequest(state);
}

void FrmRuxa::RunCommand(shell::Command command) {
    using shell::Command;
    switch (command) {
    case Command::DtCopy: return Pop_DtCopy_Click();
    case Command::AwCopy: return Pop_AwCopy_Click();
    case Command::RsCopy: return Pop_RsCopy_Click();
    case Command::FileCopy: return Pop_FileCopy_Click();
    case Command::DtCapture: return Pop_DtCapture_Click();
    case Command::AwCapture: return Pop_AwCapture_Click();
    case Command::RsCapture: return Pop_RsCapture_Click();
    case Command::FileCapture: return Pop_FileCapture_Click();
    case Command::Option: return Pop_Option_Click();
    case Command::AwCaptureNow: {
        auto picture = Capture::CaptureActiveWindow(nullptr, Settings.IconCapture == 1);
        if (!picture) return Deliver(NoShellState, Output::Copy, {std::nullopt, Capture::MissingWindowText(0, false)});
        return Deliver(NoShellState, Output::Copy, {std::move(picture), {}});
    }
    case Command::None: return;
    }
}

// The print items load the printing system while the capture is to come.
void FrmRuxa::Pop_DtCopy_Click() {
    LoadPrintingSoon();
    ArmTimer1(StateDtCopy);
}
void FrmRuxa::Pop_DtCapture_Click() { ArmTimer1(StateDtCapture); }
void FrmRuxa::Pop_RsCopy_Click() {
    LoadPrintingSoon();
    ArmTimer1(StateRsCopy);
}
void FrmRuxa::Pop_RsCapture_Click() { ArmTimer1(StateRsCapture); }
void FrmRuxa::Pop_AwCopy_Click() {
    LoadPrintingSoon();
    ArmTimer2(StateAwCopy);
}
void FrmRuxa::Pop_AwCapture_Click() { ArmTimer2(StateAwCapture); }

// An image file is the capture as soon as it is chosen. It takes on no
// request: it runs at once, and going idle afterwards would drop a capture
// armed meanwhile or open the tray to clicks while another dialog is up.
void FrmRuxa::Pop_FileCopy_Click() {
    LoadPrintingSoon();
    Deliver(NoShellState, Output::Print, Capture::CaptureImageFile(window_));
}
void FrmRuxa::Pop_FileCapture_Click() { Deliver(NoShellState, Output::Copy, Capture::CaptureImageFile(window_)); }

void FrmRuxa::Pop_Option_Click() {
    AppState = StateOption;
    OptionsDialog().Show();
}

void FrmRuxa::Pop_About_Click() {
    AppState = StateAbout;
    AboutBox().Show();
}

void FrmRuxa::Pop_Help_Click() { ShowProgramHelp(window_, HelpPage::Contents); }

void FrmRuxa::Pop_Can_Click() {
    for (WindowTimer* timer : {&timer1_, &timer2_, &timer3_}) timer->SetEnabled(false);
    // The selection window goes whatever the state: left open it would cover
    // the screen with no way to close it. Its request is cancelled.
    if (frmCustom_ && frmCustom_->Window()) {
        frmCustom_->Unload();
        RegionCancelled();
    }
    // A region run from the command line has nothing left to do.
    if (AppState == StateCommandLine) return EndRun(RunExit::Cancelled);
    // Whatever was pending is given up; nothing will be captured, so going
    // idle also puts back an icon that the arming took out of the tray.
    ReturnToIdle(CurrentRequest());
}

void FrmRuxa::Pop_End_Click() { EndRun(RunExit::Done); }
