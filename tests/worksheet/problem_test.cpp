#include "worksheet/problem.h"

#include "worksheet/generation_error.h"
#include "worksheet/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {

WorksheetRequest rangesRequest(Skill skill, double firstMin, double firstMax, double secondMin,
                               int16_t secondMax) {
    WorksheetRequest r;
    r.SkillMode = skill;
    r.FirstMin = firstMin;
    r.FirstMax = firstMax;
    r.SecondMin = secondMin;
    r.SecondMax = secondMax;
    return r;
}

constexpr int kMany = 3000;

} // namespace

TEST(DrawOperand, NeverGivesTheLowerBound) {
    RandomSource random(1);
    std::set<double> seen;
    for (int i = 0; i < kMany; ++i)
        seen.insert(DrawOperand(1, 10, random));
    EXPECT_EQ(seen, (std::set<double>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(DrawOperand(5, 5, random), 6);
}

TEST(MakeProblem, SubtractionAcceptsTiesAndNeverGoesNegative) {
    RandomSource random(2);
    WorksheetRequest r = rangesRequest(Skill::Subtraction, 0, 4, 0, 4);
    bool zeroSeen = false;
    for (int i = 0; i < kMany; ++i) {
        const ArithmeticProblem p = MakeProblem(r, random);
        EXPECT_EQ(p.answer, p.first - p.second);
        EXPECT_GE(p.answer, 0);
        zeroSeen = zeroSeen || p.answer == 0;
    }
    EXPECT_TRUE(zeroSeen);
    r.AllowNegatives = true;
    bool negativeSeen = false;
    for (int i = 0; i < kMany; ++i)
        negativeSeen = negativeSeen || MakeProblem(r, random).answer < 0;
    EXPECT_TRUE(negativeSeen);
}

TEST(MakeProblem, DivisionWithoutRemaindersFindsEveryEvenDivisionByDrawing) {
    RandomSource random(3);
    const WorksheetRequest r = rangesRequest(Skill::Division, 0, 10, 0, 3);
    std::set<std::pair<double, double>> pairs;
    for (int i = 0; i < kMany; ++i) {
        const ArithmeticProblem p = MakeProblem(r, random);
        ASSERT_TRUE(p.exact);
        EXPECT_EQ(p.answer * p.second, p.first);
        pairs.insert({p.first, p.second});
    }
    EXPECT_EQ(pairs.size(), 10u + 5u + 3u); // 1..10 divided by 1, 2 and 3
}

TEST(MakeProblem, DivisionWithRemainders) {
    RandomSource random(4);
    WorksheetRequest r = rangesRequest(Skill::Division, 6, 7, 1, 2); // always 7 and 2
    r.AllowRemainders = true;
    const ArithmeticProblem seven = MakeProblem(r, random);
    EXPECT_EQ(seven.answer, 3);
    EXPECT_EQ(seven.remainder, 1);
    EXPECT_FALSE(seven.exact);
    EXPECT_EQ(seven.decimalQuotient, 3.5);
    EXPECT_EQ(SkillSign(seven.skill), "\u00F7");

    r = rangesRequest(Skill::Division, 0, 20, 0, 20);
    r.AllowRemainders = true;
    bool zeroQuotient = false;
    for (int i = 0; i < kMany; ++i) {
        const ArithmeticProblem p = MakeProblem(r, random);
        EXPECT_LE(p.second, p.first);
        EXPECT_EQ(p.remainder, std::fmod(p.first, p.second));
        // The riddle sheet drops that order rule.
        zeroQuotient =
            zeroQuotient || MakeProblem(r, random, RulesFor(Activity::SecretRiddle)).answer == 0;
        // Value matching divides evenly whatever the request allows.
        ASSERT_TRUE(MakeProblem(r, random, RulesFor(Activity::ValueMatching)).exact);
    }
    EXPECT_TRUE(zeroQuotient);
}

TEST(MakeProblem, ADivisorOfZeroIsAlwaysDrawnAgain) {
    RandomSource random(6);
    WorksheetRequest r = rangesRequest(Skill::Division, 0, 10, -1, 2); // 0 can be drawn
    for (bool remainders : {false, true}) {
        r.AllowRemainders = remainders;
        for (const Activity a : {Activity::SkillsPractice, Activity::SecretRiddle})
            for (int i = 0; i < kMany; ++i)
                ASSERT_NE(MakeProblem(r, random, RulesFor(a)).second, 0);
    }
}

TEST(MakeProblem, GivesUpAfterTheDrawLimit) {
    RandomSource random(7);
    const WorksheetRequest r = rangesRequest(Skill::Subtraction, 0, 5, 10, 20);
    EXPECT_THROW(MakeProblem(r, random, {}, 1000), GenerationError);
}

TEST(PickSkill, OnlyCheckedSkillsOccurAndEachKeepsItsOwnRule) {
    RandomSource random(8);
    WorksheetRequest r = rangesRequest(Skill::Mixed, 0, 12, 0, 12);
    r.MixedSkills = true;
    r.SkillChecked[1] = true;
    r.SkillChecked[2] = false;
    r.SkillChecked[4] = true; // 3 stays unset
    std::set<Skill> seen;
    for (int i = 0; i < kMany; ++i) {
        const ArithmeticProblem p = NextProblem(r, random, {}, DrawLimits{});
        EXPECT_EQ(p.skill, r.SkillMode); // the request keeps the last problem's skill
        seen.insert(p.skill);
        EXPECT_TRUE(p.skill != Skill::Division || p.exact);
    }
    EXPECT_EQ(seen, (std::set<Skill>{Skill::Addition, Skill::Division}));
    r.SkillChecked = {};
    EXPECT_THROW(PickSkill(r, random), GenerationError);
}

TEST(NextProblem, ProblemsMadeWithinOneClockTickStillDiffer) {
    RandomSource random; // clock-seeded: every problem takes in the clock
    WorksheetRequest r = rangesRequest(Skill::Addition, 0, 32767, 0, 32767);
    std::set<std::pair<double, double>> pairs;
    for (int i = 0; i < 1000; ++i) {
        const ArithmeticProblem p = NextProblem(r, random, {}, DrawLimits{});
        pairs.insert({p.first, p.second});
    }
    EXPECT_GT(pairs.size(), 990u);
}
