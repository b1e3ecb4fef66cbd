#include "request_for.h"
#include "wizard/heading_rules.h"

#include <gtest/gtest.h>

using namespace abacore;

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
