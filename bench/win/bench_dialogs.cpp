// Opening the dialogs with everything they list (101 named settings, the full
// paper tables, nine key lists of 50 entries), from being asked for until
// visible and filled, against the same window with its controls left empty.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "BenchHarness.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "PaperTables.h"
#include "Printer.h"

using namespace BasRuxa;

namespace {

// Each opening is timed alone and the window closed again before the next.
// The first opening of the run is kept apart: it loads what an idle tray
// program leaves unloaded (the common controls, the spooler).
double BestOpening(const std::function<void()>& open, const std::function<void()>& close, double* first = nullptr) {
    double best = 1e300;
    for (int run = 0; run < 7; ++run) {
        const double seconds = bench::SecondsPerRun(open, 1, 1);
        if (run == 0 && first) *first = seconds;
        best = std::min(best, seconds);
        close();
    }
    return best;
}

void Compare(const char* name, const FormSpec& design, const std::function<void()>& open,
             const std::function<void()>& close) {
    double first = 0;
    const double dialog = BestOpening(open, close, &first);
    Form empty;
    const double baseline = BestOpening(
        [&] {
            empty.Create(design, [](UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; });
            empty.Show();
            UpdateWindow(empty.Handle());
        },
        [&] { empty.Destroy(); });
    bench::Report(name, dialog, baseline);
    std::printf("opening takes %.2f times as long as the empty window's (goal: at most 1.5); the run's first "
                "opening %.1f ms, %.2f times\n",
                dialog / baseline, first * 1e3, first / baseline);
}

}  // namespace

int main() {
    BasPrinterConst::InitPaperTables();
    SetMessageBoxAnswerer([](const MessageBoxCall& call) {
        std::printf("unexpected message: %s\n", call.text.c_str());
        return IDOK;
    });
    SettingsModel settings;
    settings.Settings.Title = "ヴェルモ";
    settings.CurrentPrint = {"", "PDF", 3, 1, 100, 1, 9, 0, 1};
    for (int i = 0; i < NamedSettingsCapacity; ++i) {
        settings.NamedSettings[i] = settings.CurrentPrint;
        settings.NamedSettings[i].Title = "名前付き設定" + std::to_string(i + 1);
    }
    settings.Settings.PrinterCount = NamedSettingsCapacity;
    settings.Settings.LastSet = NamedSettingsCapacity - 1;
    for (int slot = 0; slot < HotKeySlotCount; ++slot) settings.Settings.HotKeyButton[slot] = 'P';
    Store().Reset(settings);
    FrmRuxa main(GetModuleHandleW(nullptr), false);
    AppState = StateIdle;
    PictureSurface capture;
    capture.Resize(1280, 1024);

    std::printf("%d named settings, %d hot key lists\n", NamedSettingsCapacity, HotKeySlotCount);
    // As a print request does while its capture (at least 100 ms away) is to come.
    LoadPrintingSoon();
    Sleep(100);
    FrmPrint& print = main.PrintDialog();
    Compare(
        "FrmPrint opening", FrmPrint::Design(),
        [&] {
            PictureSurface copy;
            copy.Resize(capture.Width(), capture.Height());
            print.Load(std::move(copy), CurrentPrint, Settings.LastSet);
            UpdateWindow(print.Window().Handle());
        },
        [&] { print.Unload(); });
    FrmOption& options = main.OptionsDialog();
    Compare(
        "FrmOption opening", FrmOption::Design(),
        [&] {
            options.Show();
            UpdateWindow(options.Window()->Handle());
        },
        [&] { options.Unload(); });
    return 0;
}
