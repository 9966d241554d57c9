#include "VbNumber.h"

#include <gtest/gtest.h>

using namespace vbnum;

TEST(VbNumber, LeadingNumbersWithHexAndOctalInTheClassicSignedWidths) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1234", 1234.0}, {"-12abc", -12.0}, {"+3.5x", 3.5}, {"1.5e2", 150.0}, {"2D3", 2000.0}, {"7e", 7.0},
        {"7e+", 7.0}, {".5", 0.5}, {"", 0.0}, {"abc", 0.0}, {"-", 0.0},
        {" 5", 0.0},  // callers trim first
        {"&h4d2zz", 1234.0}, {"&O2322", 1234.0}, {"&HFFFF", -1.0}, {"&H10000", 65536.0}, {"&HFFFFFFFF", -1.0},
        {"&H", 0.0}, {"&X1", 0.0}, {"&H100000000", std::nullopt}};
    for (const auto& [text, number] : cases) EXPECT_EQ(LeadingNumber(text), number) << text;
}

TEST(VbNumber, RoundingGoesHalfToEvenWithin32Bits) {
    const std::pair<double, std::optional<std::int32_t>> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {1234.4999, 1234}, {2147483647.4, 2147483647},
        {-2147483648.0, -2147483647 - 1}, {2147483647.5, std::nullopt}, {-2147483649.0, std::nullopt},
        {*LeadingNumber("1e400"), std::nullopt}};
    for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundToInt32(value), rounded) << value;
}

TEST(VbNumber, StoredIntegersAreStrict16Bit) {
    EXPECT_EQ(ParseInt16("+7"), 7);
    EXPECT_EQ(ParseInt16("32767"), 32767);
    EXPECT_EQ(ParseInt16("-32768"), -32768);
    for (const char* bad : {"32768", "-32769", "99999999999999999999", "", "-", "1.0", "1a", "a1", " 1", "0x10"})
        EXPECT_EQ(ParseInt16(bad), std::nullopt) << bad;
}
