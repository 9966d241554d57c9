#include "Region.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace region {

std::int16_t ToPixel(double position) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(position)) return 0;
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(position), lowest, highest));
}

PixelRect DragRect(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    // 32 bits: a drag across the whole 16-bit range spans 65536 pixels.
    return {std::min<std::int32_t>(x1, x2), std::min<std::int32_t>(y1, y2), std::abs(std::int32_t(x2) - x1) + 1,
            std::abs(std::int32_t(y2) - y1) + 1};
}

CursorMasks CrossHairMasks() {
    CursorMasks masks;
    masks.andMask.fill(0xFF);
    const auto invert = [&](int x, int y) { masks.xorMask[y * CursorSize / 8 + x / 8] |= 0x80 >> (x % 8); };
    for (int y = 7; y <= 25; ++y) invert(15, y);
    for (int x = 6; x <= 24; ++x) invert(x, 16);
    return masks;
}

}  // namespace region
