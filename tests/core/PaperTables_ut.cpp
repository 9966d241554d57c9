#include "PaperTables.h"

#include <gtest/gtest.h>

using namespace BasPrinterConst;

TEST(PaperTables, ListsOfferExactlyTheNamedCodesInOrder) {
    InitPaperTables();
    const CodeList& sizes = PaperSizeList();
    ASSERT_EQ(sizes.Count(), 44);
    EXPECT_EQ(sizes.CodeAt(0), 0);
    EXPECT_EQ(sizes.CodeAt(41), 41);
    EXPECT_EQ(sizes.CodeAt(42), 43);
    EXPECT_EQ(sizes.CodeAt(43), 256);
    std::vector<int> bins;
    for (int i = 0; i < PaperBinList().Count(); ++i) bins.push_back(*PaperBinList().CodeAt(i));
    EXPECT_EQ(bins, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14}));
}

// Stored codes come from files anyone may edit; a list box answers -1 when
// nothing is chosen.
TEST(PaperTables, NoLookupReachesOutsideATable) {
    InitPaperTables();
    const struct {
        const CodeList& list;
        int index;
        std::optional<int> code;
    } positions[] = {
        {PaperSizeList(), -1, std::nullopt}, {PaperSizeList(), 44, std::nullopt}, {PaperBinList(), 12, 14},
        {PaperBinList(), 13, std::nullopt},
    };
    for (const auto& p : positions) EXPECT_EQ(p.list.CodeAt(p.index), p.code) << p.index;
    const struct {
        const CodeList& list;
        int code;
        std::optional<int> index;
    } codes[] = {
        {PaperSizeList(), 256, 43}, {PaperSizeList(), 42, std::nullopt}, {PaperSizeList(), 257, std::nullopt},
        {PaperSizeList(), -1, std::nullopt}, {PaperBinList(), 14, 12}, {PaperBinList(), 300, std::nullopt},
    };
    for (const auto& c : codes) EXPECT_EQ(c.list.IndexOf(c.code), c.index) << c.code;
    EXPECT_TRUE(PaperSizeNameOf(-1).empty());
    EXPECT_TRUE(PaperSizeNameOf(257).empty());
    EXPECT_TRUE(PaperBinNameOf(101).empty());
}

TEST(PaperTables, NamesAreExact) {
    InitPaperTables();
    EXPECT_EQ(PaperSizeNameOf(0), "指定なし");
    EXPECT_EQ(PaperSizeNameOf(9), "A4、210 x 297 mm");
    EXPECT_EQ(PaperSizeNameOf(12), "B4、250 x 354 mm");
    EXPECT_EQ(PaperSizeNameOf(33), "封筒 B4、250 x 353 mm");
    EXPECT_EQ(PaperSizeNameOf(35), "封筒 B6、176 x 125 mm");
    EXPECT_EQ(PaperSizeNameOf(256), "ﾕｰｻﾞｰ定義のｻｲｽﾞ");
    EXPECT_EQ(PaperBinNameOf(0), "指定なし");
    EXPECT_EQ(PaperBinNameOf(1), "上段のﾄﾚｰの用紙");
    EXPECT_EQ(PaperBinNameOf(7), "現在の既定値のﾄﾚｰの用紙");
    EXPECT_EQ(PaperBinNameOf(14), "装着されたｶｾｯﾄｶｰﾄﾘｯｼﾞの用紙");
    EXPECT_TRUE(PaperSizeNameOf(42).empty());
    EXPECT_TRUE(PaperSizeNameOf(255).empty());
    EXPECT_TRUE(PaperBinNameOf(12).empty());
}
