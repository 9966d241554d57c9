// A desktop capture of every monitor and the print layout for A4 (fit,
// proportions kept) at the printer's resolution, against the bare GDI work of
// the same sizes: one BitBlt of the whole virtual screen and one StretchBlt to
// the layout size. Run on one monitor and on two, where the capture copies
// each monitor and clears what none shows. The page is asked of the printer
// once, as a print asks it once; the whole preparation, which asks the
// spooler again each time, is reported beside it.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "BenchHarness.h"
#include "Capture.h"
#include "HumanSeam.h"
#include "PaperTables.h"
#include "PrintEngine.h"
#include "UniqueHandle.h"

using namespace BasRuxa;

namespace {

// The same two GDI calls on plain bitmaps of the same sizes.
struct BareBlits {
    BareBlits(RECT area, int lw, int lh)
        : left(area.left), top(area.top), width(area.right - area.left), height(area.bottom - area.top),
          layoutWidth(lw), layoutHeight(lh) {
        const unique_window_dc screen = GetDcOf(nullptr);
        capture.reset(CreateCompatibleBitmap(screen.get().dc, width, height));
        layout.reset(CreateCompatibleBitmap(screen.get().dc, lw, lh));
        captureDc.reset(CreateCompatibleDC(screen.get().dc));
        layoutDc.reset(CreateCompatibleDC(screen.get().dc));
        SelectObject(captureDc.get(), capture.get());
        SelectObject(layoutDc.get(), layout.get());
    }
    void Run() const {
        const unique_window_dc screen = GetDcOf(nullptr);
        BitBlt(captureDc.get(), 0, 0, width, height, screen.get().dc, left, top, SRCCOPY);
        StretchBlt(layoutDc.get(), 0, 0, layoutWidth, layoutHeight, captureDc.get(), 0, 0, width, height, SRCCOPY);
    }
    int left, top, width, height, layoutWidth, layoutHeight;
    unique_hbitmap capture, layout;
    unique_hdc captureDc, layoutDc;
};

}  // namespace

int main() {
    BasPrinterConst::InitPaperTables();
    SetMessageBoxAnswerer([](const MessageBoxCall& call) {
        std::printf("unexpected message: %s\n", call.text.c_str());
        return IDOK;
    });
    PrintSettings print{"", "PDF", 3, 2, 100, 1, 9, 0, 1};  // A4, fit, proportions kept

    const auto prepare = [&] { return PreparePrint(Printer(), Capture::CaptureDesktop(false), print, false); };
    const auto first = prepare();
    if (!std::holds_alternative<PreparedPage>(first)) return 1;
    const PreparedPage& page = std::get<PreparedPage>(first);
    const RECT screen = Capture::VirtualScreen();
    const int monitors = GetSystemMetrics(SM_CMONITORS);
    const int lw = page.picture.Width(), lh = page.picture.Height();
    std::printf("virtual screen %ld x %ld on %d monitor(s), A4 layout %d x %d (page %d x %d px)\n",
                screen.right - screen.left, screen.bottom - screen.top, monitors, lw, lh, page.sheet.pageWidthPx,
                page.sheet.pageHeightPx);

    const BareBlits bare(screen, lw, lh);
    const auto layOut = [&] { return LayOutPage(Capture::CaptureDesktop(false), page.page, print, false); };
    // Batches of the cases take turns, so a busy spell of the machine weighs
    // on all alike; the fastest batch of each counts.
    double ours = 1e300, whole = 1e300, baseline = 1e300;
    for (int turn = 0; turn < 15; ++turn) {
        ours = std::min(ours, bench::SecondsPerRun([&] { layOut(); }, 3, 1));
        whole = std::min(whole, bench::SecondsPerRun([&] { prepare(); }, 3, 1));
        baseline = std::min(baseline, bench::SecondsPerRun([&] { bare.Run(); }, 3, 1));
    }
    const auto report = [&](const char* what, double seconds) {
        char name[64];
        std::snprintf(name, sizeof name, "%s, %d monitor(s)", what, monitors);
        std::printf("%-44s %10.1f ms   baseline %10.1f ms   ratio %.2f (ours / baseline)\n", name, seconds * 1e3,
                    baseline * 1e3, seconds / baseline);
    };
    report("CaptureDesktop + LayOutPage", ours);
    report("CaptureDesktop + PreparePrint", whole);
    return 0;
}
