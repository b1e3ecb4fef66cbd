#include "core/utf8.h"

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace abacore;

// The first and last code point of each length go through both ways in the shortest form.
TEST(Utf8, EveryLengthRoundTrips) {
    const std::u32string edges = U"\u0001\u007F\u0080\u07FF\u0800\uD7FF\uE000\uFFFF"
                                 U"\U00010000\U0010FFFF";
    const std::string bytes = EncodeUtf8(edges);
    EXPECT_EQ(DecodeUtf8("a" + bytes + "b"), U"a" + edges + U"b");
}

// One U+FFFD for each byte that does not start a well-formed sequence; the next byte is read
// afresh, so a good character after a bad one survives.
TEST(Utf8, EachBadByteReadsAsOneReplacementCharacter) {
    const char32_t bad = kReplacementCharacter;
    const struct {
        std::string text;
        std::u32string expected;
    } cases[] = {
        {"\xE2\x82"
         "A",
         {bad, bad, U'A'}},                             // cut off by an ASCII character
        {"x\xF0\x9F\x98", {U'x', bad, bad, bad}},       // cut off by the end
        {"\xE2\xC3\xB7", {bad, U'\u00F7'}},             // cut off by a new character
        {"\x80\xBF", {bad, bad}},                       // continuation bytes alone
        {"\xC0\x80", {bad, bad}},                       // overlong NUL
        {"\xE0\x9F\xBF", {bad, bad, bad}},              // overlong U+07FF
        {"\xF0\x8F\xBF\xBF", {bad, bad, bad, bad}},     // overlong U+FFFF
        {"\xED\xA0\x80", {bad, bad, bad}},              // surrogate U+D800
        {"\xED\x9F\xBF", {U'\uD7FF'}},                  // just below the surrogates
        {"\xF4\x8F\xBF\xBF", {U'\U0010FFFF'}},          // the last code point
        {"\xF4\x90\x80\x80", {bad, bad, bad, bad}},     // above U+10FFFF
        {"\xF5\x80\xFE\xFF", {bad, bad, bad, bad}},     // never in UTF-8
        {"\xF0\x9F\x98\x80\x80", {U'\U0001F600', bad}}, // one continuation too many
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(DecodeUtf8(text), expected) << text;
        EXPECT_EQ(CharacterCount(text), static_cast<int>(expected.size())) << text;
    }
}

TEST(NumberText, SignPlaceFifteenDigitsAndRounding) {
    // Sign place, whole numbers without a point or exponent, 15 significant digits (not
    // decimals), small quotients in plain decimals, rounding that carries into the next digit.
    const std::vector<std::pair<double, const char*>> cases = {
        {-12, "-12"},
        {-0.0, " 0"},
        {123456789012345678.0, " 123456789012345680"},
        {22.0 / 7.0, " 3.14285714285714"},
        {1.0 / 32767.0, " 0.0000305185094759972"},
        {0.99999999999999994, " 1"},
        {9.9999999999999982, " 10"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(NumberText(value), text) << text;
    EXPECT_EQ(TrimmedNumberText(7) + TrimmedNumberText(-12), "7-12");
}
