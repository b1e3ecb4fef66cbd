#include "wizard/heading_rules.h"
#include "wizard/skill_rules.h"

#include <gtest/gtest.h>

namespace {

std::string headingFor(Activity activity, const std::array<bool, 4>& ticked) {
    WorksheetRequest r;
    r.ActivityType = activity;
    ApplySkillChoice(r, ticked);
    return DefaultHeading(r);
}

} // namespace

TEST(DefaultHeading, SkillWordThenActivityWord) {
    EXPECT_EQ(headingFor(Activity::MathSquares, {false, false, true, false}),
              "Multipication Math Squares");
    EXPECT_EQ(headingFor(Activity::Crossword, {true, true, false, false}),
              "Math Skills Crossword Puzzle");
    EXPECT_EQ(headingFor(Activity::SecretRiddle, {false, false, false, true}),
              "Division Solve-The-Riddle Worksheet");
    EXPECT_EQ(headingFor(Activity::SkillsPractice, {true, false, false, false}),
              "Addition Practice Worksheet");
    EXPECT_EQ(headingFor(Activity::WordProblems, {false, true, false, false}),
              "Subtraction Word Problems Worksheet");
    EXPECT_EQ(headingFor(Activity::ValueMatching, {true, true, true, true}),
              "Math Skills Value-Matching Worksheet");
}

TEST(DefaultHeading, ActivityWithoutAWordKeepsTheBlank) {
    EXPECT_EQ(headingFor(Activity::FlashCards, {true, false, false, false}), "Addition ");
}
