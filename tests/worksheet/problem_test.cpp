#include "worksheet/problem.h"

#include "ranges_request.h"
#include "worksheet/activity_table.h"
#include "worksheet/generation_error.h"
#include "worksheet/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

using namespace abacore;

TEST(MakeProblem, SubtractionAcceptsTiesAndGoesNegativeOnlyWhenAllowed) {
    RandomSource random(2);
    WorksheetRequest r = RangesRequest(Skill::Subtraction, 0, 4, 0, 4); // 1 to 4 both
    for (const bool negatives : {false, true}) {
        r.AllowNegatives = negatives;
        std::set<double> answers;
        for (int i = 0; i < 3000; ++i) {
            const ArithmeticProblem p = MakeProblem(r, random);
            EXPECT_EQ(p.answer, p.first - p.second);
            answers.insert(p.answer);
        }
        EXPECT_EQ(answers, (negatives ? std::set<double>{-3, -2, -1, 0, 1, 2, 3}
                                      : std::set<double>{0, 1, 2, 3}));
    }
}

TEST(MakeProblem, DivisionWithoutRemaindersFindsEveryEvenDivisionByDrawing) {
    RandomSource random(3);
    // 0 can be drawn as a divisor here; it is always drawn again.
    const WorksheetRequest r = RangesRequest(Skill::Division, 0, 10, -1, 3);
    std::set<std::pair<double, double>> pairs;
    for (int i = 0; i < 3000; ++i) {
        const ArithmeticProblem p = MakeProblem(r, random);
        ASSERT_TRUE(p.exact && p.second != 0);
        EXPECT_EQ(p.answer * p.second, p.first);
        pairs.insert({p.first, p.second});
    }
    EXPECT_EQ(pairs.size(), 10u + 5u + 3u); // 1..10 divided by 1, 2 and 3
}

TEST(MakeProblem, DivisionWithRemaindersUnderEachActivitysRules) {
    RandomSource random(4);
    const WorksheetRequest r = RangesRequest(Skill::Division, 0, 20, -1, 20, true);
    bool zeroQuotient = false;
    for (int i = 0; i < 3000; ++i) {
        const ArithmeticProblem p = MakeProblem(r, random);
        ASSERT_TRUE(p.second != 0 && p.second <= p.first);
        EXPECT_EQ(p.answer, std::floor(p.first / p.second));
        EXPECT_EQ(p.remainder, std::fmod(p.first, p.second));
        // The riddle sheet drops that order rule, but never allows a divisor of 0.
        const ArithmeticProblem riddle = MakeProblem(r, random, RulesFor(Activity::SecretRiddle));
        ASSERT_NE(riddle.second, 0);
        zeroQuotient = zeroQuotient || riddle.answer == 0;
        // Value matching divides evenly whatever the request allows.
        ASSERT_TRUE(MakeProblem(r, random, RulesFor(Activity::ValueMatching)).exact);
    }
    EXPECT_TRUE(zeroQuotient);
    // The no-hang bound: a condition that never holds gives up after the draw limit.
    EXPECT_THROW(MakeProblem(RangesRequest(Skill::Subtraction, 0, 5, 10, 20), random, {}, 1000),
                 GenerationError);
}

TEST(NextProblem, OnlyCheckedSkillsOccurAndEachKeepsItsOwnRule) {
    RandomSource random(8);
    WorksheetRequest r = RangesRequest(Skill::Mixed, 0, 12, 0, 12);
    r.SkillChecked = {false, true, false, std::nullopt, true};
    std::set<Skill> seen;
    for (int i = 0; i < 3000; ++i) {
        const ArithmeticProblem p = NextProblem(r, random, {}, DrawLimits{});
        EXPECT_EQ(p.skill, r.SkillMode); // the request keeps the last problem's skill
        EXPECT_TRUE(p.skill != Skill::Division || p.exact);
        seen.insert(p.skill);
    }
    EXPECT_EQ(seen, (std::set<Skill>{Skill::Addition, Skill::Division}));
    r.SkillChecked = {};
    EXPECT_THROW(PickSkill(r, random), GenerationError);
}

TEST(NextProblem, ProblemsMadeWithinOneClockTickStillDiffer) {
    RandomSource random; // clock-seeded: every problem takes in the clock
    WorksheetRequest r = RangesRequest(Skill::Addition, 0, 32767, 0, 32767);
    std::set<std::pair<double, double>> pairs;
    for (int i = 0; i < 1000; ++i) {
        const ArithmeticProblem p = NextProblem(r, random, {}, DrawLimits{});
        pairs.insert({p.first, p.second});
    }
    EXPECT_GT(pairs.size(), 990u);
}
