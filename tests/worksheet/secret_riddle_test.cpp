#include "worksheet/secret_riddle.h"

#include "../support/failure_text.h"
#include "core/generation_error.h"
#include "core/number_text.h"
#include "printed_lines.h"
#include "ranges_request.h"
#include "recorded_question.h"
#include "worksheet/activity_table.h"
#include "worksheet/feasibility.h"
#include "worksheet/riddle_feasibility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace abacore;

static const ProblemRules kRiddle = RowOf(Activity::SecretRiddle).problemRules;

namespace {

struct RiddleSheet {
    std::vector<std::string> lines;
    SheetContent content;
    size_t answerLine = 0; // "The Answer: "

    // What stands under the letter's blanks: "(answer)".
    std::string numberOf(char letter) const {
        for (const SheetProblem& p : content.problems)
            if (p.letter == std::toupper(letter))
                return "(" + p.answer + ")";
        return "no problem for " + std::string(1, letter);
    }
};

WorksheetRequest RiddleRequest(std::string punchLine, Skill skill = Skill::Addition,
                               double firstMax = 100, int16_t secondMax = 100) {
    WorksheetRequest r = RangesRequest(skill, 0, firstMax, 0, secondMax);
    r.ActivityType = Activity::SecretRiddle;
    r.PunchLine = std::move(punchLine);
    return r;
}

// Makes the sheet and checks each problem's answer and key entry, and that the grid is the
// problems three to a row, 22 columns apart, each question under the word "Letter"; bands of 6
// then 7 lines (the grid starts again at row 3), 75 columns wide, then an empty line.
RiddleSheet Make(WorksheetRequest r, uint64_t seed = 1) {
    RiddleSheet sheet;
    RandomSource random(seed);
    GenerationState state;
    Document document;
    MakeSecretRiddle(r, random, kRiddle, CheckSecretRiddleCanBeMade(r, kRiddle), state, document);
    sheet.lines = PrintedLines(document);
    sheet.content = state.Content;
    const auto& lines = sheet.lines;
    sheet.answerLine =
        static_cast<size_t>(std::find(lines.begin(), lines.end(), "The Answer: ") - lines.begin());
    std::string key;
    std::vector<std::string> grid;
    for (size_t k = 0; k < sheet.content.problems.size(); ++k) {
        const SheetProblem& p = sheet.content.problems[k];
        EXPECT_EQ(p.answer, TrimmedNumberText(ReadQuestion(p.question).value())) << p.question;
        key += "\n" + NumberText(static_cast<double>(k + 1)) + ")  " + p.letter + "=  " +
               NumberText(std::stod(p.answer));
        if (k % 3 == 0)
            grid.resize(grid.size() + (k == 0 ? 6 : 7), std::string(75, ' '));
        const std::string label = std::to_string(k + 1) + ")  ";
        const size_t column = 5 + 22 * (k % 3), row = grid.size() - 5;
        grid[row].replace(column, label.size() + 9, label + "Letter: " + p.letter);
        std::string question = p.question;
        if (const size_t sign = question.find("\u00F7"); sign != std::string::npos)
            question.replace(sign, 2, "/");
        grid[row + 1].replace(column + label.size(), question.size(), question);
    }
    grid.emplace_back(); // before "The Answer: "
    EXPECT_EQ(
        std::vector(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(sheet.answerLine)),
        grid);
    EXPECT_EQ(state.AnswerText, key);
    return sheet;
}

// The punch line read back: each blank's number (checked to start under its first underscore
// and end inside the blank) and each other character, in reading order.
std::vector<std::string> ReadPunchLine(const RiddleSheet& sheet) {
    std::vector<std::string> items;
    for (size_t i = sheet.answerLine + 1; i + 1 < sheet.lines.size(); ++i) {
        const std::string &blanks = sheet.lines[i], &numbers = sheet.lines[i + 1];
        EXPECT_EQ(blanks.size(), 140u);
        if (TrimRight(blanks).empty())
            continue;
        for (size_t c = 0; c < blanks.size(); ++c) {
            if (blanks[c] == '_' && blanks[c - 1] != '_') {
                const size_t end = blanks.find_first_not_of('_', c), close = numbers.find(')', c);
                EXPECT_TRUE(numbers[c] == '(' && close <= end) << "line " << i << " col " << c;
                items.push_back(numbers.substr(c, close - c + 1));
            } else if (blanks[c] != '_' && blanks[c] != ' ') {
                items.emplace_back(1, blanks[c]);
            }
        }
        ++i;
    }
    return items;
}

} // namespace

