// The common-dialog wrapper's text rules.
#include <gtest/gtest.h>

#include <string>

#include "CommonDialogText.h"

using namespace std::string_literals;

TEST(CommonDialogText, FilterBarsBecomeNulsWithOneClosingNul) {
    const struct {
        const char* filter;
        std::string api;
    } cases[] = {
        {"イメージファイル(*.BMP;*.JPG;*.JPEG)|*.bmp;*.jpg;*.jpeg|", "イメージファイル(*.BMP;*.JPG;*.JPEG)\0*.bmp;*.jpg;*.jpeg\0"s},
        {"A|*.a|B|*.b|", "A\0*.a\0B\0*.b\0"s},
        {"A|*.a", "A\0*.a\0"s},  // no closing bar: one NUL is added
        {"", "\0"s},
    };
    for (const auto& c : cases) EXPECT_EQ(commondlg::ApiFilter(c.filter), c.api) << c.filter;
}

TEST(CommonDialogText, ErrorDescriptionsByCode) {
    EXPECT_STREQ(commondlg::ErrorDescription(20476), "メンバ lpstrFile が指すバッファが小さすぎます。");
    EXPECT_STREQ(commondlg::ErrorDescription(28668), commondlg::ErrorDescription(28671));
    EXPECT_STREQ(commondlg::ErrorDescription(32760), "関数が指定したリソースをロードできません。");
    EXPECT_STREQ(commondlg::ErrorDescription(32761), "関数が指定したリソースをロードできません。");
    EXPECT_STREQ(commondlg::ErrorDescription(-32768), "関数がダイアログ ボックスをロードできません。");
    // The dialog service's own codes find their rows.
    EXPECT_STREQ(commondlg::ErrorDescription(0x3003), commondlg::ErrorDescription(20476));
    EXPECT_STREQ(commondlg::ErrorDescription(0xFFFF), commondlg::ErrorDescription(-32768));
    for (const int unknown : {0, 1, 12292, 32768}) EXPECT_STREQ(commondlg::ErrorDescription(unknown), "未知のｴﾗｰです。");
}

TEST(CommonDialogText, HelpKeyIsAWhole32BitNumber) {
    EXPECT_EQ(commondlg::HelpKeyNumber("42"), 42);
    EXPECT_EQ(commondlg::HelpKeyNumber(" -7 "), -7);
    EXPECT_EQ(commondlg::HelpKeyNumber("2147483647"), 2147483647);
    for (const char* refused : {"", "abc", "12abc", "1.5", "2147483648"})
        EXPECT_FALSE(commondlg::HelpKeyNumber(refused).has_value()) << refused;
}
