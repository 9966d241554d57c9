// The road every request takes, from the capture to idle. A capture source
// makes a picture or says why not; Deliver hands it to its output (the
// printer, the confirmation dialog or the clipboard) and tells the user what
// went wrong; Finish ends a command-line run with its exit code, or puts the
// shell back to idle and the tray icon back in the tray.
#include "Clipboard.h"
#include "FrmRuxa.h"
#include "HumanSeam.h"
#include "PrintEngine.h"
#include "Printer.h"
#include "Tray.h"

using namespace BasRuxa;

namespace {

void Tell(HWND owner, const std::string& text) { ShowMessageBox(owner, text, "ルクサさん", MB_OK | MB_ICONEXCLAMATION); }

}  // namespace

// A desktop capture in the picture; an icon that the arming took out of the
// tray so that it is not in the picture is back at once. A command-line run
// never had one: an icon there would offer the tray menu, whose items take
// the run out of its state so that it no longer ends with its print.
PictureSurface FrmRuxa::CaptureDesktop(Capture::DesktopArea area) {
    PictureSurface picture = Capture::CaptureDesktop(Settings.IconCapture == 1, area);
    if (Settings.IconDelete == 1 && AppState != StateCommandLine) Tray::AddTrayIcon(window_, "ｳﾞｪﾙﾓ");
    return picture;
}

Capture::DesktopArea FrmRuxa::DesktopAreaSet() const {
    return Settings.DesktopMonitor == 1 ? Capture::DesktopArea::PointerMonitor : Capture::DesktopArea::AllMonitors;
}

// The user drags the region on the frozen desktop, which holds every monitor
// whatever ﾃﾞｽｸﾄｯﾌﾟ全体 takes; the selection serves the newest request that
// opened it.
void FrmRuxa::SelectRegion(const ShellRequest& request, Output output) {
    regionFor_ = request;
    regionOutput_ = output;
    RegionSelection().Load(CaptureDesktop(Capture::DesktopArea::AllMonitors));
}

void FrmRuxa::RegionChosen(PictureSurface region) {
    if (window_) Deliver(regionFor_, regionOutput_, {std::move(region), {}});
}

void FrmRuxa::RegionCancelled() {
    if (window_) Finish(regionFor_, RunExit::Cancelled);
}

void FrmRuxa::Deliver(const ShellRequest& request, Output output, Capture::Captured captured) {
    if (!captured.picture) {
        // No reason: the user cancelled.
        if (!captured.reason.empty()) Tell(window_, captured.reason);
        return Finish(request, captured.reason.empty() ? RunExit::Cancelled : RunExit::Failed);
    }
    if (output == Output::Print) return Print(request, std::move(*captured.picture));
    if (const auto refused = CopyPictureToClipboard(window_, *captured.picture)) {
        Tell(window_, *refused);
        return Finish(request, RunExit::Failed);
    }
    Finish(request, RunExit::Done);
}

void FrmRuxa::Print(const ShellRequest& request, PictureSurface picture) {
    const RunPrint run = commandLine_.value_or(RunPrint{CurrentPrint, Settings.LastSet, Settings.ConfirmBeforePrint == 1});
    if (run.confirm) {
        // The dialog decides the rest and says when it has closed.
        if (AppState != StateCommandLine) AppState = StatePrintDialog;
        return PrintDialog().Load(std::move(picture), run.print, run.lastSet);
    }
    const PrintResult result = PrintCapture(BasRuxa::Printer(), picture, run.print, Settings.ReversePrint == 1);
    switch (result.status) {
    case PrintStatus::Printed: return Finish(request, RunExit::Done);
    case PrintStatus::Failed: ReportPrintFailure(window_, result.failure); break;
    case PrintStatus::NothingToPrint: Tell(window_, "印刷する画像がありません。\n何も印刷しませんでした。"); break;
    }
    Finish(request, RunExit::Failed);
}

void FrmRuxa::Finish(const ShellRequest& request, RunExit outcome) {
    if (!window_) return;
    if (request.state == StateCommandLine) return EndRun(outcome);
    ReturnToIdle(request);
}

void FrmRuxa::PrintDialogClosed(RunExit outcome) {
    if (!window_) return;
    if (AppState == StateCommandLine) return EndRun(outcome);
    ReturnToIdle(StatePrintDialog);
}

void FrmRuxa::OptionsClosed() {
    if (window_) ReturnToIdle(StateOption);
}

void FrmRuxa::AboutClosed() {
    if (window_) ReturnToIdle(StateAbout);
}

void FrmRuxa::RunCommandLine(const CommandLineRequest& request) {
    const ShellRequest run = BeginRequest(StateCommandLine);
    LoadPrintingSoon();
    if (request.Error) {
        ShowMessageBox(nullptr, "コマンドライン引数に誤りがあります。", "ルクサさん", MB_OK);
        return EndRun(RunExit::BadCommandLine);
    }
    // The named setting asked for applies to this run only, as does the
    // choice to confirm; the dialog stores them if the user prints from it.
    SettingsModel settings = Store().Model();
    ApplyNamedSetting(settings, request.SettingName);
    commandLine_ = RunPrint{settings.CurrentPrint, settings.Settings.LastSet, request.ConfirmBeforePrint == 1};
    switch (request.Action) {
    case ActionActiveWindow: {
        const HWND target = reinterpret_cast<HWND>(static_cast<INT_PTR>(request.WindowHandle));
        auto picture = Capture::CaptureActiveWindow(target, Settings.IconCapture == 1);
        // A blank page would print otherwise.
        if (!picture) return Deliver(run, Output::Print, {std::nullopt, Capture::MissingWindowText(request.WindowHandle, true)});
        return Deliver(run, Output::Print, {std::move(picture), {}});
    }
    case ActionRegion: return SelectRegion(run, Output::Print);
    default: return Deliver(run, Output::Print, {CaptureDesktop(DesktopAreaSet()), {}});
    }
}