TEST(SecretRiddle, ProblemsThreeToARowThenThePunchLineAsNumberedBlanks) {
    // A blank of seven columns per letter; another character stands on the last column of the
    // blank before it. ReadPunchLine (below) checks that each number starts under its blank.
    const RiddleSheet tie = Make(RiddleRequest("A tie!"));
    ASSERT_EQ(tie.lines.size(), tie.answerLine + 7);
    EXPECT_EQ(TrimRight(tie.lines[tie.answerLine + 3]), "      _____    ______ ______ _____!");

    // Both cases of a letter share its problem and number.
    const RiddleSheet boo = Make(RiddleRequest("Boo bOO"));
    const std::string b = boo.numberOf('B'), o = boo.numberOf('O');
    EXPECT_EQ(ReadPunchLine(boo), (std::vector<std::string>{b, o, o, b, o, o}));
    // Any other character takes one column whatever its bytes; a control character is a blank.
    const RiddleSheet ascii = Make(RiddleRequest("#a #!"));
    const RiddleSheet wide = Make(RiddleRequest("\xC3\x87"
                                                "a\x01\xE2\x80\x94!"));
    std::string line = TrimRight(ascii.lines[ascii.answerLine + 3]);
    line.replace(line.find('#'), 1, "\xC3\x87");
    line.replace(line.find('#'), 1, "\xE2\x80\x94");
    EXPECT_EQ(TrimRight(wide.lines[wide.answerLine + 3]), line);
}

TEST(SecretRiddle, EveryLetterGetsOneProblemWithAnAnswerOfItsOwnForAnySkill) {
    std::set<char> firstLetters;
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        // Sums of 2 to 40 leave few answers to spare; then all skills mixed, remainders and
        // negatives allowed.
        const int16_t most = seed % 2 ? 20 : 30;
        WorksheetRequest r = RiddleRequest("Jackdaws love my big sphinx of quartz!",
                                           seed % 2 ? Skill::Addition : Skill::Mixed, most, most);
        r.AllowNegatives = seed % 2 == 0;
        r.AllowRemainders = seed % 2 == 0;
        r.SkillChecked = {false, true, true, true, true};
        const RiddleSheet sheet = Make(r, seed);
        std::set<std::string> answers, letters;
        for (const SheetProblem& p : sheet.content.problems)
            EXPECT_TRUE(answers.insert(p.answer).second && letters.insert({p.letter}).second)
                << seed;
        EXPECT_EQ(letters.size(), 26u);
        firstLetters.insert(sheet.content.problems.at(0).letter);
    }
    EXPECT_EQ(firstLetters.size(), 26u); // shuffled: any letter can come first
}

