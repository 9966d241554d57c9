// Opening the print confirmation dialog with 101 named settings and the full
// paper tables, from being asked for until it is visible and filled, against
// the same window with the same controls left empty.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "BenchHarness.h"
#include "FrmPrint.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "PaperTables.h"

using namespace BasRuxa;

int main() {
    BasPrinterConst::InitPaperTables();
    SetMessageBoxAnswerer([](const MessageBoxCall& call) {
        std::printf("unexpected message: %s\n", call.text.c_str());
        return IDOK;
    });
    FrmRuxa::Load(GetModuleHandleW(nullptr));
    AppState = StateIdle;
    CurrentPrint = {"", "PDF", 3, 1, 100, 1, 9, 0, 1};
    for (int i = 0; i < NamedSettingsCapacity; ++i) {
        NamedSettings[i] = CurrentPrint;
        NamedSettings[i].Title = "名前付き設定" + std::to_string(i + 1);
    }
    Settings.PrinterCount = NamedSettingsCapacity;
    Settings.LastSet = NamedSettingsCapacity - 1;

    // Only the opening is timed: a visible window under Wine without a window
    // manager takes seconds to be taken down, which says nothing of ours.
    const auto bestOpening = [](const std::function<void()>& open, const std::function<void()>& close) {
        double best = 1e300;
        for (int run = 0; run < 7; ++run) {
            const double seconds = bench::SecondsPerRun(open, 1, 1);
            close();
            best = std::min(best, seconds);
        }
        return best;
    };
    std::printf("print confirmation dialog, %d named settings\n", NamedSettingsCapacity);
    const double dialog = bestOpening(
        [] {
            FrmPrint::Load();
            UpdateWindow(FrmPrint::Window().Handle());
        },
        [] { FrmPrint::Unload(); });
    Form empty;
    const double baseline = bestOpening(
        [&] {
            empty.Create(FrmPrint::Spec(), [](UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; });
            empty.Show();
            UpdateWindow(empty.Handle());
        },
        [&] { empty.Destroy(); });
    bench::Report("FrmPrint opening", dialog, baseline);
    std::printf("opening takes %.2f times as long as the empty window's (goal: at most 1.5)\n", dialog / baseline);
    return 0;
}
