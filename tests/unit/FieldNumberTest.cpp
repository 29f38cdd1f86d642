#include "ui/entry/FieldNumber.h"

#include <gtest/gtest.h>

TEST(FieldNumber, ReadsSignedDecimalsAfterBlanks) {
    EXPECT_EQ(ParseFieldInt("2009"), 2009);
    EXPECT_EQ(ParseFieldInt(" 7"), 7);
    EXPECT_EQ(ParseFieldInt("-3"), -3);
    EXPECT_EQ(ParseFieldInt("  -12x"), -12);
    EXPECT_EQ(ParseFieldInt("31abc"), 31);
    EXPECT_EQ(ParseFieldInt("007"), 7);
}

TEST(FieldNumber, ReadsZeroWithoutDigits) {
    EXPECT_EQ(ParseFieldInt(""), 0);
    EXPECT_EQ(ParseFieldInt("abc"), 0);
    EXPECT_EQ(ParseFieldInt("-"), 0);
    EXPECT_EQ(ParseFieldInt("+5"), 0);
    EXPECT_EQ(ParseFieldInt("- 5"), 0);
    EXPECT_EQ(ParseFieldInt("\xB3\xE2"), 0);  // a Hangul syllable
}

TEST(FieldNumber, KeepsTheWholeSigned32BitRangeAndNothingBeyond) {
    EXPECT_EQ(ParseFieldInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseFieldInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseFieldInt("2147483648"), 0);
    EXPECT_EQ(ParseFieldInt("-2147483649"), 0);
    EXPECT_EQ(ParseFieldInt("12345678901"), 0);
    EXPECT_EQ(ParseFieldInt("99999999999999999999999"), 0);
}

TEST(FieldNumber, WritesListItemsInTwoColumns) {
    EXPECT_EQ(TwoColumnNumber(1), " 1");
    EXPECT_EQ(TwoColumnNumber(9), " 9");
    EXPECT_EQ(TwoColumnNumber(10), "10");
    EXPECT_EQ(TwoColumnNumber(31), "31");
}
