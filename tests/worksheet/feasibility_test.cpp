#include "worksheet/feasibility.h"

#include "worksheet/generation_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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
    r.ProblemCount = 20;
    return r;
}

// Counts the drawable pairs that meet the rule one by one.
double bruteForceProbability(const WorksheetRequest& r, RedrawRule rule) {
    const DrawnValues a =
        DrawnValuesOf(static_cast<int64_t>(*r.FirstMin), static_cast<int64_t>(*r.FirstMax));
    const DrawnValues b = DrawnValuesOf(static_cast<int64_t>(*r.SecondMin), r.SecondMax);
    double meet = 0;
    double all = 0;
    for (int64_t x = a.lowest; x <= a.highest; ++x)
        for (int64_t y = b.lowest; y <= b.highest; ++y) {
            all += 1;
            if (MeetsRule(rule, static_cast<double>(x), static_cast<double>(y)))
                meet += 1;
        }
    return meet / all;
}

std::string messageOf(const WorksheetRequest& r, const ProblemRules& rules = {}) {
    try {
        CheckProblemsCanBeMade(r, rules);
    } catch (const GenerationError& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(Feasibility, DrawnValuesNeverIncludeTheLowerBound) {
    EXPECT_EQ(DrawnValuesOf(1, 10).lowest, 2);
    EXPECT_EQ(DrawnValuesOf(1, 10).highest, 10);
    EXPECT_EQ(DrawnValuesOf(5, 5).lowest, 6);
    EXPECT_EQ(DrawnValuesOf(5, 5).highest, 6);
    // A falling range runs from max + 1 up to min + 1.
    EXPECT_EQ(DrawnValuesOf(10, 5).lowest, 6);
    EXPECT_EQ(DrawnValuesOf(10, 5).highest, 11);
}

TEST(Feasibility, ProbabilitiesMatchCountingEveryPair) {
    const RedrawRule rules[] = {RedrawRule::SecondNotLarger, RedrawRule::DivisorNotLarger,
                                RedrawRule::AnyDivisor, RedrawRule::ExactDivision};
    // Ranges around and below zero, rising and falling, overlapping and apart.
    const int bounds[][4] = {{0, 10, 0, 3},    {0, 100, 1, 100},  {-7, 9, -5, 6}, {-20, -3, -4, 4},
                             {5, 5, 0, 12},    {30, 10, -1, 0},   {0, 2, 10, 20}, {-1, 50, -3, -1},
                             {99, 200, 7, 40}, {-50, 50, -50, 50}};
    for (const auto& bound : bounds) {
        const WorksheetRequest r = rangesRequest(Skill::Division, bound[0], bound[1], bound[2],
                                                 static_cast<int16_t>(bound[3]));
        for (RedrawRule rule : rules)
            EXPECT_NEAR(RuleProbability(r, rule), bruteForceProbability(r, rule), 1e-12)
                << bound[0] << ".." << bound[1] << " / " << bound[2] << ".." << bound[3] << " rule "
                << static_cast<int>(rule);
    }
}

TEST(Feasibility, ExactDivisionOverTheWholeRangeIsAccepted) {
    WorksheetRequest r = rangesRequest(Skill::Division, 0, 32767, 0, 32767);
    // Pairs where b divides a, a and b from 1 to 32767: the sum of 32767 / b.
    double pairs = 0;
    for (int b = 1; b <= 32767; ++b)
        pairs += 32767 / b;
    const double p = RuleProbability(r, RedrawRule::ExactDivision);
    EXPECT_DOUBLE_EQ(p, pairs / (32767.0 * 32767.0));
    EXPECT_GT(p, 3e-4);
    const DrawLimits limits = CheckProblemsCanBeMade(r, {});
    EXPECT_GE(limits.forSkill(Skill::Division), static_cast<uint64_t>(60 / p));
}

TEST(Feasibility, ImpossibleSubtractionNamesTheSkillAndTheFix) {
    const WorksheetRequest r = rangesRequest(Skill::Subtraction, 0, 5, 10, 20);
    EXPECT_EQ(messageOf(r), "Subtraction without negative answers needs second numbers that are "
                            "not larger than the first numbers. Lower the second number's range "
                            "or raise the first number's range.");
    WorksheetRequest negatives = r;
    negatives.AllowNegatives = true;
    EXPECT_EQ(messageOf(negatives), "");
}

TEST(Feasibility, PracticallyImpossibleRangesAreRefused) {
    // Only 16384 - 16384 avoids a negative answer: one pair in about 270 million.
    const WorksheetRequest r = rangesRequest(Skill::Subtraction, 0, 16384, 16383, 32767);
    EXPECT_GT(RuleProbability(r, RedrawRule::SecondNotLarger), 0);
    const std::string message = messageOf(r);
    EXPECT_NE(message.find("hardly ever"), std::string::npos) << message;
    EXPECT_EQ(message.rfind("Subtraction", 0), 0u);
}

TEST(Feasibility, DivisionMessagesFollowTheRemainderRule) {
    // 7 is prime and the divisors are 2 to 5.
    WorksheetRequest r = rangesRequest(Skill::Division, 6, 7, 1, 5);
    EXPECT_EQ(messageOf(r), "Division without remainders needs first numbers that the second "
                            "numbers divide evenly. Widen the first number's range, lower the "
                            "second number's range, or allow remainders.");
    ProblemRules alwaysExact;
    alwaysExact.divisionAlwaysExact = true;
    EXPECT_EQ(messageOf(r, alwaysExact).find("allow remainders"), std::string::npos);

    r.AllowRemainders = true;
    EXPECT_EQ(messageOf(r), "");
    r.FirstMax = 3; // first numbers 7 down to 4, divisors 2 to 5: 5 > 4 sometimes, fine
    EXPECT_EQ(messageOf(r), "");
    r.FirstMin = 0;
    r.FirstMax = 1; // first number 1 only, divisors at least 2
    EXPECT_EQ(messageOf(r).rfind("Division with remainders", 0), 0u);
}

TEST(Feasibility, EverySkillThatCanOccurIsChecked) {
    WorksheetRequest r = rangesRequest(Skill::Mixed, 0, 5, 10, 20);
    r.MixedSkills = true;
    r.SkillChecked[1] = true;
    r.SkillChecked[3] = true;
    EXPECT_EQ(messageOf(r), ""); // addition and multiplication have no condition
    r.SkillChecked[2] = true;
    EXPECT_EQ(messageOf(r).rfind("Subtraction", 0), 0u);
    r.SkillChecked[2] = false;
    r.SkillChecked[4] = true;
    EXPECT_EQ(messageOf(r).rfind("Division", 0), 0u);
}

TEST(Feasibility, RequestsWithoutSkillsOrWholeRangesAreRefused) {
    WorksheetRequest r = rangesRequest(Skill::None, 0, 10, 0, 10);
    EXPECT_NE(messageOf(r).find("Choose at least one skill"), std::string::npos);
    r.MixedSkills = true; // mixed, but nothing ticked
    EXPECT_NE(messageOf(r).find("Choose at least one skill"), std::string::npos);
    r.ProblemCount = 0; // nothing to make, nothing to check
    EXPECT_EQ(messageOf(r), "");

    WorksheetRequest half = rangesRequest(Skill::Addition, 0, 10.5, 0, 10);
    EXPECT_NE(messageOf(half).find("whole numbers"), std::string::npos);
    half.FirstMax = 1e16;
    EXPECT_NE(messageOf(half).find("whole numbers"), std::string::npos);
    half.FirstMax = std::nan("");
    EXPECT_NE(messageOf(half).find("whole numbers"), std::string::npos);
}

TEST(Feasibility, HugeRangesAreCountedQuickly) {
    // A first range of 15 digits: the divisor sums go by runs of equal quotients.
    const WorksheetRequest r = rangesRequest(Skill::Division, 0, 999'999'999'999'999, 0, 32767);
    const double p = RuleProbability(r, RedrawRule::ExactDivision);
    double expected = 0;
    for (int b = 1; b <= 32767; ++b)
        expected += 1.0 / b;
    EXPECT_NEAR(p, expected / 32767.0, 1e-9);
}
