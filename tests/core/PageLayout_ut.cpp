#include "PageLayout.h"
#include "SheetPreview.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace layout;

namespace {

void ExpectSize(const LayoutSize& s, std::int32_t w, std::int32_t h) {
    EXPECT_EQ(std::tuple(s.rendered, s.width, s.height), std::tuple(true, w, h));
}

}  // namespace

TEST(PageLayout, ActualSizeAndRatio) {
    ExpectSize(ComputeLayoutSize(1, 0, 0, 1280, 1024, 100, 100), 1280, 1024);
    ExpectSize(ComputeLayoutSize(3, 50, 0, 640, 480, 1, 1), 320, 240);
    ExpectSize(ComputeLayoutSize(3, 200, 0, 640, 480, 1, 1), 1280, 960);
    ExpectSize(ComputeLayoutSize(3, 1, 0, 150, 250, 1, 1), 2, 2);    // 1.5 -> 2, 2.5 -> 2
    ExpectSize(ComputeLayoutSize(3, 1, 0, 350, 50, 1, 1), 4, 0);     // 3.5 -> 4, 0.5 -> 0
    ExpectSize(ComputeLayoutSize(3, -20, 0, 640, 480, 1, 1), 0, 0);  // a hand-edited ratio never goes negative
}

TEST(PageLayout, FitFillsThePageOrKeepingProportionsBindsBySmallerPixelDifference) {
    // Without keeping proportions (any value but 1) the page is filled.
    ExpectSize(ComputeLayoutSize(2, 0, 0, 640, 480, 1000, 1400), 1000, 1400);
    ExpectSize(ComputeLayoutSize(2, 0, 7, 640, 480, 1000, 1400), 1000, 1400);
    // Fits both ways: the smaller difference binds; ties bind the height.
    ExpectSize(ComputeLayoutSize(2, 0, 1, 500, 100, 1000, 1400), 1000, 200);
    ExpectSize(ComputeLayoutSize(2, 0, 1, 700, 990, 1000, 1400), 1000, 1414);  // overhangs by 14 pixels
    ExpectSize(ComputeLayoutSize(2, 0, 1, 1000, 1400, 1000, 1400), 1000, 1400);
    ExpectSize(ComputeLayoutSize(2, 0, 1, 600, 1000, 1000, 1400), 840, 1400);
    // Too tall only binds the height, too wide only the width.
    ExpectSize(ComputeLayoutSize(2, 0, 1, 500, 2800, 1000, 1400), 250, 1400);
    ExpectSize(ComputeLayoutSize(2, 0, 1, 2000, 700, 1000, 1400), 1000, 350);
    // Too large both ways: the larger overhang binds.
    ExpectSize(ComputeLayoutSize(2, 0, 1, 3000, 1500, 1000, 1400), 1000, 500);
    ExpectSize(ComputeLayoutSize(2, 0, 1, 1500, 3000, 1000, 1400), 700, 1400);
    // Rounding of the other side goes half to even.
    ExpectSize(ComputeLayoutSize(2, 0, 1, 400, 1, 1000, 1400), 1000, 2);  // 2.5 -> 2
    ExpectSize(ComputeLayoutSize(2, 0, 1, 400, 3, 1000, 1400), 1000, 8);  // 7.5 -> 8
    // Other size modes and empty captures are safe.
    EXPECT_FALSE(ComputeLayoutSize(0, 100, 1, 640, 480, 1000, 1400).rendered);
    EXPECT_FALSE(ComputeLayoutSize(4, 100, 1, 640, 480, 1000, 1400).rendered);
    ExpectSize(ComputeLayoutSize(2, 0, 1, 0, 0, 1000, 1400), 1000, 1400);
}

TEST(PageLayout, FivePositionsWithTheBottomMargin) {
    const double tx = 15, ty = 15, sw = 11906, sh = 16838;  // A4 in twips at 96 dpi
    const auto at = [&](int pos) { return PlacePicture(pos, 100, 50, tx, ty, sw, sh); };
    const std::tuple<int, double, double> places[] = {
        {1, 0, 0}, {2, sw - 1500, 0}, {3, (sw - 1500) / 2, (sh - 750) / 2}, {4, 0, sh - 62 * 15}, {5, sw - 1500, sh - 62 * 15}};
    for (const auto& [pos, x, y] : places) EXPECT_EQ(std::tuple(at(pos).draw, at(pos).x, at(pos).y), std::tuple(true, x, y)) << pos;
    for (int pos : {0, 6, -1}) EXPECT_FALSE(at(pos).draw);
}

TEST(PageLayout, TwipsToPixelsRoundsHalfToEven) {
    EXPECT_EQ(TwipsToPixels(11906, 15), 794);  // 793.73
    EXPECT_EQ(TwipsToPixels(22.5, 15), 2);     // 1.5
    EXPECT_EQ(TwipsToPixels(37.5, 15), 2);     // 2.5
}

// A4 with a quarter-inch margin all round in a 300 x 300 box: the paper keeps
// its aspect in either orientation, the printable area sits inside it, and a
// picture wider than the page runs past the printable area until cut.
TEST(SheetPreview, FitsThePaperPrintableAreaAndPictureInTheBox) {
    const PageMetrics portrait{11906, 16838, 360, 360, 11186, 16118};
    const PageMetrics landscape{16838, 11906, 360, 360, 16118, 11186};
    PrintSettings settings{"", "", 1, 1, 100, 1, 9, 0, 1};  // actual size, top left
    const SheetLayout wide = LayOutSheet(3000, 100, portrait, 15, 15, settings);
    const SheetInBox box = FitSheet(portrait, wide, 300, 300, 10);
    EXPECT_EQ(box.paper, (PixelRect{51, 10, 249, 290}));
    EXPECT_EQ(box.printable, (PixelRect{57, 16, 243, 284}));
    EXPECT_EQ(box.picture, (PixelRect{57, 16, 805, 41}));
    EXPECT_EQ(Intersection(box.picture, box.printable), (PixelRect{57, 16, 243, 41}));
    EXPECT_EQ(FitSheet(landscape, wide, 300, 300, 10).paper, (PixelRect{10, 51, 290, 249}));

    settings.Pos = 0;  // no picture
    EXPECT_TRUE(FitSheet(portrait, LayOutSheet(3000, 100, portrait, 15, 15, settings), 300, 300, 10).picture.Empty());
    EXPECT_EQ(FitSheet(PageMetrics{}, wide, 300, 300, 10), SheetInBox{});  // no page to show
}
