// The program's current printer. It is chosen by exact device name among the
// installed printers and stays current, with the paper settings made on it,
// for later jobs in the run. Paper codes the printer does not offer are
// rejected here: some drivers silently ignore unknown codes.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "PageLayout.h"
#include "PictureSurface.h"

// Draws the picture stretched onto the rectangle of the device context. A
// driver may refuse one large raster; the picture is then drawn again in
// bands of rows, each half as high as the last that failed, down to single
// rows, before it gives up (false). `bandRows` is the height of the first try.
bool DrawPicture(HDC dc, const PictureSurface& picture, const RECT& target, int bandRows);

// The printing system (the spooler and what it brings along, some ten
// megabytes) is loaded at its first use, not at start-up. A print request
// asks for it while its capture is still to come, so the confirmation dialog
// does not wait for it; later calls do nothing.
void LoadPrintingSoon();

// The system's default printer, or empty when none is installed.
std::wstring DefaultPrinterName();

// The driver's own default settings for a printer, or empty when it cannot be
// opened.
std::vector<BYTE> DriverDefaultMode(const std::wstring& name);

class CurrentPrinter {
public:
    // The installed printers' names; nothing when the spooler cannot list them.
    static std::optional<std::vector<std::wstring>> InstalledPrinters();

    // Makes the named printer current; false when it cannot be opened (the
    // current printer then stays). Selecting the current printer again keeps
    // its paper settings.
    bool Select(const std::wstring& name);

    // Each returns false when there is no printer or it refuses the value.
    bool SetPaperSize(int code);
    bool SetPaperBin(int code);
    bool SetOrientation(int code);
    bool ReadMetrics(layout::PageMetrics& metrics);

    // One page, one job: white paper, the picture stretched onto its place in
    // twips from the printable area's corner. Returns false when the spooler
    // did not take the job: it could not be started, its page could not be
    // begun, drawn or ended (the job is then abandoned), or it could not be
    // ended.
    bool PrintPage(const PictureSurface* picture, const layout::TwipsRect& at);

    const std::wstring& Name() const { return name_; }

    // A copy to look at pages with: the paper settings made on it stay in the
    // copy. The driver keeps the last settings handed to it in each process
    // and gives them out as the printer's own afterwards, so a look handed to
    // it would change what later jobs start from.
    CurrentPrinter LookingCopy() const {
        CurrentPrinter copy = *this;
        copy.merges_ = false;
        return copy;
    }

    bool operator==(const CurrentPrinter&) const = default;

private:
    bool EnsurePrinter();
    bool Merge();
    DEVMODEW* Mode() { return reinterpret_cast<DEVMODEW*>(mode_.data()); }

    std::wstring name_;
    std::vector<BYTE> mode_;     // our own copy of the settings for the next job
    short defaultPaperSize_ = 0;
    short defaultPaperBin_ = 0;
    bool merges_ = true;  // false: a looking copy
};
