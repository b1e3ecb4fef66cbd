#include "request_for.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(SkillChoice, EachChoiceReplacesTheLastAndNothingTickedIsRefused) {
    using S = Skill;
    const std::optional<bool> T = true, U; // ticked, unset (never false)
    using Case = std::tuple<std::array<bool, 4>, bool, Skill, std::array<YesNo, 5>>;
    // One request throughout: each choice must forget the one before.
    const Case cases[] = {
        {{0, 0, 1, 0}, true, S::Multiplication, {U, U, U, T, U}},
        {{0, 0, 0, 1}, true, S::Division, {U, U, U, U, T}},
        {{1, 0, 0, 0}, true, S::Addition, {U, T, U, U, U}},
        {{1, 1, 0, 0}, true, S::Mixed, {U, T, T, U, U}},
        {{0, 0, 0, 0}, false, S::Mixed, {U, U, U, U, U}}, // the mode is left alone
    };
    WorksheetRequest r;
    for (const auto& [ticked, accepted, mode, checked] : cases) {
        const auto name = ::testing::PrintToString(ticked);
        EXPECT_EQ(ApplySkillChoice(r, ticked), accepted) << name;
        EXPECT_EQ(r.SkillMode, mode) << name;
        EXPECT_EQ(r.MixedSkills, mode == S::Mixed) << name;
        EXPECT_EQ(r.SkillChecked, checked) << name;
    }
}

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
