// The sheet as it will print, drawn small in the print confirmation dialog:
// the paper in its orientation with the aspect of the printer's page, the
// part the printer cannot reach shaded, and the capture where the print puts
// it (PageLayout's one layout), cut at the printable area and colour-reversed
// when asked. The capture is scaled straight into the preview; no layout
// picture is made for it. The page comes from a looking copy of the run's
// printer, so nothing is printed and later jobs find the printer as it was,
// and each page is asked for once while the dialog is open. When the printer
// cannot give the page, one line says why instead of a drawing.
#pragma once
#include <windows.h>

#include <string>
#include <variant>
#include <vector>

#include "PictureSurface.h"
#include "PrintEngine.h"
#include "Printer.h"
#include "Settings.h"
#include "SheetPreview.h"

class PrintPreview {
public:
    // The sheet in the preview's box, or the line that says why there is none.
    using View = std::variant<layout::SheetInBox, std::string>;

    // Lays the capture out for the settings in a box of that size at that
    // DPI; true when what the preview shows has changed.
    bool Update(const PictureSurface& capture, const PrintSettings& settings, bool reverse, SIZE box, int dpi);
    // Draws what Update laid out, with the capture it laid out.
    void Paint(HDC dc, SIZE box, const PictureSurface& capture) const;
    // Forgets the pages asked for: the next dialog asks again.
    void Forget() { asked_.clear(); }

    const View& Showing() const { return view_; }
    bool Reversed() const { return reverse_; }

private:
    using Page = std::variant<layout::PageMetrics, std::string>;
    const Page& PageFor(const PrintSettings& settings);

    // A page asked for: the settings that decide it, and the run's printer as
    // it was, whose paper a paper code 0 keeps.
    struct Asked {
        std::string deviceName;
        std::int16_t paperSize, paperBin, orientation;
        CurrentPrinter runPrinter;
        Page page;
    };
    std::vector<Asked> asked_;
    View view_;
    bool reverse_ = false;
};
