#include "crossword/crossword_capacity.h"

#include "crossword/crossword_problems.h"
#include "crossword_request.h"
#include "wizard/count_rules.h"
#include "worksheet/feasibility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace abacore;

namespace {

// The shares by answer length, counted pair by pair over everything the ranges can draw.
AnswerLengths Enumerated(const WorksheetRequest& r) {
    AnswerLengths lengths{};
    const DrawnValues a = DrawnValuesOf(static_cast<int64_t>(ValueOf(r.FirstMin)),
                                        static_cast<int64_t>(ValueOf(r.FirstMax)));
    const DrawnValues b = DrawnValuesOf(static_cast<int64_t>(ValueOf(r.SecondMin)), r.SecondMax);
    const auto skills = SkillsThatCanOccur(r);
    for (const Skill skill : skills) {
        AnswerLengths counts{};
        double all = 0;
        for (int64_t x = a.lowest; x <= a.highest; ++x)
            for (int64_t y = b.lowest; y <= b.highest; ++y) {
                if (!MeetsRule(RuleFor(r, CrosswordRules(), skill), x, y) ||
                    !MeetsChoices(WorkedProblem(skill, x, y), r.Choices))
                    continue;
                const int64_t answer = skill == Skill::Addition         ? x + y
                                       : skill == Skill::Subtraction    ? x - y
                                       : skill == Skill::Multiplication ? x * y
                                                                        : x / y;
                counts[std::to_string(answer).size()] += 1;
                all += 1;
            }
        for (size_t n = 0; n < counts.size(); ++n)
            lengths[n] += counts[n] / all / static_cast<double>(skills.size());
    }
    return lengths;
}

} // namespace

TEST(CrosswordCapacity, AnswerLengthsMatchEveryPairTheRangesDraw) {
    WorksheetRequest negatives = CrosswordRequest(Skill::Subtraction, 0, 30, 0, 40, 1);
    negatives.AllowNegatives = true;
    WorksheetRequest remainders = CrosswordRequest(Skill::Division, 0, 45, 0, 12, 1);
    remainders.AllowRemainders = true;
    const auto chosen = [](WorksheetRequest r, Regrouping regrouping, uint16_t facts,
                           double answerMin = 0, double answerMax = -1) {
        r.Choices = {regrouping, answerMin <= answerMax, answerMin, answerMax, facts, false};
        return r;
    };
    const WorksheetRequest requests[] = {
        chosen(CrosswordRequest(Skill::Addition, 0, 90, 5, 47, 1), Regrouping::Never, 0),
        chosen(negatives, Regrouping::Always, 0, -9, 12),
        chosen(remainders, Regrouping::Any, 0b100010, 3, 40),
        chosen(CrosswordRequest(Skill::Multiplication, 3, 40, 0, 35, 1), Regrouping::Any, 0b10010),
        CrosswordRequest(Skill::Addition, 0, 40, 5, 47, 1),
        CrosswordRequest(Skill::Subtraction, 0, 45, 0, 30, 1),
        CrosswordRequest(Skill::Multiplication, 3, 40, 0, 35, 1),
        CrosswordRequest(Skill::Division, 0, 45, 0, 12, 1),
        negatives,
        remainders,
        WithSkills(CrosswordRequest(Skill::Mixed, 0, 20, 0, 20, 1),
                   {Skill::Addition, Skill::Multiplication, Skill::Division}),
    };
    for (const WorksheetRequest& r : requests) {
        const AnswerLengths expected = Enumerated(r), got = AnswerLengthsOf(r, CrosswordRules());
        for (size_t n = 0; n < got.size(); ++n)
            EXPECT_NEAR(got[n], expected[n], 1e-9) << static_cast<int>(r.SkillMode) << " " << n;
    }
}

TEST(CrosswordCapacity, ShortAnswersLongAnswersAndNoEntriesAtAll) {
    const auto capacity = [](Skill skill, double firstMin, double firstMax, double secondMin,
                             int16_t secondMax) {
        return CrosswordCapacity(
            CrosswordRequest(skill, firstMin, firstMax, secondMin, secondMax, 1), CrosswordRules());
    };
    // Two-digit differences run as one staircase through the first word.
    EXPECT_EQ(capacity(Skill::Subtraction, 1, 100, 1, 100), 16);
    // Sums of three and four digits cross and branch: more than the old 41.
    EXPECT_GT(capacity(Skill::Addition, 0, 1000, 0, 1000), 41);
    // Longer answers, fewer of them.
    EXPECT_LT(capacity(Skill::Multiplication, 1000, 9999, 1000, 9999),
              capacity(Skill::Multiplication, 0, 1000, 0, 1000));
    EXPECT_LT(capacity(Skill::Multiplication, 0, 1000, 0, 1000),
              capacity(Skill::Addition, 0, 1000, 0, 1000));
    // Differences of one digit are no entries.
    EXPECT_EQ(capacity(Skill::Subtraction, 1, 10, 1, 10), 0);
    // Two-digit quotients one time in some two thousand: a puzzle would be nearly all redrawn.
    WorksheetRequest rare = CrosswordRequest(Skill::Division, 0, 20, 0, 1000, 1);
    rare.AllowRemainders = true;
    EXPECT_EQ(CrosswordCapacity(rare, CrosswordRules()), 0);
    // Answers of one digit make no entries, and the count screen says so.
    WorksheetRequest oneDigit = CrosswordRequest(Skill::Addition, 0, 1000, 0, 1000, 1);
    oneDigit.Choices = {Regrouping::Any, true, 0, 9, 0, false};
    EXPECT_EQ(CrosswordCapacity(oneDigit, CrosswordRules()), 0);
    EXPECT_NE(ConfirmProblemCount(oneDigit, "1")->text.find("two characters"), std::string::npos);
    // Ranges that make no problem at all are left for the problem set to explain.
    EXPECT_EQ(capacity(Skill::Subtraction, 0, 10, 500, 1000), kMostCrosswordProblems);
}
