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
    r.ActivityType = Activity::SkillsPractice;
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
        EXPECT_LE(p.second, p.first);
        EXPECT_EQ(p.answer, p.first - p.second);
        zeroSeen = zeroSeen || p.answer == 0;
    }
    EXPECT_TRUE(zeroSeen);

    r.AllowNegatives = true;
    bool negativeSeen = false;
    for (int i = 0; i < kMany; ++i)
        negativeSeen = negativeSeen || MakeProblem(r, random).answer < 0;
    EXPECT_TRUE(negativeSeen);
}

TEST(MakeProblem, DivisionWithoutRemaindersAlwaysDividesEvenly) {
    RandomSource random(3);
    const WorksheetRequest r = rangesRequest(Skill::Division, 0, 10, 0, 3);
    std::set<std::pair<double, double>> pairs;
    for (int i = 0; i < kMany; ++i) {
        const ArithmeticProblem p = MakeProblem(r, random);
        ASSERT_NE(p.second, 0);
        EXPECT_TRUE(p.exact);
        EXPECT_EQ(p.remainder, 0);
        EXPECT_EQ(p.answer * p.second, p.first);
        pairs.insert({p.first, p.second});
    }
    // Every even division of 1..10 by 1..3 turns up: found by drawing, not built.
    EXPECT_EQ(pairs.size(), 10u + 5u + 3u);
    EXPECT_TRUE(pairs.count({6, 3}));
    EXPECT_TRUE(pairs.count({7, 1}));
}

TEST(MakeProblem, DivisionWithRemaindersKeepsTheQuotientAtLeastOne) {
    RandomSource random(4);
    WorksheetRequest r = rangesRequest(Skill::Division, 6, 7, 1, 2); // always 7 and 2
    r.AllowRemainders = true;
    const ArithmeticProblem seven = MakeProblem(r, random);
    EXPECT_EQ(seven.first, 7);
    EXPECT_EQ(seven.second, 2);
    EXPECT_EQ(seven.answer, 3);
    EXPECT_EQ(seven.remainder, 1);
    EXPECT_FALSE(seven.exact);
    EXPECT_EQ(seven.decimalQuotient, 3.5);
    EXPECT_EQ(SkillSign(seven.skill), "\u00F7");

    r = rangesRequest(Skill::Division, 0, 20, 0, 20);
    r.AllowRemainders = true;
    bool inexactSeen = false;
    for (int i = 0; i < kMany; ++i) {
        const ArithmeticProblem p = MakeProblem(r, random);
        EXPECT_LE(p.second, p.first);
        EXPECT_EQ(p.answer, std::trunc(p.first / p.second));
        EXPECT_EQ(p.remainder, std::fmod(p.first, p.second));
        inexactSeen = inexactSeen || !p.exact;
    }
    EXPECT_TRUE(inexactSeen);
}

TEST(MakeProblem, ActivityRulesChangeTheDivisionConditions) {
    RandomSource random(5);
    WorksheetRequest r = rangesRequest(Skill::Division, 0, 20, 0, 20);
    r.AllowRemainders = true;
    // The riddle sheet keeps remainders but drops the order rule: quotients of 0 occur.
    bool zeroQuotient = false;
    for (int i = 0; i < kMany; ++i)
        zeroQuotient =
            zeroQuotient || MakeProblem(r, random, RulesFor(Activity::SecretRiddle)).answer == 0;
    EXPECT_TRUE(zeroQuotient);
    // Value matching divides evenly whatever the request allows.
    for (int i = 0; i < kMany; ++i)
        EXPECT_TRUE(MakeProblem(r, random, RulesFor(Activity::ValueMatching)).exact);
}

TEST(MakeProblem, ADivisorOfZeroIsAlwaysDrawnAgain) {
    RandomSource random(6);
    // A second range starting below zero can draw 0.
    WorksheetRequest r = rangesRequest(Skill::Division, 0, 10, -1, 2);
    for (bool remainders : {false, true}) {
        r.AllowRemainders = remainders;
        for (const Activity a : {Activity::SkillsPractice, Activity::SecretRiddle})
            for (int i = 0; i < kMany; ++i)
                ASSERT_NE(MakeProblem(r, random, RulesFor(a)).second, 0);
    }
    EXPECT_FALSE(MeetsRule(RedrawRule::AnyDivisor, 3, 0));
    EXPECT_FALSE(MeetsRule(RedrawRule::DivisorNotLarger, 3, 0));
    EXPECT_FALSE(MeetsRule(RedrawRule::ExactDivision, 0, 0));
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
        if (p.skill == Skill::Division)
            EXPECT_TRUE(p.exact);
        else
            EXPECT_EQ(p.answer, p.first + p.second);
    }
    EXPECT_EQ(seen, (std::set<Skill>{Skill::Addition, Skill::Division}));

    WorksheetRequest none = r;
    none.SkillChecked = {};
    EXPECT_THROW(PickSkill(none, random), GenerationError);
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

TEST(NextProblem, AFixedSeedRepeatsTheSameProblems) {
    WorksheetRequest r = rangesRequest(Skill::Mixed, 0, 100, 0, 12);
    r.MixedSkills = true;
    r.SkillChecked = {false, true, true, true, true};
    RandomSource one(42);
    RandomSource two(42);
    WorksheetRequest copy = r;
    for (int i = 0; i < 200; ++i) {
        const ArithmeticProblem a = NextProblem(r, one, {}, DrawLimits{});
        const ArithmeticProblem b = NextProblem(copy, two, {}, DrawLimits{});
        ASSERT_EQ(a.first, b.first);
        ASSERT_EQ(a.second, b.second);
        ASSERT_EQ(a.skill, b.skill);
    }
}

TEST(SkillSign, OneSignPerSkill) {
    EXPECT_EQ(SkillSign(Skill::Addition), "+");
    EXPECT_EQ(SkillSign(Skill::Subtraction), "-");
    EXPECT_EQ(SkillSign(Skill::Multiplication), "x");
    EXPECT_EQ(SkillSign(Skill::Division), "\xC3\xB7");
    EXPECT_EQ(SkillSign(Skill::Mixed), "");
}
