#include "VbNumber.h"

#include <gtest/gtest.h>

using vbnum::LeadingNumber;
using vbnum::ParseInt16;
using vbnum::RoundToInt32;

TEST(VbNumber, LeadingDecimalNumbers) {
    EXPECT_EQ(LeadingNumber("1234"), 1234.0);
    EXPECT_EQ(LeadingNumber("-12abc"), -12.0);
    EXPECT_EQ(LeadingNumber("+3.5x"), 3.5);
    EXPECT_EQ(LeadingNumber("1.5e2"), 150.0);
    EXPECT_EQ(LeadingNumber("2D3"), 2000.0);
    EXPECT_EQ(LeadingNumber("7e"), 7.0);
    EXPECT_EQ(LeadingNumber("7e+"), 7.0);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber(" 5"), 0.0);  // callers trim first
}

TEST(VbNumber, HexAndOctalTakeTheClassicSignedWidths) {
    EXPECT_EQ(LeadingNumber("&H4D2"), 1234.0);
    EXPECT_EQ(LeadingNumber("&h4d2zz"), 1234.0);
    EXPECT_EQ(LeadingNumber("&O2322"), 1234.0);
    EXPECT_EQ(LeadingNumber("&HFFFF"), -1.0);
    EXPECT_EQ(LeadingNumber("&H10000"), 65536.0);
    EXPECT_EQ(LeadingNumber("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(LeadingNumber("&H"), 0.0);
    EXPECT_EQ(LeadingNumber("&X1"), 0.0);
    EXPECT_EQ(LeadingNumber("&H100000000"), std::nullopt);
}

TEST(VbNumber, RoundingGoesHalfToEvenWithin32Bits) {
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(3.5), 4);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(1234.4999), 1234);
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(RoundToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(RoundToInt32(-2147483649.0), std::nullopt);
    EXPECT_EQ(RoundToInt32(*LeadingNumber("1e400")), std::nullopt);
}

TEST(VbNumber, StoredIntegersAreStrict16Bit) {
    EXPECT_EQ(ParseInt16("80"), 80);
    EXPECT_EQ(ParseInt16("-1"), -1);
    EXPECT_EQ(ParseInt16("+7"), 7);
    EXPECT_EQ(ParseInt16("32767"), 32767);
    EXPECT_EQ(ParseInt16("-32768"), -32768);
    for (const char* bad : {"32768", "-32769", "99999999999999999999", "", "-", "1.0", "1a", "a1", " 1", "0x10"})
        EXPECT_EQ(ParseInt16(bad), std::nullopt) << bad;
}
