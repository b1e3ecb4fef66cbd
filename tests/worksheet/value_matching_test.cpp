#include "worksheet/value_matching.h"

#include "../support/failure_text.h"
#include "ranges_request.h"
#include "worksheet/activity_table.h"
#include "worksheet/feasibility.h"
#include "worksheet/generation_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

using namespace abacore;

namespace {

WorksheetRequest Matching(Skill skill, double firstMin, double firstMax, double secondMin,
                          int16_t secondMax, bool mixed = false) {
    WorksheetRequest r =
        RangesRequest(skill, firstMin, firstMax, secondMin, secondMax, true, 0, 25);
    return mixed ? WithSkills(r, {Skill::Addition, Skill::Subtraction, Skill::Multiplication,
                                  Skill::Division})
                 : r;
}

double ValueOf(const std::ssub_match& a, const std::ssub_match& sign, const std::ssub_match& b) {
    const double x = std::stod(a), y = std::stod(b);
    return sign == "+" ? x + y : sign == "-" ? x - y : sign == "x" ? x * y : x / y;
}

struct Sheet {
    std::string text;
    int otherSkill = 0; // partners of another skill than their problem's
};

// Makes a sheet and checks each line: the blank, the numbered problem, blanks up to the 62nd
// character, the lettered partner. Every letter once in the key, each leading to a partner of
// its problem's value whose first number is new and whose second lies strictly inside the
// second range; a division exact, although remainders are allowed.
Sheet CheckSheet(WorksheetRequest r, uint64_t seed) {
    static const std::regex kLine(
        R"(      _____(\d+)\) (\d+) (\S+) (\d+) *([A-Y])\) (\d+) (\S+) (\d+)\n\n)");
    Sheet sheet;
    RandomSource random(seed);
    GenerationState state;
    Document d;
    MakeValueMatching(r, random, CheckProblemsCanBeMade(r, RulesFor(Activity::ValueMatching)),
                      state, d);
    sheet.text = d.plainText();
    std::vector<std::smatch> lines;
    for (auto at = sheet.text.cbegin(); at != sheet.text.cend(); at = lines.back().suffix().first) {
        std::smatch& m = lines.emplace_back();
        if (!std::regex_search(at, sheet.text.cend(), m, kLine,
                               std::regex_constants::match_continuous)) {
            ADD_FAILURE() << std::string(at, sheet.text.cend());
            return sheet;
        }
        EXPECT_EQ(m[1], std::to_string(lines.size()));
        EXPECT_EQ(m[5], std::string(1, static_cast<char>('A' + lines.size() - 1)));
        EXPECT_EQ(CharacterCount(std::string(m[0].first, m[5].first)), 61) << m[0];
    }
    EXPECT_EQ(lines.size(), static_cast<size_t>(r.ProblemCount));
    std::string key;
    std::set<char> letters;
    for (size_t k = 0; k < lines.size(); ++k) {
        const std::string prefix = std::string(30, ' ') + std::to_string(k + 1) + ")  ";
        EXPECT_EQ(state.AnswerText.compare(key.size(), prefix.size(), prefix), 0);
        const char letter = state.AnswerText[key.size() + prefix.size()];
        key += prefix + letter + "\n";
        letters.insert(letter);
        const auto line = static_cast<size_t>(letter - 'A');
        if (line >= lines.size())
            continue;
        const std::smatch &problem = lines[k], &partner = lines[line];
        EXPECT_EQ(ValueOf(partner[6], partner[7], partner[8]),
                  ValueOf(problem[2], problem[3], problem[4]));
        EXPECT_NE(partner[6], problem[2]);
        const double second = std::stod(partner[8]);
        EXPECT_TRUE(second > r.SecondMin.value_or(0) && second < r.SecondMax) << second;
        EXPECT_TRUE(problem[3] != "\u00F7" ||
                    std::fmod(std::stod(problem[2]), std::stod(problem[4])) == 0);
        EXPECT_TRUE(r.MixedSkills || partner[7] == problem[3]);
        sheet.otherSkill += partner[7] != problem[3];
    }
    EXPECT_EQ(state.AnswerText, key);
    EXPECT_EQ(letters.size(), lines.size());
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
    const std::string text = CheckSheet(Matching(Skill::Addition, 0, 2, 0, 2), 7).text;
    const std::regex line(R"(\d+\) 1 \+ 2 +[A-Y]\) 2 \+ 1\n\n)");
    EXPECT_EQ(
        std::distance(std::sregex_iterator(text.begin(), text.end(), line), std::sregex_iterator()),
        25);
}

TEST(ValueMatching, RangesWithoutPartnersAreRefusedWithWhatToChange) {
    EXPECT_EQ(MessageOf(Matching(Skill::Addition, 0, 10, 3, 4)),
              "Each matching expression needs a second number strictly between the second "
              "number's minimum and maximum, and no whole number lies between 3 and 4. Make the "
              "second number's maximum at least 5.");
    EXPECT_EQ(MessageOf(Matching(Skill::Addition, 0, 10, 3, 5)), "");
    EXPECT_NE(MessageOf(Matching(Skill::Addition, 5, 6, 0, 10))
                  .find("range gives only 6. Make the first number's maximum at least 7."),
              std::string::npos);

    // Both pass, yet no exact division of 10 or 11 by 1 or 2 has a partner with second number
    // 1 and another first number: refused before anything is written.
    WorksheetRequest none = Matching(Skill::Division, 9, 11, 0, 2);
    EXPECT_EQ(MessageOf(none), "");
    Document d;
    RandomSource random(1);
    GenerationState state;
    EXPECT_THROW(MakeValueMatching(none, random, DrawLimits{}, state, d), GenerationError);
    EXPECT_TRUE(d.plainText().empty());
}
