// Geometry of the region selection: mouse positions as the selection keeps
// them, the rectangle a drag spans and the selection's cross-hair cursor.
#pragma once
#include <array>
#include <cstdint>

namespace region {

// A mouse position in pixels as the selection stores it: the nearest whole
// pixel, halves to the even neighbour, held in 16 bits.
std::int16_t ToPixel(double position);

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The rectangle between a press and a release point, both pixels included,
// whichever corner the drag started from.
PixelRect DragRect(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);

// The cross-hair: 32 x 32, hot spot (15, 16), a vertical arm in column 15 from
// row 7 to 25 and a horizontal arm in row 16 from column 6 to 24, both
// inverting the screen beneath; everything else is transparent.
constexpr int CursorSize = 32;
constexpr int CursorHotSpotX = 15;
constexpr int CursorHotSpotY = 16;

// Monochrome cursor masks, one bit per pixel, rows of 4 bytes from the top,
// the leftmost pixel in the highest bit. AND 1 with XOR 0 is transparent, AND
// 1 with XOR 1 inverts.
struct CursorMasks {
    std::array<std::uint8_t, CursorSize * CursorSize / 8> andMask{};
    std::array<std::uint8_t, CursorSize * CursorSize / 8> xorMask{};
};

CursorMasks CrossHairMasks();

}  // namespace region
