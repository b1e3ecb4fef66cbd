#include "core/generation_error.h"
#include "core/random_source.h"
#include "crossword/crossword_problems.h"
#include "ranges_request.h"
#include "worksheet/activity_table.h"
#include "worksheet/choice_draws.h"
#include "worksheet/feasibility.h"
#include "worksheet/worksheet_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>

using namespace abacore;

namespace {

ProblemChoices Choices(Regrouping regrouping, bool limit, double lo, double hi, uint16_t facts,
                       bool noRepeats = false) {
    return {regrouping, limit, lo, hi, facts, noRepeats};
}

ArithmeticProblem Worked(Skill skill, double a, double b) {
    ArithmeticProblem p{a, b, skill};
    p.answer = skill == Skill::Addition         ? a + b
               : skill == Skill::Subtraction    ? a - b
               : skill == Skill::Multiplication ? a * b
                                                : std::trunc(a / b);
    return p;
}

// "12 + 7 =" back into a problem; skill None when the text is no such problem (a story).
ArithmeticProblem Parsed(const std::string& text) {
    std::istringstream in(text);
    double a = 0, b = 0;
    std::string sign;
    if (!(in >> a >> sign >> b))
        return {};
    for (int k = 1; k <= 4; ++k)
        if (SkillSign(static_cast<Skill>(k)) == sign)
            return Worked(static_cast<Skill>(k), a, b);
    return {};
}

} // namespace

// The counted pairs are exactly those MeetsRule and MeetsChoices let through, one by one.
TEST(ChoicePairs, CountAndListExactlyThePairsThatMeetEveryChoice) {
    const struct {
        Skill skill;
        double a1, a2, b1;
        int16_t b2;
        bool negatives, remainders;
        ProblemChoices choices;
    } rows[] = {
        {Skill::Addition, 0, 130, 0, 99, false, false, Choices(Regrouping::Never, 0, 0, 0, 0)},
        {Skill::Addition, -60, 40, -20, 35, false, false,
         Choices(Regrouping::Always, 1, -9, 50, 0)},
        {Skill::Subtraction, 0, 120, 0, 60, false, false, Choices(Regrouping::Never, 1, 3, 70, 0)},
        {Skill::Subtraction, -30, 99, 0, 45, true, false, Choices(Regrouping::Always, 0, 0, 0, 0)},
        {Skill::Subtraction, 0, 99, -15, 80, true, false, Choices(Regrouping::Never, 0, 0, 0, 0)},
        {Skill::Multiplication, -20, 30, -5, 9, false, false,
         Choices(Regrouping::Any, 1, -30, 45, 0)},
        {Skill::Multiplication, 0, 12, 0, 0, false, false,
         Choices(Regrouping::Any, 0, 0, 0, 0x212)},
        {Skill::Division, 0, 150, 0, 0, false, false, Choices(Regrouping::Any, 1, 2, 9, 0x0a4)},
        {Skill::Division, -40, 90, -7, 12, false, true, Choices(Regrouping::Any, 1, -3, 6, 0)},
        {Skill::Division, 0, 90, 0, 30, false, true,
         Choices(Regrouping::Any, 0, 0, 0, 0xfff, true)},
    };
    const ProblemRules rules = RowOf(Activity::SkillsPractice).problemRules;
    for (const auto& row : rows) {
        WorksheetRequest r =
            RangesRequest(row.skill, row.a1, row.a2, row.b1, row.b2, row.remainders);
        r.AllowNegatives = row.negatives;
        r.Choices = row.choices;
        r.Choices.noRepeats = true; // which the different problems are counted for
        const RedrawRule rule = RuleFor(r, rules, row.skill);
        const DrawnValues a =
            DrawnValuesOf(static_cast<int64_t>(row.a1), static_cast<int64_t>(row.a2));
        const DrawnValues b = DrawnValuesOf(static_cast<int64_t>(row.b1), row.b2);
        std::set<std::pair<int64_t, int64_t>> good, problems;
        for (int64_t x = a.lowest; x <= a.highest; ++x)
            for (int64_t y = row.choices.facts ? 1 : b.lowest;
                 y <= (row.choices.facts ? 12 : b.highest); ++y)
                if (MeetsRule(rule, x, y) && MeetsChoices(Worked(row.skill, x, y), row.choices)) {
                    good.emplace(x, y);
                    const bool turns =
                        row.skill == Skill::Addition || row.skill == Skill::Multiplication;
                    problems.emplace(turns ? std::min(x, y) : x, turns ? std::max(x, y) : y);
                }
        const ChoicePairs pairs(r, rules, row.skill);
        SCOPED_TRACE(static_cast<int>(&row - rows));
        ASSERT_EQ(pairs.total(), static_cast<ChoicePairs::Count>(good.size()));
        std::set<std::pair<int64_t, int64_t>> listed;
        for (ChoicePairs::Count k = 0; k < pairs.total(); ++k)
            listed.insert(pairs.pairAt(k));
        EXPECT_EQ(listed, good);
        EXPECT_EQ(pairs.distinctProblems(100000), static_cast<int64_t>(problems.size()));
    }
}

