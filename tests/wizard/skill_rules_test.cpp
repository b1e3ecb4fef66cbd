#include "wizard/skill_rules.h"

#include <gtest/gtest.h>

namespace {

WorksheetRequest requestFor(Activity activity) {
    WorksheetRequest r;
    r.ActivityType = activity;
    return r;
}

} // namespace

TEST(SkillChoice, SingleSkillGivesItsModeAndMixedGivesFive) {
    WorksheetRequest r = requestFor(Activity::SkillsPractice);
    ASSERT_TRUE(ApplySkillChoice(r, {true, false, false, false}));
    EXPECT_EQ(r.SkillMode, Skill::Addition);
    EXPECT_FALSE(r.MixedSkills);

    ASSERT_TRUE(ApplySkillChoice(r, {true, false, false, true}));
    EXPECT_EQ(r.SkillMode, Skill::Mixed);
    EXPECT_TRUE(r.MixedSkills);
    EXPECT_TRUE(r.isChecked(Skill::Addition));
    EXPECT_TRUE(r.isChecked(Skill::Division));

    ASSERT_TRUE(ApplySkillChoice(r, {false, false, false, true}));
    EXPECT_EQ(r.SkillMode, Skill::Division);
}

TEST(SkillChoice, SecondRequestForgetsTheSkillsOfTheFirst) {
    WorksheetRequest r = requestFor(Activity::SkillsPractice);
    ASSERT_TRUE(ApplySkillChoice(r, {true, true, false, false}));
    ASSERT_TRUE(ApplySkillChoice(r, {false, false, true, false}));
    EXPECT_EQ(r.SkillMode, Skill::Multiplication);
    EXPECT_FALSE(r.MixedSkills);
    EXPECT_FALSE(r.SkillChecked[1].has_value()) << "set back to unset, not to false";
    EXPECT_FALSE(r.SkillChecked[2].has_value());
    EXPECT_EQ(r.SkillChecked[3], std::optional<bool>(true));
}

TEST(SkillChoice, NothingTickedIsRefusedAndLeavesModeAlone) {
    WorksheetRequest r = requestFor(Activity::SkillsPractice);
    ASSERT_TRUE(ApplySkillChoice(r, {true, true, false, false}));
    EXPECT_FALSE(ApplySkillChoice(r, {false, false, false, false}));
    EXPECT_EQ(r.SkillMode, Skill::Mixed);
    EXPECT_TRUE(r.MixedSkills);
    for (const auto& checked : r.SkillChecked)
        EXPECT_FALSE(checked.has_value());
}

TEST(SkillQuestions, RemaindersOnlyForActivitiesThatShowThem) {
    for (int a = 1; a <= 7; ++a) {
        WorksheetRequest r = requestFor(static_cast<Activity>(a));
        ApplySkillChoice(r, {true, true, true, true});
        const bool expected = a == 1 || a == 3 || a == 5;
        EXPECT_EQ(AsksRemainders(r), expected) << "activity " << a;
        ApplySkillChoice(r, {true, true, true, false});
        EXPECT_FALSE(AsksRemainders(r)) << "no division, activity " << a;
    }
}

TEST(SkillQuestions, NegativesForEveryActivityButWordProblemsAndCrossword) {
    for (int a = 1; a <= 7; ++a) {
        WorksheetRequest r = requestFor(static_cast<Activity>(a));
        ApplySkillChoice(r, {false, true, false, false});
        EXPECT_EQ(AsksNegatives(r), a != 4 && a != 7) << "activity " << a;
        ApplySkillChoice(r, {true, false, true, true});
        EXPECT_FALSE(AsksNegatives(r)) << "no subtraction, activity " << a;
    }
}
