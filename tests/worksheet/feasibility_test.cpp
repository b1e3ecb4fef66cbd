#include "worksheet/feasibility.h"

#include "worksheet/generation_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

WorksheetRequest rangesRequest(Skill skill, double firstMin, double firstMax, double secondMin,
                               int16_t secondMax) {
    WorksheetRequest r;
    r.SkillMode = skill;
    r.FirstMin = firstMin;
    r.FirstMax = firstMax;
    r.SecondMin = secondMin;
    r.SecondMax = secondMax;
    r.ProblemCount = 20;
    return r;
}

double bruteForceProbability(const WorksheetRequest& r, RedrawRule rule) {
    const DrawnValues a =
        DrawnValuesOf(static_cast<int64_t>(*r.FirstMin), static_cast<int64_t>(*r.FirstMax));
    const DrawnValues b = DrawnValuesOf(static_cast<int64_t>(*r.SecondMin), r.SecondMax);
    double meet = 0;
    double all = 0;
    for (int64_t x = a.lowest; x <= a.highest; ++x)
        for (int64_t y = b.lowest; y <= b.highest; ++y) {
            all += 1;
            meet += MeetsRule(rule, static_cast<double>(x), static_cast<double>(y)) ? 1 : 0;
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
    EXPECT_EQ(DrawnValuesOf(10, 5).lowest, 6); // a falling range: max + 1 to min + 1
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
    const WorksheetRequest r = rangesRequest(Skill::Division, 0, 32767, 0, 32767);
    double pairs = 0; // b from 1 to 32767 divides 32767 / b of the first numbers
    for (int b = 1; b <= 32767; ++b)
        pairs += 32767 / b;
    const double p = RuleProbability(r, RedrawRule::ExactDivision);
    EXPECT_DOUBLE_EQ(p, pairs / (32767.0 * 32767.0));
    EXPECT_GE(CheckProblemsCanBeMade(r, {}).forSkill(Skill::Division),
              static_cast<uint64_t>(60 / p));
}

TEST(Feasibility, ImpossibleOrHopelessRangesNameTheSkillAndTheFix) {
    WorksheetRequest r = rangesRequest(Skill::Subtraction, 0, 5, 10, 20);
    EXPECT_EQ(messageOf(r), "Subtraction without negative answers needs second numbers that are "
                            "not larger than the first numbers. Lower the second number's range "
                            "or raise the first number's range.");
    r.AllowNegatives = true;
    EXPECT_EQ(messageOf(r), "");

    // Only 16384 - 16384 avoids a negative answer: one pair in about 270 million.
    const WorksheetRequest hopeless = rangesRequest(Skill::Subtraction, 0, 16384, 16383, 32767);
    EXPECT_GT(RuleProbability(hopeless, RedrawRule::SecondNotLarger), 0);
    EXPECT_NE(messageOf(hopeless).find("hardly ever"), std::string::npos);

    WorksheetRequest prime = rangesRequest(Skill::Division, 6, 7, 1, 5); // 7 by 2 to 5
    EXPECT_EQ(messageOf(prime), "Division without remainders needs first numbers that the second "
                                "numbers divide evenly. Widen the first number's range, lower the "
                                "second number's range, or allow remainders.");
    ProblemRules alwaysExact;
    alwaysExact.divisionAlwaysExact = true;
    EXPECT_EQ(messageOf(prime, alwaysExact).find("allow remainders"), std::string::npos);
    prime.AllowRemainders = true;
    EXPECT_EQ(messageOf(prime), "");
    prime.FirstMax = prime.FirstMin = 0; // first number 1 only, divisors 2 to 5
    EXPECT_EQ(messageOf(prime).rfind("Division with remainders", 0), 0u);
}

TEST(Feasibility, EverySkillThatCanOccurIsChecked) {
    WorksheetRequest r = rangesRequest(Skill::Mixed, 0, 5, 10, 20);
    r.MixedSkills = true;
    r.SkillChecked[1] = true;
    r.SkillChecked[3] = true;
    EXPECT_EQ(messageOf(r), ""); // addition and multiplication have no condition
    r.SkillChecked[2] = true;
    EXPECT_EQ(messageOf(r).rfind("Subtraction", 0), 0u);
    r.SkillChecked = {};
    EXPECT_NE(messageOf(r).find("Choose at least one skill"), std::string::npos);
    r.ProblemCount = 0; // nothing to make, nothing to check
    EXPECT_EQ(messageOf(r), "");

    WorksheetRequest half = rangesRequest(Skill::Addition, 0, 10.5, 0, 10);
    EXPECT_NE(messageOf(half).find("whole numbers"), std::string::npos);
    half.FirstMax = 1e16;
    EXPECT_NE(messageOf(half).find("whole numbers"), std::string::npos);
}