TEST(SecretRiddle, LongPunchLinesWrapAndLongAnswersWidenTheBlanks) {
    // A line ends after the first blank past column 90. A word that would run past column 140
    // starts the next line; a word wider than a line breaks where it runs out; lines past the
    // grid's last row go on in a new block, still five lines apart.
    std::string punchLine = "abcdefghijk abcdefghijkl " + std::string(30, 'm') + " ";
    for (int k = 0; k < 24; ++k)
        punchLine += "no ";
    const RiddleSheet sheet = Make(RiddleRequest(punchLine + "end."));
    std::vector<int> blanksPerLine;
    for (size_t i = sheet.answerLine + 1, previous = 0; i < sheet.lines.size(); ++i) {
        const std::string& line = sheet.lines[i];
        if (line.find('_') == std::string::npos)
            continue;
        EXPECT_TRUE(previous == 0 || i - previous == 5) << i;
        previous = i;
        blanksPerLine.push_back(0);
        for (size_t c = 1; c < line.size(); ++c)
            blanksPerLine.back() += line[c] == '_' && line[c - 1] != '_';
    }
    EXPECT_EQ(blanksPerLine, (std::vector<int>{11, 12, 19, 13, 12, 12, 12, 13}));
    EXPECT_EQ(ReadPunchLine(sheet).size(), 11u + 12 + 30 + 48 + 3 + 1);

    // Answers past 16 bits, printed whole, inside blanks one column wider than the longest.
    WorksheetRequest r = RiddleRequest("Big sums", Skill::Multiplication, 99'999, 30'000);
    r.FirstMin = 90'000;
    r.SecondMin = 20'000;
    const RiddleSheet big = Make(r);
    EXPECT_EQ(ReadPunchLine(big).size(), 7u);
    size_t longest = 0;
    for (const SheetProblem& p : big.content.problems)
        longest = std::max(longest, p.answer.size() + 2);
    EXPECT_EQ(big.lines[big.answerLine + 3].find(" " + std::string(longest, '_') + " "), 5u);
}

TEST(SecretRiddle, RangesWithTooFewDifferentAnswersAreRefusedBeforeWriting) {
    auto message = [](const WorksheetRequest& r) {
        return FailureText<GenerationError>([&] { CheckSecretRiddleCanBeMade(r, kRiddle); });
    };
    WorksheetRequest r = RiddleRequest("abcdefghijklmnopqrs", Skill::Addition, 10, 10);
    EXPECT_EQ(message(r), ""); // 19 letters, sums 2 to 20
    r.PunchLine += "t";
    EXPECT_TRUE(message(r).starts_with("The punch line has 20 different letters") &&
                message(r).find("addition gives only 19 different answers") != std::string::npos);
    r.MixedSkills = true; // every skill that can occur is checked: quotients 1 to 10
    r.SkillChecked = {false, false, false, false, true};
    EXPECT_NE(message(r).find("division gives only 10 different"), std::string::npos);
    r.PunchLine = "";
    EXPECT_EQ(message(r), ""); // nothing to make

    // The counts match counting every pair, for each skill and redraw rule.
    const char* const signs[] = {"+", "-", "x", "\u00F7"};
    const int bounds[][4] = {{0, 10, 0, 3},  {0, 6, 0, 9},   {5, 5, 0, 12}, {-7, 4, -5, 6},
                             {0, 2, 10, 20}, {30, 40, 2, 7}, {0, 1, 0, 1},  {-9, -2, 0, 4}};
    for (const auto& b : bounds) {
        for (int k = 1; k <= 4; ++k) {
            for (int variant = 0; variant < 4; ++variant) {
                const auto skill = static_cast<Skill>(k);
                WorksheetRequest q =
                    RangesRequest(skill, b[0], b[1], b[2], static_cast<int16_t>(b[3]));
                q.AllowNegatives = variant & 1;
                q.AllowRemainders = variant >= 2;
                const ProblemRules rules = variant == 3 ? ProblemRules{} : kRiddle;
                const RedrawRule rule = RuleFor(q, rules, skill);
                const DrawnValues first = DrawnValuesOf(b[0], b[1]),
                                  second = DrawnValuesOf(b[2], b[3]);
                std::set<double> answers;
                for (double x = first.lowest; x <= first.highest; ++x)
                    for (double y = second.lowest; y <= second.highest; ++y)
                        if (MeetsRule(rule, x, y))
                            answers.insert(RecordedQuestion{x, y, signs[k - 1]}.value());
                const auto all = static_cast<int64_t>(answers.size());
                EXPECT_EQ(DistinctAnswerCount(q, rules, skill, 1000), all)
                    << b[0] << ".." << b[1] << " / " << b[2] << ".." << b[3] << " skill " << k
                    << " variant " << variant;
                EXPECT_EQ(DistinctAnswerCount(q, rules, skill, 3), std::min<int64_t>(3, all));
            }
        }
    }
}
