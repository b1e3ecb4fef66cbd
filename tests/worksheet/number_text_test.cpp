#include "worksheet/number_text.h"

#include <gtest/gtest.h>

TEST(NumberText, WholeNumbersHaveNoDecimalPointAndASignPlace) {
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(7), " 7");
    EXPECT_EQ(NumberText(-12), "-12");
    EXPECT_EQ(NumberText(-0.0), " 0");
    EXPECT_EQ(NumberText(1073676289), " 1073676289");
    EXPECT_EQ(NumberText(123456789012345678.0), " 123456789012345680");
    EXPECT_EQ(TrimmedNumberText(7), "7");
    EXPECT_EQ(TrimmedNumberText(-12), "-12");
}

TEST(NumberText, FractionsKeepFifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(NumberText(3.5), " 3.5");
    EXPECT_EQ(NumberText(22.0 / 7.0), " 3.14285714285714");
    EXPECT_EQ(NumberText(2.0 / 3.0), " 0.666666666666667");
    EXPECT_EQ(NumberText(-2.5), "-2.5");
    EXPECT_EQ(NumberText(32767.0 / 3.0), " 10922.3333333333");
    // Small quotients stay in plain decimal notation.
    EXPECT_EQ(NumberText(1.0 / 32767.0), " 0.0000305185094759972");
    EXPECT_EQ(TrimmedNumberText(0.125), "0.125");
}

TEST(NumberText, RoundingCarriesIntoTheNextDigit) {
    EXPECT_EQ(NumberText(0.99999999999999994), " 1");
    EXPECT_EQ(NumberText(9.9999999999999982), " 10");
    EXPECT_EQ(NumberText(1.0000000000000002), " 1");
    EXPECT_EQ(NumberText(123.45600000000002), " 123.456");
}

TEST(NumberText, AppendingExtendsTheText) {
    std::string s = "x";
    AppendNumberText(s, 4);
    AppendTrimmedNumberText(s, -1.5);
    EXPECT_EQ(s, "x 4-1.5");
}
