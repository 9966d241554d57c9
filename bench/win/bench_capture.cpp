// A desktop capture and the print layout for A4 (fit, proportions kept) at
// the printer's resolution, against the bare GDI work of the same sizes: one
// BitBlt of the screen and one StretchBlt to the layout size.
#include <windows.h>

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
    BareBlits(int w, int h, int lw, int lh) : width(w), height(h), layoutWidth(lw), layoutHeight(lh) {
        const unique_window_dc screen = GetDcOf(nullptr);
        capture.reset(CreateCompatibleBitmap(screen.get().dc, w, h));
        layout.reset(CreateCompatibleBitmap(screen.get().dc, lw, lh));
        captureDc.reset(CreateCompatibleDC(screen.get().dc));
        layoutDc.reset(CreateCompatibleDC(screen.get().dc));
        SelectObject(captureDc.get(), capture.get());
        SelectObject(layoutDc.get(), layout.get());
    }
    void Run() const {
        unique_window_dc desktop = GetWindowDcOf(GetDesktopWindow());
        BitBlt(captureDc.get(), 0, 0, width, height, desktop.get().dc, 0, 0, SRCCOPY);
        StretchBlt(layoutDc.get(), 0, 0, layoutWidth, layoutHeight, captureDc.get(), 0, 0, width, height, SRCCOPY);
    }
    int width, height, layoutWidth, layoutHeight;
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
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const int lw = page.picture.Width(), lh = page.picture.Height();
    std::printf("screen %d x %d, A4 layout %d x %d (page %d x %d px)\n", w, h, lw, lh, page.sheet.pageWidthPx, page.sheet.pageHeightPx);

    const BareBlits bare(w, h, lw, lh);
    const double ours = bench::SecondsPerRun([&] { prepare(); }, 5);
    const double baseline = bench::SecondsPerRun([&] { bare.Run(); }, 5);
    std::printf("%-40s %12.1f ms   baseline %12.1f ms   ratio %.2f (ours / baseline)\n", "CaptureDesktop + PreparePrint",
                ours * 1e3, baseline * 1e3, ours / baseline);
    return 0;
}
