// Opening the dialogs with everything they list (101 named settings, the full
// paper tables, nine key lists of 50 entries), from being asked for until
// visible and filled, against the same window with its controls left empty.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "BenchHarness.h"
#include "FrmOption.h"
#include "FrmOptionControls.h"
#include "FrmPrint.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "PaperTables.h"

using namespace BasRuxa;

namespace {

// Each opening is timed alone and the window closed again before the next.
double BestOpening(const std::function<void()>& open, const std::function<void()>& close) {
    double best = 1e300;
    for (int run = 0; run < 7; ++run) {
        best = std::min(best, bench::SecondsPerRun(open, 1, 1));
        close();
    }
    return best;
}

void Compare(const char* name, const FormSpec& design, const std::function<void()>& open,
             const std::function<void()>& close) {
    const double dialog = BestOpening(open, close);
    Form empty;
    const double baseline = BestOpening(
        [&] {
            empty.Create(design, [](UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; });
            empty.Show();
            UpdateWindow(empty.Handle());
        },
        [&] { empty.Destroy(); });
    bench::Report(name, dialog, baseline);
    std::printf("opening takes %.2f times as long as the empty window's (goal: at most 1.5)\n", dialog / baseline);
}

}  // namespace

int main() {
    BasPrinterConst::InitPaperTables();
    SetMessageBoxAnswerer([](const MessageBoxCall& call) {
        std::printf("unexpected message: %s\n", call.text.c_str());
        return IDOK;
    });
    FrmRuxa::Load(GetModuleHandleW(nullptr));
    AppState = StateIdle;
    Settings.Title = "ヴェルモ";
    CurrentPrint = {"", "PDF", 3, 1, 100, 1, 9, 0, 1};
    for (int i = 0; i < NamedSettingsCapacity; ++i) {
        NamedSettings[i] = CurrentPrint;
        NamedSettings[i].Title = "名前付き設定" + std::to_string(i + 1);
    }
    Settings.PrinterCount = NamedSettingsCapacity;
    Settings.LastSet = NamedSettingsCapacity - 1;
    for (int slot = 0; slot < HotKeySlotCount; ++slot) Settings.HotKeyButton[slot] = 'P';

    std::printf("%d named settings, %d hot key lists\n", NamedSettingsCapacity, HotKeySlotCount);
    Compare(
        "FrmPrint opening", FrmPrint::Design(),
        [] {
            FrmPrint::Load();
            UpdateWindow(FrmPrint::Window().Handle());
        },
        [] { FrmPrint::Unload(); });
    Compare(
        "FrmOption opening", FrmOption::Design(),
        [] {
            FrmOption::Show();
            UpdateWindow(FrmOption::Window()->Handle());
        },
        [] { FrmOption::Unload(); });
    return 0;
}
