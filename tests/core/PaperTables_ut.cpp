#include "PaperTables.h"

#include <gtest/gtest.h>

using namespace BasPrinterConst;

// The lists skip the codes left unnamed; a name shifted off its code shows
// at A4 and past the gap of the paper sources.
TEST(PaperTables, ListsSkipUnnamedCodesAndNamesSitOnTheirCodes) {
    InitPaperTables();
    ASSERT_EQ(PaperSizeList().Count(), 44);
    EXPECT_EQ(PaperSizeList().CodeAt(41), 41);
    EXPECT_EQ(PaperSizeList().CodeAt(42), 43);
    EXPECT_EQ(PaperSizeList().CodeAt(43), 256);
    ASSERT_EQ(PaperBinList().Count(), 13);
    EXPECT_EQ(PaperBinList().CodeAt(11), 11);
    EXPECT_EQ(PaperSizeNameOf(9), "A4、210 x 297 mm");
    EXPECT_EQ(PaperBinNameOf(14), "装着されたｶｾｯﾄｶｰﾄﾘｯｼﾞの用紙");
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
    for (const int code : {-1, 42, 255, 257}) EXPECT_TRUE(PaperSizeNameOf(code).empty()) << code;
    for (const int code : {12, 101}) EXPECT_TRUE(PaperBinNameOf(code).empty()) << code;
}
