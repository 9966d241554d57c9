// The sheet drawn small: where the paper, the part of it the printer can
// reach and the picture stand in a box of preview pixels. The picture's
// place comes from the print's own layout (PageLayout.h), so the preview
// shows what the printer will be given.
#pragma once
#include "PageLayout.h"

namespace layout {

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

PixelRect Intersection(const PixelRect& a, const PixelRect& b);

struct SheetInBox {
    PixelRect paper;      // the whole sheet, its aspect kept, centred in the box
    PixelRect printable;  // what the printer reaches; the rest of the paper it cannot print on
    PixelRect picture;    // the picture before it is cut at the printable area; empty when none is printed
    bool operator==(const SheetInBox&) const = default;
};

// The page and the sheet's layout in a box of width x height pixels, with
// `margin` pixels kept clear around the paper.
SheetInBox FitSheet(const PageMetrics& page, const SheetLayout& sheet, int width, int height, int margin);

}  // namespace layout
