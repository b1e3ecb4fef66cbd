#include "worksheet/directions.h"

#include <gtest/gtest.h>

namespace {

WorksheetRequest activityRequest(Activity activity, Skill skill) {
    WorksheetRequest r;
    r.ActivityType = activity;
    r.SkillMode = skill;
    r.MixedSkills = skill == Skill::Mixed;
    return r;
}

} // namespace

TEST(Directions, SkillsPracticeNamesTheSkillInLowerCase) {
    EXPECT_EQ(DirectionsText(activityRequest(Activity::SkillsPractice, Skill::Multiplication)),
              "\nDirections: Practice your multipication skills by solving the problems "
              "below.\n\n");
    // Several skills: no name, two blanks between the words.
    EXPECT_EQ(DirectionsText(activityRequest(Activity::SkillsPractice, Skill::Mixed)),
              "\nDirections: Practice your  skills by solving the problems below.\n\n");
}

TEST(Directions, OtherActivities) {
    WorksheetRequest riddle = activityRequest(Activity::SecretRiddle, Skill::Division);
    riddle.RiddleQuestion = "Why did the seven hide?";
    EXPECT_EQ(DirectionsText(riddle),
              "\nDirections: Solve the division problems below, then use the answers to "
              "decipher the answer to the riddle.\n\n");
    EXPECT_EQ(RiddleLineText(riddle), "Riddle: Why did the seven hide?\n\n");
    EXPECT_EQ(DirectionsText(activityRequest(Activity::WordProblems, Skill::Addition)),
              "\nDirections: Solve the word problems below.\n\n");
    EXPECT_EQ(DirectionsText(activityRequest(Activity::ValueMatching, Skill::Mixed)),
              "\nDirections: Fill in the letter of the problem that has an equal answer in the "
              "right column.\n\n");
    EXPECT_EQ(DirectionsText(activityRequest(Activity::FlashCards, Skill::Addition)), "");
}

TEST(Directions, MathSquaresWithOneSkillUseItsVerbAndNoun) {
    WorksheetRequest r = activityRequest(Activity::MathSquares, Skill::Addition);
    EXPECT_EQ(DirectionsText(r), "\nDirections: Fill in the squares so that the numbers add left "
                                 "to right and downwards to equal the sums provided.\n\n");
    r.SkillMode = Skill::Subtraction;
    r.FirstSquareFilled = true;
    EXPECT_EQ(DirectionsText(r),
              "\nDirections: Fill in the squares so that the numbers subtract left to right and "
              "downwards to equal the differences provided.  The first square has been filled "
              "in to get you started.\n\n");
}

TEST(Directions, MathSquaresWithSeveralSkillsListThemTwice) {
    WorksheetRequest r = activityRequest(Activity::MathSquares, Skill::Mixed);
    r.SkillChecked[3] = true;
    r.SkillChecked[4] = true;
    r.FirstSquareFilled = true;
    EXPECT_EQ(DirectionsText(r),
              "\nDirections: Using multipication or division, fill in the squares so that the "
              "numbers equal the answers provided. Each square will use only one skill "
              "(multipication or division). The first square has been filled in to get you "
              "started.\n\n");
    r.FirstSquareFilled = false;
    r.SkillChecked = {false, true, true, false, true};
    EXPECT_EQ(SkillListText(r), "addition, subtraction or division");
    EXPECT_TRUE(DirectionsText(r).ends_with("skill (addition, subtraction or division).\n\n"));
}
