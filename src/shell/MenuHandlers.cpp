// What the menu items do. The desktop, region and active-window items only
// arm a timer and record the request in AppState; the capture runs when the
// timer fires (DelayedCapture.cpp), after the menu has left the screen.
#include <string>

#include "BasHotKey.h"
#include "Capture.h"
#include "FrmAbout.h"
#include "FrmCustom.h"
#include "FrmOption.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "ImageFileSource.h"
#include "Output.h"
#include "ProgramHelp.h"
#include "ShellState.h"
#include "Tray.h"

namespace FrmRuxa {
namespace {

using namespace BasRuxa;

std::int32_t CaptureDelay() { return shell::CaptureDelayMs(Settings.SelfTimer, Settings.SelfTime); }

// Desktop and region: the icon leaves the tray so it is not in the picture;
// the desktop capture puts it back.
void ArmTimer1(std::int16_t state) {
    Timer1().SetInterval(CaptureDelay());
    Timer1().SetEnabled(true);
    if (Settings.IconDelete == 1) Tray::DeleteTrayIcon();
    BeginRequest(state);
}

// Active window: the watch starts from the hidden window in front, so that
// the window the user activates next is the one captured.
void ArmTimer2(std::int16_t state) {
    Timer2().SetInterval(100);
    PrevForeground = nullptr;
    Timer2().SetEnabled(true);
    SetForegroundWindow(MainWindow::Handle());
    BeginRequest(state);
}

}  // namespace

void RunCommand(shell::Command command) {
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
    case Command::AwCaptureNow:
        if (!Capture::CaptureActiveWindow(nullptr)) return Capture::ReportMissingWindow(0, false);
        return CopyCaptureToClipboard();
    case Command::None: return;
    }
}

void Pop_DtCopy_Click() { ArmTimer1(StateDtCopy); }
void Pop_DtCapture_Click() { ArmTimer1(StateDtCapture); }
void Pop_RsCopy_Click() { ArmTimer1(StateRsCopy); }
void Pop_RsCapture_Click() { ArmTimer1(StateRsCapture); }
void Pop_AwCopy_Click() { ArmTimer2(StateAwCopy); }
void Pop_AwCapture_Click() { ArmTimer2(StateAwCapture); }

// An image file is the capture as soon as it is chosen. AppState stays as it
// was: these run at once, so there is no request to record, and going idle
// here would drop a capture armed meanwhile or open the tray to clicks while
// another dialog is still up.
void Pop_FileCopy_Click() {
    if (Capture::CaptureImageFile()) PrintOutput();
}
void Pop_FileCapture_Click() {
    if (Capture::CaptureImageFile()) CopyCaptureToClipboard();
}

void Pop_Option_Click() {
    AppState = StateOption;
    FrmOption::Show();
}

void Pop_About_Click() {
    AppState = StateAbout;
    FrmAbout::Show();
}

void Pop_Help_Click() { ShowProgramHelp(MainWindow::Handle(), HelpPage::Contents); }

void Pop_Can_Click() {
    for (WindowTimer* timer : {&Timer1(), &Timer2(), &Timer3()}) timer->SetEnabled(false);
    // The selection window goes whatever the state: left open it would cover
    // the screen with no way to close it.
    FrmCustom::Unload();
    // A region run from the command line has nothing left to do.
    if (AppState == StateCommandLine) return MainWindow::EndRun();
    // Whatever was pending is given up; nothing will be captured, so going
    // idle also puts back an icon that the arming took out of the tray.
    ReturnToIdle(CurrentRequest());
}

void Pop_End_Click() {
    BasHotKey::ReleaseHotKeys(MainWindow::Handle());
    MainWindow::EndRun();
}

}  // namespace FrmRuxa
