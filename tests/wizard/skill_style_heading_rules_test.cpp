// The rules of the skill, style and heading screens, without their windows.
#include "request_for.h"
#include "wizard/heading_rules.h"
#include "wizard/style_rules.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(SkillQuestions, WhichActivitiesAskAboutRemaindersAndNegatives) {
    for (int a = 1; a <= 7; ++a) {
        WorksheetRequest r = RequestFor(static_cast<Activity>(a), {1, 1, 1, 1});
        EXPECT_EQ(AsksRemainders(r), a == 1 || a == 3 || a == 5) << "activity " << a;
        EXPECT_EQ(AsksNegatives(r), a != 4 && a != 7) << "activity " << a;
        ApplySkillChoice(r, {1, 0, 1, 0});
        EXPECT_FALSE(AsksRemainders(r)) << "no division, activity " << a;
        EXPECT_FALSE(AsksNegatives(r)) << "no subtraction, activity " << a;
    }
}

TEST(StyleSamples, SignOfTheSkillOrOfDivisionThenAdditionThenSubtraction) {
    const std::pair<std::array<bool, 4>, std::string> cases[] = {
        {{1, 0, 0, 0}, "+"}, {{0, 0, 1, 0}, "x"}, {{0, 0, 0, 1}, "\u00F7"},
        {{1, 1, 0, 0}, "+"}, {{0, 1, 1, 0}, "-"}, {{1, 0, 1, 1}, "\u00F7"},
    };
    for (const auto& [ticked, sign] : cases) {
        const WorksheetRequest r = RequestFor(Activity::SkillsPractice, ticked);
        const StyleSamples samples = SampleTexts(r);
        EXPECT_EQ(samples.horizontal, "12 " + sign + " 3=") << sign;
        EXPECT_EQ(samples.vertical, "   12      " + sign + " 3") << sign;
        EXPECT_EQ(OffersBracket(r), ticked[3]) << sign;
    }
}

TEST(StyleChoice, StyleBitsAndTheRefusalOfTheBracketAloneForMixedSkills) {
    EXPECT_EQ(ProblemStyleOf({true, false, false, false}), 1);
    EXPECT_EQ(ProblemStyleOf({false, true, true, true}), 14);
    EXPECT_FALSE(StyleRefusal(RequestFor(Activity::SkillsPractice, {0, 0, 0, 1}), 1));
    const WorksheetRequest mixed = RequestFor(Activity::SkillsPractice, {1, 0, 0, 1});
    EXPECT_EQ(StyleRefusal(mixed, 1), kBracketAloneRefusal);
    EXPECT_FALSE(StyleRefusal(mixed, 3));
}

TEST(DefaultHeading, SkillWordThenActivityWord) {
    const std::tuple<Activity, std::array<bool, 4>, const char*> cases[] = {
        {Activity::MathSquares, {0, 0, 1, 0}, "Multipication Math Squares"},
        {Activity::Crossword, {1, 1, 0, 0}, "Math Skills Crossword Puzzle"},
        {Activity::SecretRiddle, {0, 0, 0, 1}, "Division Solve-The-Riddle Worksheet"},
        {Activity::SkillsPractice, {1, 0, 0, 0}, "Addition Practice Worksheet"},
        {Activity::WordProblems, {0, 1, 0, 0}, "Subtraction Word Problems Worksheet"},
        {Activity::ValueMatching, {1, 1, 1, 1}, "Math Skills Value-Matching Worksheet"},
        {Activity::FlashCards, {1, 0, 0, 0}, "Addition "}, // no activity word, blank kept
    };
    for (const auto& [activity, ticked, heading] : cases)
        EXPECT_EQ(DefaultHeading(RequestFor(activity, ticked)), heading);
}

// The limit counts characters, not bytes, and the last allowed one is allowed.
TEST(HeadingRefusal, TheLimitIsInclusiveAndCountsCharacters) {
    std::string longest;
    for (int i = 0; i < kLongestHeading; ++i)
        longest += "\u00E9";
    EXPECT_FALSE(HeadingRefusal(longest));
    const auto refusal = HeadingRefusal(longest + "w");
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->text.find(std::to_string(kLongestHeading)), std::string::npos);
}
