#include "PaperTables.h"

#include <gtest/gtest.h>

using namespace BasPrinterConst;

TEST(PaperTables, ListingsOfferExactlyTheNamedCodes) {
    InitPaperTables();
    std::vector<int> sizes, bins;
    for (int code = 0; code <= PaperSizeMax; ++code)
        if (!PaperSizeName[code].empty()) sizes.push_back(code);
    for (int code = 0; code <= PaperBinMax; ++code)
        if (!PaperBinName[code].empty()) bins.push_back(code);
    ASSERT_EQ(sizes.size(), 44u);
    EXPECT_EQ(sizes[41], 41);
    EXPECT_EQ(sizes[42], 43);
    EXPECT_EQ(sizes[43], 256);
    EXPECT_EQ(bins, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14}));
}

TEST(PaperTables, NamesAreExact) {
    InitPaperTables();
    EXPECT_EQ(PaperSizeName[0], "指定なし");
    EXPECT_EQ(PaperSizeName[9], "A4、210 x 297 mm");
    EXPECT_EQ(PaperSizeName[12], "B4、250 x 354 mm");
    EXPECT_EQ(PaperSizeName[33], "封筒 B4、250 x 353 mm");
    EXPECT_EQ(PaperSizeName[35], "封筒 B6、176 x 125 mm");
    EXPECT_EQ(PaperSizeName[256], "ﾕｰｻﾞｰ定義のｻｲｽﾞ");
    EXPECT_EQ(PaperBinName[7], "現在の既定値のﾄﾚｰの用紙");
    EXPECT_EQ(PaperBinName[14], "装着されたｶｾｯﾄｶｰﾄﾘｯｼﾞの用紙");
    EXPECT_TRUE(PaperSizeName[42].empty());
    EXPECT_TRUE(PaperSizeName[255].empty());
    EXPECT_TRUE(PaperBinName[12].empty());
}

TEST(PaperTables, LookupsOutsideTheTablesHaveNoName) {
    InitPaperTables();
    EXPECT_TRUE(PaperSizeNameOf(-1).empty());
    EXPECT_TRUE(PaperSizeNameOf(257).empty());
    EXPECT_TRUE(PaperBinNameOf(101).empty());
    EXPECT_EQ(PaperBinNameOf(1), "上段のﾄﾚｰの用紙");
}
