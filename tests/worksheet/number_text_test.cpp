#include "worksheet/number_text.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace abacore;

TEST(NumberText, SignPlaceFifteenDigitsAndRounding) {
    // Sign place, whole numbers without a point or exponent, 15 significant digits (not
    // decimals), small quotients in plain decimals, rounding that carries into the next digit.
    const std::vector<std::pair<double, const char*>> cases = {
        {-12, "-12"},
        {-0.0, " 0"},
        {123456789012345678.0, " 123456789012345680"},
        {22.0 / 7.0, " 3.14285714285714"},
        {32767.0 / 3.0, " 10922.3333333333"},
        {1.0 / 32767.0, " 0.0000305185094759972"},
        {0.99999999999999994, " 1"},
        {9.9999999999999982, " 10"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(NumberText(value), text) << text;
    EXPECT_EQ(TrimmedNumberText(7) + TrimmedNumberText(-12), "7-12");
}
