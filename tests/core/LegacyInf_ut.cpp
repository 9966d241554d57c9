#include "LegacyInf.h"

#include <gtest/gtest.h>

TEST(LegacyInf, SevenValuesByCommasOrLines) {
    for (const char* text : {"1,10,0,1,0,0,2", "1\r\n10\r\n0\r\n1\r\n0\r\n0\r\n2\r\n", " 1 , 10,0\n1,0\n\n0,2,99"}) {
        const auto parsed = ParseLegacyInf(text);
        ASSERT_TRUE(std::holds_alternative<LegacyOptions>(parsed)) << text;
        const LegacyOptions o = std::get<LegacyOptions>(parsed);
        EXPECT_EQ(o.SelfTimer, 1);
        EXPECT_EQ(o.SelfTime, 10);
        EXPECT_EQ(o.ConfirmBeforePrint, 0);
        EXPECT_EQ(o.IconDelete, 1);
        EXPECT_EQ(o.ReversePrint, 0);
        EXPECT_EQ(o.DoubleClick, 2);
    }
    const auto skipped = std::get<LegacyOptions>(ParseLegacyInf("0,0,0,0,5,1,1"));
    EXPECT_EQ(skipped.ReversePrint, 1);  // the fifth value is dropped
    EXPECT_EQ(std::get<LegacyOptions>(ParseLegacyInf("1,,1,1,1,1,1")).SelfTime, 0);
}

TEST(LegacyInf, DamagedFilesReportTheClassicErrors) {
    const auto error = [](const char* text) { return std::get<RuntimeError>(ParseLegacyInf(text)); };
    EXPECT_EQ(error("").Number, 62);
    EXPECT_EQ(error("1,2,3").Number, 62);
    EXPECT_EQ(error("1,2,3").Description, "ファイルにこれ以上データがありません。");
    EXPECT_EQ(error("1,x,3,4,5,6,7").Number, 13);
    EXPECT_EQ(error("1,x,3,4,5,6,7").Description, "型が一致しません。");
    EXPECT_EQ(error("1,99999,3,4,5,6,7").Number, 6);
}
