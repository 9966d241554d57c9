#include "Region.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace region;

TEST(Region, PositionsRoundHalvesToEvenAndStayIn16Bits) {
    const std::pair<double, int> cases[] = {{10.5, 10},    {11.5, 12},     {-0.5, 0},      {-1.5, -2},
                                            {3.49, 3},     {40000, 32767}, {-40000, -32768}, {std::nan(""), 0}};
    for (const auto& [position, pixel] : cases) EXPECT_EQ(ToPixel(position), pixel) << position;
}

TEST(Region, DragRectIncludesBothCornersInEveryDirection) {
    using Rect = std::tuple<int, int, int, int>;
    const auto rect = [](PixelRect r) { return Rect{r.left, r.top, r.width, r.height}; };
    for (const auto& [x1, y1, x2, y2] : {Rect{10, 20, 3, 5}, {3, 5, 10, 20}, {3, 20, 10, 5}, {10, 5, 3, 20}})
        EXPECT_EQ(rect(DragRect(x1, y1, x2, y2)), (Rect{3, 5, 8, 16}));
    EXPECT_EQ(rect(DragRect(7, 7, 7, 7)), (Rect{7, 7, 1, 1}));
    EXPECT_EQ(rect(DragRect(-32768, 0, 32767, 0)), (Rect{-32768, 0, 65536, 1}));
}

TEST(Region, CrossHairHasTwoInvertedArmsAndNothingElse) {
    const CursorMasks masks = CrossHairMasks();
    const auto bit = [](const auto& mask, int x, int y) { return (mask[y * 4 + x / 8] & (0x80 >> (x % 8))) != 0; };
    for (int y = 0; y < CursorSize; ++y) {
        for (int x = 0; x < CursorSize; ++x) {
            EXPECT_TRUE(bit(masks.andMask, x, y));
            const bool onArm = (x == 15 && y >= 7 && y <= 25) || (y == 16 && x >= 6 && x <= 24);
            EXPECT_EQ(bit(masks.xorMask, x, y), onArm) << x << "," << y;
        }
    }
    EXPECT_TRUE(bit(masks.xorMask, CursorHotSpotX, CursorHotSpotY));
}
