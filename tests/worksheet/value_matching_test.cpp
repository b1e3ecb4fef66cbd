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
                          int16_t secondMax, int16_t count = 25,
                          std::initializer_list<Skill> mixed = {}) {
    return WithSkills(
        RangesRequest(skill, firstMin, firstMax, secondMin, secondMax, true, 0, count), mixed);
}

constexpr std::initializer_list<Skill> kAllSkills = {Skill::Addition, Skill::Subtraction,
                                                     Skill::Multiplication, Skill::Division};

struct Expression {
    double a = 0, b = 0;
    std::string sign;
    double value() const {
        return sign == "+" ? a + b : sign == "-" ? a - b : sign == "x" ? a * b : a / b;
    }
};

struct Sheet {
    std::vector<Expression> problems, partners; // by problem number and by line, from 0
    std::string key;
};

// Makes a sheet and reads it back, checking the shape of each line: the blank, the numbered
// problem, blanks up to the 62nd character, the lettered partner, an empty line.
Sheet Make(WorksheetRequest r, uint64_t seed) {
    static const std::regex kLine(
        R"(      _____(\d+)\) (\d+) (\S+) (\d+)( *)([A-Y])\) (\d+) (\S+) (\d+)\n\n)");
    Sheet sheet;
    RandomSource random(seed);
    GenerationState state;
    Document d;
    MakeValueMatching(r, random, CheckProblemsCanBeMade(r, RulesFor(Activity::ValueMatching)),
                      state, d);
    sheet.key = state.AnswerText;
    const std::string text = d.plainText();
    auto at = text.cbegin();
    for (std::smatch m;
         std::regex_search(at, text.cend(), m, kLine, std::regex_constants::match_continuous);
         at = m.suffix().first) {
        const auto i = sheet.problems.size();
        EXPECT_EQ(m[1], std::to_string(i + 1));
        EXPECT_EQ(m[6], std::string(1, static_cast<char>('A' + i)));
        EXPECT_EQ(CharacterCount(std::string(m[0].first, m[6].first)), 61) << m[0];
        sheet.problems.push_back({std::stod(m[2]), std::stod(m[4]), m[3]});
        sheet.partners.push_back({std::stod(m[7]), std::stod(m[9]), m[8]});
    }
    EXPECT_EQ(at, text.cend()) << std::string(at, text.cend());
    return sheet;
}

// Every letter once, every key letter leading to a partner of its problem's value whose first
// number is new and whose second lies strictly inside the second range.
void CheckSheet(const WorksheetRequest& r, const Sheet& sheet) {
    const auto count = static_cast<size_t>(r.ProblemCount);
    ASSERT_EQ(sheet.problems.size(), count);
    std::string expectedKey;
    std::set<char> letters;
    for (size_t k = 0; k < count; ++k) {
        const std::string prefix = std::string(30, ' ') + std::to_string(k + 1) + ")  ";
        const size_t at = sheet.key.find(prefix, expectedKey.size());
        ASSERT_EQ(at, expectedKey.size()) << sheet.key;
        const char letter = sheet.key[at + prefix.size()];
        ASSERT_TRUE(letter >= 'A' && letter < static_cast<char>('A' + count));
        expectedKey += prefix + letter + "\n";
        letters.insert(letter);
        const Expression& problem = sheet.problems[k];
        const Expression& partner = sheet.partners[static_cast<size_t>(letter - 'A')];
        EXPECT_EQ(partner.value(), problem.value());
        EXPECT_NE(partner.a, problem.a);
        EXPECT_TRUE(partner.b > r.SecondMin.value_or(0) && partner.b < r.SecondMax);
        if (problem.sign == "\u00F7") { // exact, although remainders are allowed
            EXPECT_EQ(std::fmod(problem.a, problem.b), 0);
        }
        if (!r.MixedSkills) {
            EXPECT_EQ(partner.sign, problem.sign);
        }
    }
    EXPECT_EQ(sheet.key, expectedKey);
    EXPECT_EQ(letters.size(), count);
}

std::string MessageOf(const WorksheetRequest& r) {
    return FailureText<GenerationError>([&] { CheckValueMatchingCanBeMade(r); });
}

} // namespace

TEST(ValueMatching, EveryLetterOnceAndEveryPartnerOfEqualValue) {
    for (Skill skill : kAllSkills)
        for (uint64_t seed = 1; seed <= 30; ++seed) {
            const WorksheetRequest r = Matching(skill, 0, 100, 1, 12);
            CheckSheet(r, Make(r, seed));
        }
    bool otherSkill = false; // with several skills a partner may use another one
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        const WorksheetRequest r =
            Matching(Skill::Mixed, 0, 50, 1, 20, static_cast<int16_t>(seed % 25 + 1), kAllSkills);
        const Sheet sheet = Make(r, seed);
        CheckSheet(r, sheet);
        for (size_t k = 0; k < sheet.problems.size(); ++k)
            otherSkill = otherSkill || sheet.problems[k].sign != sheet.partners[k].sign;
    }
    EXPECT_TRUE(otherSkill);
}

TEST(ValueMatching, RarePartnersAreFoundAndProblemsWithoutOneAreDrawnAgain) {
    // Partners' second number can only be 1: one first number in thousands fits.
    for (uint64_t seed = 1; seed <= 5; ++seed) {
        const WorksheetRequest wide = Matching(Skill::Mixed, 0, 32767, 0, 2, 25, kAllSkills);
        CheckSheet(wide, Make(wide, seed));
    }
    // First and second numbers 1 or 2, partners' second number 1: of the four additions only
    // 1 + 2 has a partner, 2 + 1; the others are drawn again.
    const WorksheetRequest narrow = Matching(Skill::Addition, 0, 2, 0, 2);
    const Sheet sheet = Make(narrow, 7);
    CheckSheet(narrow, sheet);
    for (size_t k = 0; k < 25; ++k)
        EXPECT_EQ(std::tie(sheet.problems[k].a, sheet.partners[k].a), std::tuple(1.0, 2.0));
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
