#include "worksheet/problem.h"

#include "../support/failure_text.h"
#include "core/generation_error.h"
#include "core/random_source.h"
#include "ranges_request.h"
#include "worksheet/activity_table.h"
#include "worksheet/feasibility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
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
        const ArithmeticProblem riddle =
            MakeProblem(r, random, RowOf(Activity::SecretRiddle).problemRules);
        ASSERT_NE(riddle.second, 0);
        zeroQuotient = zeroQuotient || riddle.answer == 0;
        // Value matching divides evenly whatever the request allows.
        ASSERT_TRUE(MakeProblem(r, random, RowOf(Activity::ValueMatching).problemRules).exact);
    }
    EXPECT_TRUE(zeroQuotient);
    // The no-hang bound: a condition that never holds gives up after the draw limit.
    EXPECT_THROW(MakeProblem(RangesRequest(Skill::Subtraction, 0, 5, 10, 20), random, {}, 1000),
                 GenerationError);
}

static std::string MessageOf(const WorksheetRequest& r, const ProblemRules& rules = {}) {
    return FailureText<GenerationError>([&] { CheckProblemsCanBeMade(r, rules); });
}

TEST(Feasibility, ProbabilitiesMatchCountingEveryPair) {
    // Never the lower bound; a falling range gives max + 1 to min + 1.
    const DrawnValues rising = DrawnValuesOf(1, 10), falling = DrawnValuesOf(10, 5);
    EXPECT_EQ(std::tie(rising.lowest, rising.highest, falling.lowest, falling.highest),
              std::tuple(2, 10, 6, 11));
    // Ranges around and below zero, rising and falling, overlapping and apart.
    const int bounds[][4] = {{0, 10, 0, 3},    {0, 100, 1, 100}, {-7, 9, -5, 6},
                             {-20, -3, -4, 4}, {5, 5, 0, 12},    {30, 10, -1, 0},
                             {0, 2, 10, 20},   {-1, 50, -3, -1}, {99, 200, 7, 40}};
    for (const auto& b : bounds) {
        const WorksheetRequest r =
            RangesRequest(Skill::Division, b[0], b[1], b[2], static_cast<int16_t>(b[3]));
        const DrawnValues first = DrawnValuesOf(b[0], b[1]), second = DrawnValuesOf(b[2], b[3]);
        for (RedrawRule rule : {RedrawRule::SecondNotLarger, RedrawRule::DivisorNotLarger,
                                RedrawRule::AnyDivisor, RedrawRule::ExactDivision}) {
            double meet = 0, all = 0;
            for (int64_t x = first.lowest; x <= first.highest; ++x)
                for (int64_t y = second.lowest; y <= second.highest; ++y, ++all)
                    meet += MeetsRule(rule, static_cast<double>(x), static_cast<double>(y));
            EXPECT_NEAR(RuleProbability(r, rule), meet / all, 1e-12)
                << b[0] << ".." << b[1] << " / " << b[2] << ".." << b[3] << " rule "
                << static_cast<int>(rule);
        }
    }
}

TEST(Feasibility, ImpossibleOrHopelessRangesNameTheSkillAndTheFix) {
    WorksheetRequest r = RangesRequest(Skill::Subtraction, 0, 5, 10, 20);
    EXPECT_EQ(MessageOf(r).rfind("Subtraction without negative answers", 0), 0u);
    // Only 16384 - 16384 avoids a negative answer: one pair in about 270 million.
    const WorksheetRequest hopeless = RangesRequest(Skill::Subtraction, 0, 16384, 16383, 32767);
    EXPECT_NE(MessageOf(hopeless).find("hardly ever"), std::string::npos);
    // Rare but possible: exact division over the whole range.
    EXPECT_EQ(MessageOf(RangesRequest(Skill::Division, 0, 32767, 0, 32767)), "");

    WorksheetRequest prime = RangesRequest(Skill::Division, 6, 7, 1, 5); // 7 by 2 to 5
    EXPECT_TRUE(MessageOf(prime).starts_with("Division without remainders") &&
                MessageOf(prime).ends_with("or allow remainders."));
    EXPECT_EQ(
        MessageOf(prime, RowOf(Activity::ValueMatching).problemRules).find("allow remainders"),
        std::string::npos);
    prime.AllowRemainders = true;
    EXPECT_EQ(MessageOf(prime), "");
    prime.FirstMax = prime.FirstMin = 0; // first number 1 only, divisors 2 to 5
    EXPECT_EQ(MessageOf(prime).rfind("Division with remainders", 0), 0u);

    // Every skill that can occur is checked.
    r = RangesRequest(Skill::Mixed, 0, 5, 10, 20);
    r.SkillChecked = {false, true, false, true, false};
    EXPECT_EQ(MessageOf(r), ""); // addition and multiplication have no condition
    r.SkillChecked[2] = true;
    EXPECT_EQ(MessageOf(r).rfind("Subtraction", 0), 0u);
    r.SkillChecked = {};
    EXPECT_NE(MessageOf(r).find("Choose at least one skill"), std::string::npos);
    r.ProblemCount = 0; // nothing to make, nothing to check
    EXPECT_EQ(MessageOf(r), "");
    // Ranges must be whole numbers of at most 15 digits.
    for (double max : {10.5, 1e16})
        EXPECT_NE(MessageOf(RangesRequest(Skill::Addition, 0, max, 0, 10)).find("whole numbers"),
                  std::string::npos)
            << max;
}
