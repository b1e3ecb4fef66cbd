#include "worksheet/value_matching.h"

#include "../support/failure_text.h"
#include "core/generation_error.h"
#include "ranges_request.h"
#include "recorded_question.h"
#include "worksheet/activity_table.h"
#include "worksheet/feasibility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace abacore;

static const ProblemRules kMatching = RowOf(Activity::ValueMatching).problemRules;

namespace {

WorksheetRequest Matching(Skill skill, double firstMin, double firstMax, double secondMin,
                          int16_t secondMax, bool mixed = false) {
    WorksheetRequest r =
        RangesRequest(skill, firstMin, firstMax, secondMin, secondMax, true, 0, 25);
    return mixed ? WithSkills(r, {Skill::Addition, Skill::Subtraction, Skill::Multiplication,
                                  Skill::Division})
                 : r;
}

struct Sheet {
    SheetContent content;
    int otherSkill = 0; // partners of another skill than their problem's
};

// Makes a sheet and checks it against what it records: each line the blank, the numbered
// problem, blanks up to the 62nd character, the lettered partner. Every letter once in the key,
// each leading to a partner of its problem's value whose first number is new and whose second
// lies strictly inside the second range; a division exact, although remainders are allowed.
Sheet CheckSheet(WorksheetRequest r, uint64_t seed) {
    Sheet sheet;
    RandomSource random(seed);
    GenerationState state;
    Document d;
    MakeValueMatching(r, random, kMatching, CheckProblemsCanBeMade(r, kMatching), state, d);
    sheet.content = state.Content;
    const std::vector<SheetProblem>& problems = state.Content.problems;
    const std::vector<std::string>& choices = state.Content.choices;
    EXPECT_EQ(problems.size(), static_cast<size_t>(r.ProblemCount));
    EXPECT_EQ(choices.size(), problems.size());
    std::string text, key;
    std::set<std::string> letters;
    for (size_t k = 0; k < problems.size() && k < choices.size(); ++k) {
        const std::string left =
            "      _____" + std::to_string(k + 1) + ") " + problems[k].question;
        text += left +
                std::string(static_cast<size_t>(std::max(0, 61 - CharacterCount(left))), ' ') +
                static_cast<char>('A' + k) + ") " + choices[k] + "\n\n";
        key += std::string(30, ' ') + std::to_string(k + 1) + ")  " + problems[k].answer + "\n";
        letters.insert(problems[k].answer);
        const auto line = static_cast<size_t>(problems[k].answer[0] - 'A');
        if (line >= choices.size())
            continue;
        const RecordedQuestion problem = ReadQuestion(problems[k].question);
        const RecordedQuestion partner = ReadQuestion(choices[line]);
        EXPECT_EQ(partner.value(), problem.value()) << problems[k].question << " " << choices[line];
        EXPECT_NE(partner.first, problem.first);
        EXPECT_TRUE(partner.second > r.SecondMin.value_or(0) && partner.second < r.SecondMax);
        EXPECT_TRUE(problem.divides() && partner.divides()) << problems[k].question;
        EXPECT_TRUE(r.MixedSkills || partner.sign == problem.sign);
        sheet.otherSkill += partner.sign != problem.sign;
    }
    EXPECT_EQ(d.plainText(), text);
    EXPECT_EQ(state.AnswerText, key);
    EXPECT_EQ(letters.size(), problems.size());
    return sheet;
}

std::string MessageOf(const WorksheetRequest& r) {
    return FailureText<GenerationError>([&] { CheckValueMatchingCanBeMade(r); });
}

} // namespace

TEST(ValueMatching, EveryLetterOnceAndEveryPartnerOfEqualValue) {
    for (Skill skill :
         {Skill::Addition, Skill::Subtraction, Skill::Multiplication, Skill::Division})
        for (uint64_t seed = 1; seed <= 30; ++seed)
            CheckSheet(Matching(skill, 0, 100, 1, 12), seed);
    int otherSkill = 0; // with several skills a partner may use another one
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        WorksheetRequest r = Matching(Skill::Mixed, 0, 50, 1, 20, true);
        r.ProblemCount = static_cast<int16_t>(seed % 25 + 1);
        otherSkill += CheckSheet(r, seed).otherSkill;
    }
    EXPECT_GT(otherSkill, 0);
}

TEST(ValueMatching, RarePartnersAreFoundAndProblemsWithoutOneAreDrawnAgain) {
    // Partners' second number can only be 1: one first number in thousands fits.
    for (uint64_t seed = 1; seed <= 5; ++seed)
        CheckSheet(Matching(Skill::Mixed, 0, 32767, 0, 2, true), seed);
    // First and second numbers 1 or 2, partners' second number 1: of the four additions only
    // 1 + 2 has a partner, 2 + 1; the others are drawn again.
    const SheetContent only = CheckSheet(Matching(Skill::Addition, 0, 2, 0, 2), 7).content;
    for (size_t k = 0; k < 25; ++k)
        EXPECT_EQ(only.problems.at(k).question + " " + only.choices.at(k), "1 + 2 2 + 1");
}

TEST(ValueMatching, RangesWithoutPartnersAreRefusedWithWhatToChange) {
    EXPECT_TRUE(MessageOf(Matching(Skill::Addition, 0, 10, 3, 4))
                    .ends_with("between 3 and 4. Make the second number's maximum at least 5."));
    EXPECT_EQ(MessageOf(Matching(Skill::Addition, 0, 10, 3, 5)), "");
    EXPECT_NE(MessageOf(Matching(Skill::Addition, 5, 6, 0, 10))
                  .find("range gives only 6. Make the first number's maximum at least 7."),
              std::string::npos);

    // The check lets this pass, yet no exact division of 10 or 11 by 1 or 2 has a partner with
    // second number 1 and another first number: refused before anything is written.
    WorksheetRequest none = Matching(Skill::Division, 9, 11, 0, 2);
    Document d;
    RandomSource random(1);
    GenerationState state;
    EXPECT_THROW(MakeValueMatching(none, random, kMatching, DrawLimits{}, state, d),
                 GenerationError);
    EXPECT_TRUE(d.plainText().empty());
}
