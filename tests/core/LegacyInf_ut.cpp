#include "LegacyInf.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(LegacyInf, SevenValuesByCommasOrLines) {
    for (const char* text : {"1,10,0,1,0,0,2", "1\r\n10\r\n0\r\n1\r\n0\r\n0\r\n2\r\n", " 1 , 10,0\n1,0\n\n0,2,99"}) {
        const auto parsed = ParseLegacyInf(text);
        ASSERT_TRUE(std::holds_alternative<LegacyOptions>(parsed)) << text;
        const LegacyOptions o = std::get<LegacyOptions>(parsed);
        EXPECT_EQ(std::tuple(o.SelfTimer, o.SelfTime, o.ConfirmBeforePrint, o.IconDelete, o.ReversePrint, o.DoubleClick),
                  std::tuple(1, 10, 0, 1, 0, 2));
    }
    const auto skipped = std::get<LegacyOptions>(ParseLegacyInf("0,0,0,0,5,1,1"));
    EXPECT_EQ(skipped.ReversePrint, 1);  // the fifth value is dropped
    EXPECT_EQ(std::get<LegacyOptions>(ParseLegacyInf("1,,1,1,1,1,1")).SelfTime, 0);
}

TEST(LegacyInf, DamagedFilesReportTheClassicErrors) {
    for (const auto& [text, number, description] :
         {std::tuple{"", 62, "ファイルにこれ以上データがありません。"}, {"1,2,3", 62, "ファイルにこれ以上データがありません。"},
          {"1,x,3,4,5,6,7", 13, "型が一致しません。"}, {"1,99999,3,4,5,6,7", 6, "オーバーフローしました。"}}) {
        const RuntimeError error = std::get<RuntimeError>(ParseLegacyInf(text));
        EXPECT_EQ(std::tuple(error.Number, error.Description), std::tuple(number, description)) << text;
    }
}
