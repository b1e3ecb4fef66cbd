#include "wizard/count_rules.h"

#include <gtest/gtest.h>

TEST(ProblemCountEntry, MagnitudeOfTheWholePart) {
    EXPECT_EQ(ParseProblemCount("20"), 20);
    EXPECT_EQ(ParseProblemCount("-12"), 12);
    EXPECT_EQ(ParseProblemCount("7.8"), 7);
    EXPECT_EQ(ParseProblemCount(" 15 problems"), 15);
    EXPECT_EQ(ParseProblemCount("0"), 0);
    EXPECT_EQ(ParseProblemCount("32767"), 32767);
}

TEST(ProblemCountEntry, NotACountIsRefused) {
    EXPECT_FALSE(ParseProblemCount(""));
    EXPECT_FALSE(ParseProblemCount("abc"));
    EXPECT_FALSE(ParseProblemCount("-"));
    EXPECT_FALSE(ParseProblemCount("32768"));
    EXPECT_FALSE(ParseProblemCount("-32768"));
    EXPECT_FALSE(ParseProblemCount("1e300"));
}

TEST(ProblemCountLimits, EachActivityAtAndAboveItsLimit) {
    struct Case {
        Activity activity;
        int accepted;
        std::string refusal;
    };
    const Case cases[] = {
        {Activity::MathSquares, 15, "There is a limit of 15 Math Squares for this activity."},
        {Activity::WordProblems, 20, "There is a limit of 20 Word Problems for this activity."},
        {Activity::ValueMatching, 25, "There is a limit of 25 problems for this activity."},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(CountLimitRefusal(c.activity, c.accepted));
        const auto refusal = CountLimitRefusal(c.activity, c.accepted + 1);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->title, "Too many!");
        EXPECT_EQ(refusal->text, c.refusal);
    }
    for (Activity unlimited : {Activity::SkillsPractice, Activity::FlashCards, Activity::Crossword})
        EXPECT_FALSE(CountLimitRefusal(unlimited, 32767));
}

TEST(ProblemCountConfirmation, RefusedCountIsStoredAllTheSame) {
    WorksheetRequest r;
    r.ActivityType = Activity::WordProblems;
    EXPECT_TRUE(ConfirmProblemCount(r, "21"));
    EXPECT_EQ(r.ProblemCount, 21);
    EXPECT_FALSE(ConfirmProblemCount(r, "-12"));
    EXPECT_EQ(r.ProblemCount, 12);
}

TEST(ProblemCountConfirmation, TextThatIsNoCountIsNotStored) {
    WorksheetRequest r;
    r.ActivityType = Activity::SkillsPractice;
    r.ProblemCount = 9;
    const auto refusal = ConfirmProblemCount(r, "abc");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title, "Oops!");
    EXPECT_EQ(r.ProblemCount, 9);
    EXPECT_FALSE(ConfirmProblemCount(r, "100"));
    EXPECT_EQ(r.ProblemCount, 100);
}

TEST(ProblemCountScreen, MathSquaresAskForSquares) {
    WorksheetRequest r;
    r.ActivityType = Activity::MathSquares;
    EXPECT_EQ(CountScreenOpening(r).prompt, "How many squares do you want on this worksheet?");
    EXPECT_EQ(CountScreenOpening(r).count, "6");
    r.ActivityType = Activity::Crossword;
    EXPECT_EQ(CountScreenOpening(r).prompt, "How many questions on this worksheet?");
    EXPECT_EQ(CountScreenOpening(r).count, "20");
}
