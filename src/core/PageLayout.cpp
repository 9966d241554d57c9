#include "PageLayout.h"

#include <algorithm>
#include <cmath>

namespace layout {

std::int32_t RoundHalfEven(double value) {
    const double rounded = std::nearbyint(value);
    return static_cast<std::int32_t>(std::clamp(rounded, -2147483648.0, 2147483647.0));
}

std::int32_t TwipsToPixels(double twips, double twipsPerPixel) { return RoundHalfEven(twips / twipsPerPixel); }

LayoutSize ComputeLayoutSize(int size, int sizeP, int hiritsu, std::int32_t w0, std::int32_t h0, std::int32_t pw,
                             std::int32_t ph) {
    const auto sized = [](double w, double h) {
        return LayoutSize{true, std::max(0, RoundHalfEven(w)), std::max(0, RoundHalfEven(h))};
    };
    switch (size) {
    case 1: return sized(w0, h0);
    case 3: return sized(double(sizeP) * w0 / 100.0, double(sizeP) * h0 / 100.0);
    case 2: {
        if (hiritsu != 1 || w0 <= 0 || h0 <= 0) return sized(pw, ph);
        const std::int64_t dx = std::int64_t(pw) - w0, dy = std::int64_t(ph) - h0;
        bool bindWidth;
        if (dx >= 0 && dy >= 0) bindWidth = dx < dy;
        else if (dx >= 0) bindWidth = false;
        else if (dy >= 0) bindWidth = true;
        else bindWidth = -dx > -dy;
        if (bindWidth) return sized(pw, double(h0) * pw / w0);
        return sized(double(w0) * ph / h0, ph);
    }
    default: return {};
    }
}

Placement PlacePicture(int pos, std::int32_t w, std::int32_t h, double tx, double ty, double sw, double sh) {
    const double right = sw - w * tx;
    const double bottom = sh - (h + 12.0) * ty;
    switch (pos) {
    case 1: return {true, 0, 0};
    case 2: return {true, right, 0};
    case 3: return {true, right / 2, (sh - h * ty) / 2};
    case 4: return {true, 0, bottom};
    case 5: return {true, right, bottom};
    default: return {};
    }
}

SheetLayout LayOutSheet(std::int32_t w0, std::int32_t h0, const PageMetrics& page, double tx, double ty,
                        const PrintSettings& settings) {
    SheetLayout sheet;
    sheet.pageWidthPx = TwipsToPixels(page.printableWidth, tx);
    sheet.pageHeightPx = TwipsToPixels(page.printableHeight, ty);
    sheet.size = ComputeLayoutSize(settings.Size, settings.SizeP, settings.Hiritsu, w0, h0, sheet.pageWidthPx,
                                   sheet.pageHeightPx);
    const Placement at = PlacePicture(settings.Pos, sheet.size.width, sheet.size.height, tx, ty, page.printableWidth,
                                      page.printableHeight);
    sheet.draws = sheet.size.rendered && at.draw && sheet.size.width > 0 && sheet.size.height > 0;
    sheet.picture = {at.x, at.y, at.x + sheet.size.width * tx, at.y + sheet.size.height * ty};
    return sheet;
}

}  // namespace layout
