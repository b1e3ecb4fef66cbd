#include "wizard/count_rules.h"

#include "../crossword/crossword_request.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(ProblemCountEntry, MagnitudeOfTheWholePartWithinSixteenBits) {
    const std::pair<const char*, std::optional<int16_t>> cases[] = {
        {"20", 20}, {"-12", 12}, {"7.8", 7}, {" 15 problems", 15}, {"0", 0},       {"32767", 32767},
        {"", {}},   {"abc", {}}, {"-", {}},  {"32768", {}},        {"-32768", {}}, {"1e300", {}},
    };
    for (const auto& [typed, count] : cases)
        EXPECT_EQ(ParseProblemCount(typed), count) << typed;
}

TEST(ProblemCountLimits, EachActivityAtAndAboveItsLimit) {
    const std::tuple<Activity, int, std::string> cases[] = {
        {Activity::MathSquares, 15, "There is a limit of 15 Math Squares for this activity."},
        {Activity::WordProblems, 20, "There is a limit of 20 Word Problems for this activity."},
        {Activity::ValueMatching, 25, "There is a limit of 25 problems for this activity."},
    };
    for (const auto& [activity, limit, refusal] : cases) {
        EXPECT_FALSE(CountLimitRefusal(activity, limit)) << limit;
        EXPECT_EQ(CountLimitRefusal(activity, limit + 1), (WizardMessage{"Too many!", refusal}));
    }
    for (Activity unlimited : {Activity::SkillsPractice, Activity::FlashCards, Activity::Crossword})
        EXPECT_FALSE(CountLimitRefusal(unlimited, 32767));
}

TEST(ProblemCountScreen, SquaresOpenAtSixOthersAtTwentyAndARefusedCountIsStoredAllTheSame) {
    WorksheetRequest r;
    r.ActivityType = Activity::MathSquares;
    EXPECT_EQ(CountScreenOpening(r).count, "6");
    EXPECT_EQ(CountScreenOpening(r).prompt, "How many squares do you want on this worksheet?");
    r.ActivityType = Activity::WordProblems;
    EXPECT_EQ(CountScreenOpening(r).count, "20");
    EXPECT_EQ(CountScreenOpening(r).prompt, "How many questions on this worksheet?");
    EXPECT_TRUE(ConfirmProblemCount(r, "21"));
    EXPECT_EQ(r.ProblemCount, 21);
    EXPECT_EQ(ConfirmProblemCount(r, "abc"),
              (WizardMessage{"Oops!", "Please type the number of problems as a whole number "
                                      "from 0 to 32767."}));
    EXPECT_EQ(r.ProblemCount, 21) << "text that is no count is not stored";
    r.KeepTyped = true; // back after a refused sheet
    EXPECT_EQ(CountScreenOpening(r).count, "21");
}

TEST(ProblemCountScreen, TheCrosswordTakesWhatItsNumbersFitAndIsToldSoLikeTheOtherLimits) {
    WorksheetRequest r = CrosswordRequest(Skill::Subtraction, 1, 100, 1, 100, 0);
    EXPECT_EQ(CountScreenOpening(r).count, "16") << "the screen opens on a count that builds";
    WorksheetRequest tooShort = CrosswordRequest(Skill::Subtraction, 1, 100, 95, 100, 0);
    EXPECT_EQ(CountScreenOpening(tooShort).count, "20") << "never an empty puzzle by default";
    EXPECT_FALSE(ConfirmProblemCount(r, "16"));
    EXPECT_EQ(
        ConfirmProblemCount(r, "17"),
        (WizardMessage{"Too many!", "With these numbers a puzzle holds at most 16 problems."}));
    EXPECT_EQ(r.ProblemCount, 17);
    r.SkillMode = Skill::Addition;
    r.FirstMax = 1000;
    r.SecondMax = 1000;
    EXPECT_FALSE(ConfirmProblemCount(r, "41"));
}
