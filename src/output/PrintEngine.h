// The print engine: one capture on one page as one job, laid out by the
// print settings it is given. It reads no program state: the picture, the
// settings, whether to reverse the colours and the printer to use (which
// keeps its paper settings between jobs of a run) are its arguments, and it
// returns what happened.
#pragma once
#include <windows.h>

#include <string>
#include <variant>

#include "PageLayout.h"
#include "PictureSurface.h"
#include "Printer.h"
#include "Settings.h"

namespace BasRuxa {

// A printer or paper problem, or a page that could not be made: the message
// that tells the user (an OK box without an icon).
struct PrintFailure {
    std::string title;
    std::string text;
};

// The page as it will print: the layout picture (the capture scaled by the
// size mode, colour-reversed when asked; blank for a size mode outside 1 to
// 3), the page's metrics and where the picture goes on it.
struct PreparedPage {
    PictureSurface picture;
    layout::PageMetrics page;
    layout::SheetLayout sheet;
};

// Why the printer could not give the page the settings ask for: the printer
// could not be opened, it lacks the paper size or the paper source, or it
// refused the orientation or to measure the page.
enum class PageRefusal { PrinterName, PaperSize, PaperBin, Page };

enum class PrintStatus { Printed, Failed, NothingToPrint };

struct PrintResult {
    PrintStatus status = PrintStatus::Printed;
    PrintFailure failure;  // with Failed
};

// The printer all jobs of this run go to.
CurrentPrinter& Printer();

// Selects the printer the settings name (a name that matches no printer keeps
// the current one) and applies paper size, source and orientation to it:
// the page a print with these settings gets.
std::variant<layout::PageMetrics, PageRefusal> SetUpPage(CurrentPrinter& printer, const PrintSettings& settings);

// The capture laid out on that page: where it goes, and the layout picture.
std::variant<PreparedPage, PrintFailure> LayOutPage(const PictureSurface& capture, const layout::PageMetrics& page,
                                                    const PrintSettings& settings, bool reverse);

// SetUpPage, then LayOutPage.
std::variant<PreparedPage, PrintFailure> PreparePrint(CurrentPrinter& printer, const PictureSurface& capture,
                                                      const PrintSettings& settings, bool reverse);

// PreparePrint, then one page with the picture at its place. Nothing is
// printed for a capture without pixels, or when the page could not be made.
PrintResult PrintCapture(CurrentPrinter& printer, const PictureSurface& capture, const PrintSettings& settings,
                         bool reverse);

// Shows the failure's message, owned by `owner`.
void ReportPrintFailure(HWND owner, const PrintFailure& failure);

}  // namespace BasRuxa
