#include "SheetPreview.h"

#include <algorithm>

namespace layout {

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
    const PixelRect cut{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                        std::min(a.bottom, b.bottom)};
    return cut.Empty() ? PixelRect{} : cut;
}

SheetInBox FitSheet(const PageMetrics& page, const SheetLayout& sheet, int width, int height, int margin) {
    if (page.paperWidth <= 0 || page.paperHeight <= 0) return {};
    const double scale = std::max(0.0, std::min((width - 2.0 * margin) / page.paperWidth,
                                                (height - 2.0 * margin) / page.paperHeight));
    const int paperWidth = RoundHalfEven(page.paperWidth * scale), paperHeight = RoundHalfEven(page.paperHeight * scale);
    const int left = (width - paperWidth) / 2, top = (height - paperHeight) / 2;
    // Twips from the printable area's corner, as the print places them, to
    // pixels of the box.
    const auto x = [&](double twips) { return left + RoundHalfEven((page.printableLeft + twips) * scale); };
    const auto y = [&](double twips) { return top + RoundHalfEven((page.printableTop + twips) * scale); };
    SheetInBox box;
    box.paper = {left, top, left + paperWidth, top + paperHeight};
    box.printable = Intersection(box.paper, {x(0), y(0), x(page.printableWidth), y(page.printableHeight)});
    if (sheet.draws) box.picture = {x(sheet.picture.left), y(sheet.picture.top), x(sheet.picture.right), y(sheet.picture.bottom)};
    return box;
}

}  // namespace layout
