#include "worksheet/activity_table.h"

#include "ranges_request.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace abacore;

static std::string Text(Activity activity, Skill skill, std::array<YesNo, 5> checked = {},
                        bool firstSquareFilled = false) {
    WorksheetRequest r = RangesRequest(skill, 0, 0, 0, 0);
    r.ActivityType = activity;
    r.SkillChecked = checked;
    r.FirstSquareFilled = firstSquareFilled;
    const Directions directions = RowOf(activity).directions;
    return directions ? directions(r) : "";
}

// Every sheet with an answer key prints its activity's directions, naming the chosen skills;
// the flash cards (no key) and the crossword (a page of its own) print none.
TEST(Directions, TextByActivityAndSkills) {
    for (const ActivityRow& row : Activities())
        EXPECT_EQ(row.directions != nullptr, row.generator && row.hasAnswerKey) << row.batchName;
    // Several skills: no name, two blanks between the words.
    EXPECT_EQ(Text(Activity::SkillsPractice, Skill::Mixed),
              "Practice your  skills by solving the problems below.");
    EXPECT_EQ(Text(Activity::WordProblems, Skill::Addition), "Solve the word problems below.");
    EXPECT_EQ(Text(Activity::ValueMatching, Skill::Addition),
              "Fill in the letter of the problem that has an equal answer in the right column.");
    EXPECT_EQ(Text(Activity::SecretRiddle, Skill::Division),
              "Solve the division problems below, then use the answers to decipher the answer to "
              "the riddle.");
    // Math squares: the skill's verb and noun, or the chosen skills listed twice.
    EXPECT_EQ(Text(Activity::MathSquares, Skill::Subtraction, {}, true),
              "Fill in the squares so that the numbers subtract left to right and downwards to "
              "equal the differences provided.  The first square has been filled in to get you "
              "started.");
    EXPECT_EQ(Text(Activity::MathSquares, Skill::Mixed, {false, false, false, true, true}, true),
              "Using multipication or division, fill in the squares so that the numbers equal the "
              "answers provided. Each square will use only one skill (multipication or division). "
              "The first square has been filled in to get you started.");
    EXPECT_EQ(Text(Activity::MathSquares, Skill::Mixed, {false, true, true, false, true}),
              "Using addition, subtraction or division, fill in the squares so that the numbers "
              "equal the answers provided. Each square will use only one skill (addition, "
              "subtraction or division).");
}
