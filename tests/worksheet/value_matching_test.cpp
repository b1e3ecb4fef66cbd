#include "worksheet/value_matching.h"

#include "ranges_request.h"
#include "worksheet/feasibility.h"
#include "worksheet/generation_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace abacore;

namespace {

WorksheetRequest Matching(Skill skill, double firstMin, double firstMax, double secondMin,
                          int16_t secondMax, int16_t count = 25) {
    WorksheetRequest r =
        RangesRequest(skill, firstMin, firstMax, secondMin, secondMax, false, 0, count);
    r.ActivityType = Activity::ValueMatching;
    return r;
}

WorksheetRequest Mixed(WorksheetRequest r, std::initializer_list<Skill> skills) {
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    for (Skill s : skills)
        r.SkillChecked[static_cast<size_t>(s)] = true;
    return r;
}

struct Expression {
    double a = 0, b = 0;
    std::string sign;
    double value() const {
        if (sign == "+")
            return a + b;
        if (sign == "-")
            return a - b;
        if (sign == "x")
            return a * b;
        return a / b;
    }
};

Expression Parse(const std::string& text) {
    std::istringstream in(text);
    Expression e;
    std::string extra;
    in >> e.a >> e.sign >> e.b;
    EXPECT_FALSE(in.fail()) << '"' << text << '"';
    in >> extra;
    EXPECT_EQ(extra, "") << '"' << text << '"';
    return e;
}

struct Sheet {
    std::vector<std::string> lines;             // the lines of the worksheet, empty lines left out
    std::vector<Expression> problems, partners; // by problem number and by line, from 0
    std::string answers;
};

Sheet Make(WorksheetRequest r, uint64_t seed) {
    Sheet sheet;
    RandomSource random(seed);
    GenerationState state;
    Document d;
    const DrawLimits limits = CheckProblemsCanBeMade(r, RulesFor(Activity::ValueMatching));
    MakeValueMatching(r, random, limits, state, d);
    sheet.answers = state.AnswerText;
    const std::string text = d.plainText();
    std::string expectedText;
    for (size_t start = 0, lf; (lf = text.find('\n', start)) != std::string::npos; start = lf + 1) {
        const std::string line = text.substr(start, lf - start);
        if (!line.empty())
            sheet.lines.push_back(line);
    }
    for (size_t i = 0; i < sheet.lines.size(); ++i) {
        const std::string& line = sheet.lines[i];
        expectedText += line + "\n\n";
        // "      _____N) A s B" and filler, then from the 62nd character "L) C s D".
        const std::string number = std::to_string(i + 1) + ") ";
        EXPECT_EQ(line.substr(0, 11 + number.size()), "      _____" + number);
        size_t letterAt = 11 + 50; // characters; the division sign takes two bytes
        for (size_t p = line.find("\u00F7"); p != std::string::npos && p < letterAt;
             p = line.find("\u00F7", p + 1))
            letterAt += 1;
        const std::string letter = std::string(1, static_cast<char>('A' + i)) + ") ";
        EXPECT_EQ(line.substr(letterAt, 3), letter) << line;
        EXPECT_EQ(line[letterAt - 1], ' ') << line;
        sheet.problems.push_back(
            Parse(line.substr(11 + number.size(), letterAt - 11 - number.size())));
        sheet.partners.push_back(Parse(line.substr(letterAt + 3)));
    }
    EXPECT_EQ(text, expectedText); // one empty line after each
    return sheet;
}

// Every letter used once, every key letter leading to a partner of the problem's value, every
// partner's second number strictly inside the second range and its first number new.
void CheckSheet(const WorksheetRequest& r, const Sheet& sheet, bool ownSkill) {
    const size_t count = static_cast<size_t>(r.ProblemCount);
    ASSERT_EQ(sheet.lines.size(), count);
    std::set<char> letters;
    std::string expectedKey;
    std::istringstream key(sheet.answers);
    for (size_t k = 0; k < count; ++k) {
        std::string line;
        std::getline(key, line);
        ASSERT_EQ(line.substr(0, 30), std::string(30, ' '));
        const std::string number = std::to_string(k + 1) + ")  ";
        ASSERT_EQ(line.substr(30, number.size()), number);
        ASSERT_EQ(line.size(), 30 + number.size() + 1);
        const char letter = line.back();
        ASSERT_TRUE(letter >= 'A' && letter < static_cast<char>('A' + count)) << line;
        letters.insert(letter);
        const Expression& problem = sheet.problems[k];
        const Expression& partner = sheet.partners[static_cast<size_t>(letter - 'A')];
        EXPECT_EQ(partner.value(), problem.value());
        EXPECT_NE(partner.a, problem.a);
        EXPECT_GT(partner.b, r.SecondMin.value_or(0));
        EXPECT_LT(partner.b, r.SecondMax);
        EXPECT_EQ(partner.b, std::trunc(partner.b));
        if (problem.sign == "\u00F7") {
            EXPECT_EQ(std::fmod(problem.a, problem.b), 0); // exact, whatever remainders say
        }
        if (ownSkill) {
            EXPECT_EQ(partner.sign, problem.sign);
        }
    }
    EXPECT_TRUE(sheet.answers.ends_with('\n'));
    EXPECT_EQ(letters.size(), count);
    EXPECT_EQ(*letters.begin(), 'A');
    EXPECT_EQ(*letters.rbegin(), static_cast<char>('A' + count - 1));
}

std::string MessageOf(const WorksheetRequest& r) {
    try {
        CheckValueMatchingCanBeMade(r);
    } catch (const GenerationError& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(ValueMatching, EveryLetterOnceAndEveryPartnerOfEqualValue) {
    for (Skill skill :
         {Skill::Addition, Skill::Subtraction, Skill::Multiplication, Skill::Division}) {
        for (uint64_t seed = 1; seed <= 30; ++seed) {
            WorksheetRequest r = Matching(skill, 0, 100, skill == Skill::Division ? 1 : 0, 12);
            r.AllowRemainders = true;
            CheckSheet(r, Make(r, seed), true);
        }
    }
    // Several skills: partners of other skills turn up.
    bool otherSkill = false;
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        const WorksheetRequest r =
            Mixed(Matching(Skill::Mixed, 0, 50, 1, 20, static_cast<int16_t>(seed % 25 + 1)),
                  {Skill::Addition, Skill::Subtraction, Skill::Multiplication, Skill::Division});
        const Sheet sheet = Make(r, seed);
        CheckSheet(r, sheet, false);
        for (size_t k = 0; k < sheet.problems.size(); ++k)
            otherSkill = otherSkill || sheet.problems[k].sign != sheet.partners[k].sign;
    }
    EXPECT_TRUE(otherSkill);
}

TEST(ValueMatching, RarePartnersAreFoundAndProblemsWithoutOneAreDrawnAgain) {
    // The only partner's second number is 1: one first number in thousands fits it.
    for (uint64_t seed = 1; seed <= 5; ++seed) {
        const WorksheetRequest wide =
            Mixed(Matching(Skill::Mixed, 0, 32767, 0, 2),
                  {Skill::Addition, Skill::Subtraction, Skill::Multiplication, Skill::Division});
        CheckSheet(wide, Make(wide, seed), false);
    }
    // First numbers 1 and 2, second numbers 1 and 2, partners' second number 1: of the four
    // additions only 1 + 2 has a partner (2 + 1); the others are drawn again.
    const WorksheetRequest narrow = Matching(Skill::Addition, 0, 2, 0, 2);
    const Sheet sheet = Make(narrow, 7);
    CheckSheet(narrow, sheet, true);
    for (size_t k = 0; k < 25; ++k) {
        EXPECT_EQ(std::tie(sheet.problems[k].a, sheet.problems[k].b), std::tuple(1.0, 2.0));
        EXPECT_EQ(std::tie(sheet.partners[k].a, sheet.partners[k].b), std::tuple(2.0, 1.0));
    }
}

TEST(ValueMatching, RangesThatCannotGivePartnersAreRefusedWithWhatToChange) {
    EXPECT_EQ(MessageOf(Matching(Skill::Addition, 0, 10, 3, 4)),
              "Each matching expression needs a second number strictly between the second "
              "number's minimum and maximum, and no whole number lies between 3 and 4. Make the "
              "second number's maximum at least 5.");
    EXPECT_NE(MessageOf(Matching(Skill::Addition, 0, 10, 7, 7)).find("at least 9"),
              std::string::npos);
    EXPECT_EQ(MessageOf(Matching(Skill::Addition, 0, 10, 3, 5)), "");
    EXPECT_EQ(MessageOf(Matching(Skill::Addition, 5, 6, 0, 10)),
              "Each matching expression needs a first number other than its problem's, and the "
              "first number's range gives only 6. Make the first number's maximum at least 7.");
    EXPECT_EQ(MessageOf(Matching(Skill::Addition, 0, 10, 0, 10, 26)),
              "There is a limit of 25 problems for this activity.");
    EXPECT_EQ(MessageOf(Matching(Skill::Addition, 5, 5, 3, 3, 0)), "");

    // Both checks pass, yet no exact division of 10 or 11 by 1 or 2 has a partner whose
    // second number is 1 and whose first number differs: refused before anything is written.
    WorksheetRequest none = Matching(Skill::Division, 9, 11, 0, 2);
    EXPECT_EQ(MessageOf(none), "");
    Document d;
    RandomSource random(1);
    GenerationState state;
    try {
        MakeValueMatching(none, random, DrawLimits{}, state, d);
        ADD_FAILURE() << "no error";
    } catch (const GenerationError& e) {
        EXPECT_NE(std::string(e.what()).find("Widen the first or the second number's range"),
                  std::string::npos);
    }
    EXPECT_TRUE(d.plainText().empty());
}
