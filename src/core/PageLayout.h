// Page layout arithmetic of the print engine, in screen pixels and twips
// (1440 per inch). Pure functions, so every size mode and position can be
// checked without a printer. LayOutSheet is the one layout that both the
// print and its preview in the confirmation dialog follow.
#pragma once
#include <cstdint>

#include "Settings.h"

namespace layout {

// Nearest whole pixel, halves to the even neighbour.
std::int32_t RoundHalfEven(double value);

// Printable size in twips to whole screen pixels.
std::int32_t TwipsToPixels(double twips, double twipsPerPixel);

struct LayoutSize {
    bool rendered = false;  // false: the layout picture stays blank
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The layout picture's size for a capture of w0 x h0 on a printable page of
// pw x ph pixels. size: 1 actual, 2 fit (hiritsu 1 keeps proportions), 3 ratio
// sizeP per cent. A fractional ratio size is rounded to the nearest pixel
// (halves to even); sizes never go below zero.
LayoutSize ComputeLayoutSize(int size, int sizeP, int hiritsu, std::int32_t w0, std::int32_t h0, std::int32_t pw,
                             std::int32_t ph);

struct Placement {
    bool draw = false;  // false: the page stays blank
    double x = 0;       // twips from the printable area's corner
    double y = 0;
};

// Where a picture of w x h pixels goes on a printable area of sw x sh twips:
// pos 1 top left, 2 top right, 3 centre, 4 bottom left, 5 bottom right; the
// bottom positions keep 12 pixels clear of the bottom edge.
Placement PlacePicture(int pos, std::int32_t w, std::int32_t h, double tx, double ty, double sw, double sh);

// A printer's page in twips, as its driver reports it: the whole sheet of
// paper and the part of it the printer can reach.
struct PageMetrics {
    double paperWidth = 0;
    double paperHeight = 0;
    double printableLeft = 0;  // from the paper's corner
    double printableTop = 0;
    double printableWidth = 0;
    double printableHeight = 0;
    bool operator==(const PageMetrics&) const = default;
};

// A rectangle in twips from the printable area's corner.
struct TwipsRect {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Where a capture lands on the page.
struct SheetLayout {
    std::int32_t pageWidthPx = 0;  // the printable area in screen pixels
    std::int32_t pageHeightPx = 0;
    LayoutSize size;      // the layout picture, in screen pixels
    bool draws = false;   // false: the page stays blank
    TwipsRect picture;    // the layout picture at its natural size; it may overhang the printable area
};

// The layout of a capture of w0 x h0 screen pixels on the page by the print
// settings' size mode, ratio, aspect lock and position; tx and ty are the
// screen's twips per pixel.
SheetLayout LayOutSheet(std::int32_t w0, std::int32_t h0, const PageMetrics& page, double tx, double ty,
                        const PrintSettings& settings);

}  // namespace layout