// Every activity that draws through the shared procedure obeys every choice on every sheet,
// repeats none, and its key gives each problem's answer.
TEST(ProblemChoices, EverySheetObeysEveryChoice) {
    const struct {
        std::initializer_list<Skill> skills;
        double a1, a2, b1;
        int16_t b2;
        ProblemChoices choices;
    } rows[] = {
        {{Skill::Addition, Skill::Subtraction},
         0,
         99,
         0,
         99,
         Choices(Regrouping::Never, 1, 0, 60, 0, true)},
        {{Skill::Addition, Skill::Subtraction},
         0,
         99,
         0,
         99,
         Choices(Regrouping::Always, 0, 0, 0, 0, true)},
        {{Skill::Multiplication, Skill::Division},
         0,
         60,
         1,
         12,
         Choices(Regrouping::Any, 1, 0, 40, 0x212, true)},
    };
    for (const auto& row : rows)
        for (const Activity activity :
             {Activity::SkillsPractice, Activity::SecretRiddle, Activity::FlashCards,
              Activity::ValueMatching, Activity::WordProblems, Activity::Crossword})
            for (uint64_t seed = 1; seed <= 12; ++seed) {
                WorksheetRequest r = WithSkills(
                    RangesRequest(Skill::Mixed, row.a1, row.a2, row.b1, row.b2, false, 2, 12),
                    row.skills);
                r.ActivityType = activity;
                r.Choices = row.choices;
                r.PunchLine = "A clock!";
                r.ProgramFolder = ABACORE_SOURCE_DIR "/data";
                RandomSource random(seed);
                std::vector<std::pair<std::string, std::string>> shown; // question, answer
                if (activity == Activity::Crossword) {
                    const ProblemRules& rules = RowOf(activity).problemRules;
                    const DrawLimits limits = MakeCrosswordProblems(r, rules, random);
                    for (int w = 1; w <= r.CrosswordCount; w += 3) // as the grid builder does
                        ReplaceCrosswordProblem(r, rules, random, w, limits);
                    for (int i = 1; i <= r.CrosswordCount; ++i)
                        shown.emplace_back(r.CrosswordClues[static_cast<size_t>(i)],
                                           r.CrosswordAnswers[static_cast<size_t>(i)]);
                } else {
                    const SheetContent content = BuildWorksheet(r, random).content;
                    for (const SheetProblem& p : content.problems)
                        shown.emplace_back(p.question, p.answer);
                    DrawnProblems partners; // the matching column obeys too, none twice
                    for (const std::string& partner : content.choices) {
                        EXPECT_TRUE(MeetsChoices(Parsed(partner), row.choices)) << partner;
                        EXPECT_TRUE(partners.add(Parsed(partner))) << partner << " repeats";
                    }
                }
                SCOPED_TRACE(std::string(RowOf(activity).batchName) + " seed " +
                             std::to_string(seed));
                ASSERT_FALSE(shown.empty());
                DrawnProblems drawn;
                for (const auto& [question, answer] : shown) {
                    const ArithmeticProblem p = Parsed(question);
                    if (p.skill == Skill::None) { // a story: its answer at least
                        EXPECT_TRUE(!row.choices.answerLimit ||
                                    (std::stod(answer) >= row.choices.answerMin &&
                                     std::stod(answer) <= row.choices.answerMax))
                            << answer;
                        continue;
                    }
                    EXPECT_TRUE(MeetsChoices(p, row.choices)) << question;
                    EXPECT_TRUE(drawn.add(p)) << question << " repeats";
                    if (activity != Activity::SecretRiddle && activity != Activity::ValueMatching) {
                        EXPECT_EQ(std::stod(answer), p.answer) << question;
                    }
                }
            }
}

// What the ranges and choices cannot give is refused before anything is drawn, naming what to
// change.
TEST(ProblemChoices, ImpossibleCombinationsAreRefusedWithWhatToChange) {
    const struct {
        Skill skill;
        double a1, a2, b1;
        int16_t b2;
        int16_t count;
        ProblemChoices choices;
        const char* said;
    } rows[] = {
        {Skill::Addition, 94, 99, 4, 9, 20, Choices(Regrouping::Never, 0, 0, 0, 0),
         "Change the regrouping,"},
        {Skill::Subtraction, 0, 9, 0, 9, 20, Choices(Regrouping::Always, 0, 0, 0, 0),
         "Change the regrouping,"},
        {Skill::Addition, 9, 50, 9, 50, 20, Choices(Regrouping::Any, 1, 0, 5, 0),
         "Change the answer range,"},
        {Skill::Multiplication, 0, 5, 0, 9, 20, Choices(Regrouping::Any, 1, 40, 43, 0x400),
         "the answer range or the chosen facts"},
        {Skill::Division, 0, 10, 0, 9, 20, Choices(Regrouping::Any, 0, 0, 0, 0x800),
         "Change the chosen facts,"},
        {Skill::Addition, 0, 2, 0, 2, 40, Choices(Regrouping::Any, 0, 0, 0, 0, true),
         "only 3 different problems"},
        {Skill::Division, 0, 12, 0, 0, 13, Choices(Regrouping::Any, 0, 0, 0, 0x001, true),
         "only 12 different"},
    };
    for (const auto& row : rows) {
        WorksheetRequest r =
            RangesRequest(row.skill, row.a1, row.a2, row.b1, row.b2, false, 2, row.count);
        r.Choices = row.choices;
        try {
            CheckProblemsCanBeMade(r, {});
            ADD_FAILURE() << row.said;
        } catch (const GenerationError& e) {
            EXPECT_NE(std::string(e.what()).find(row.said), std::string::npos) << e.what();
        }
        r.ProblemCount = 1;
        r.Choices.noRepeats = false;
        if (row.choices.noRepeats) { // one problem is there to draw
            EXPECT_NO_THROW(CheckProblemsCanBeMade(r, {}));
        }
    }
}
