#include "Region.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace region;

namespace {

bool Bit(const std::array<std::uint8_t, 128>& mask, int x, int y) {
    return mask[y * 4 + x / 8] & (0x80 >> (x % 8));
}

void ExpectRect(const PixelRect& r, int left, int top, int width, int height) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

}  // namespace

TEST(Region, PositionsRoundHalvesToEvenAndStayIn16Bits) {
    EXPECT_EQ(ToPixel(10.0), 10);
    EXPECT_EQ(ToPixel(10.5), 10);
    EXPECT_EQ(ToPixel(11.5), 12);
    EXPECT_EQ(ToPixel(-0.5), 0);
    EXPECT_EQ(ToPixel(-1.5), -2);
    EXPECT_EQ(ToPixel(3.49), 3);
    EXPECT_EQ(ToPixel(40000), 32767);
    EXPECT_EQ(ToPixel(-40000), -32768);
    EXPECT_EQ(ToPixel(std::nan("")), 0);
}

TEST(Region, DragRectIncludesBothCornersInEveryDirection) {
    ExpectRect(DragRect(10, 20, 3, 5), 3, 5, 8, 16);
    ExpectRect(DragRect(3, 5, 10, 20), 3, 5, 8, 16);
    ExpectRect(DragRect(3, 20, 10, 5), 3, 5, 8, 16);
    ExpectRect(DragRect(10, 5, 3, 20), 3, 5, 8, 16);
    ExpectRect(DragRect(7, 7, 7, 7), 7, 7, 1, 1);
    ExpectRect(DragRect(-32768, 0, 32767, 0), -32768, 0, 65536, 1);
}

TEST(Region, CrossHairHasTwoInvertedArmsAndNothingElse) {
    const CursorMasks masks = CrossHairMasks();
    int inverted = 0;
    for (int y = 0; y < CursorSize; ++y) {
        for (int x = 0; x < CursorSize; ++x) {
            EXPECT_TRUE(Bit(masks.andMask, x, y));
            const bool onArm = (x == 15 && y >= 7 && y <= 25) || (y == 16 && x >= 6 && x <= 24);
            EXPECT_EQ(Bit(masks.xorMask, x, y), onArm) << x << "," << y;
            inverted += Bit(masks.xorMask, x, y);
        }
    }
    EXPECT_EQ(inverted, 19 + 19 - 1);  // the arms share the hot spot pixel
    EXPECT_TRUE(Bit(masks.xorMask, CursorHotSpotX, CursorHotSpotY));
}
