#include "worksheet/secret_riddle.h"

#include "printed_lines.h"
#include "ranges_request.h"
#include "worksheet/feasibility.h"
#include "worksheet/generation_error.h"
#include "worksheet/number_text.h"
#include "worksheet/punch_line_row.h"
#include "worksheet/riddle_feasibility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

using namespace abacore;

namespace {

struct Problem {
    int number = 0;
    char letter = 0;
    int column = 0; // of the label
    double first = 0;
    std::string sign;
    double second = 0;
};

struct RiddleSheet {
    WorksheetRequest request;
    std::vector<std::string> lines;
    std::string answers;
    std::vector<Problem> problems;
    std::map<char, std::string> answerOf; // upper-case letter: answer as printed, trimmed
    size_t answerLine = 0;                // "The Answer: "
};

WorksheetRequest RiddleRequest(std::string punchLine, Skill skill = Skill::Addition,
                               double firstMax = 100, int16_t secondMax = 100) {
    WorksheetRequest r = RangesRequest(skill, 0, firstMax, 0, secondMax);
    r.ActivityType = Activity::SecretRiddle;
    r.ProblemCount = 99; // the generator sets it
    r.PunchLine = std::move(punchLine);
    return r;
}

double AnswerOf(const Problem& p) {
    if (p.sign == "+")
        return p.first + p.second;
    if (p.sign == "-")
        return p.first - p.second;
    if (p.sign == "x")
        return p.first * p.second;
    return std::trunc(p.first / p.second);
}

RiddleSheet Make(WorksheetRequest r, uint64_t seed = 1) {
    RiddleSheet sheet;
    RandomSource random(seed);
    GenerationState state;
    Document document;
    MakeSecretRiddle(r, random, CheckSecretRiddleCanBeMade(r), state, document);
    sheet.request = r;
    sheet.lines = PrintedLines(document);
    sheet.answers = state.AnswerText;
    const std::regex label(R"((\d+)\)  Letter: ([A-Z]))");
    for (size_t i = 0; i < sheet.lines.size(); ++i) {
        const std::string& line = sheet.lines[i];
        if (line.rfind("The Answer: ", 0) == 0)
            sheet.answerLine = i;
        for (auto m = std::sregex_iterator(line.begin(), line.end(), label);
             m != std::sregex_iterator(); ++m) {
            Problem p;
            p.number = std::stoi((*m)[1]);
            p.letter = (*m)[2].str()[0];
            p.column = static_cast<int>(m->position()) + 1;
            // The problem stands under the word Letter.
            const int at = p.column + static_cast<int>((*m)[1].length()) + 3;
            const std::string& below = sheet.lines.at(i + 1);
            p.first = std::stod(WordAt(below, at));
            const int signAt = at + static_cast<int>(WordAt(below, at).size()) + 1;
            p.sign = WordAt(below, signAt);
            p.second = std::stod(WordAt(below, signAt + 2));
            EXPECT_EQ(
                WordAt(below, signAt + 3 + static_cast<int>(WordAt(below, signAt + 2).size())),
                "=");
            sheet.problems.push_back(p);
            sheet.answerOf[p.letter] = TrimmedNumberText(AnswerOf(p));
        }
    }
    return sheet;
}

// The blanks and numbers of the punch line, line by line, as (text under the blanks) pairs:
// every blank's number, and every other character, in reading order.
std::vector<std::string> ReadPunchLine(const RiddleSheet& sheet) {
    std::vector<std::string> items;
    for (size_t i = sheet.answerLine + 1; i + 1 < sheet.lines.size(); ++i) {
        const std::string& blanks = sheet.lines[i];
        if (blanks.find_first_not_of(' ') == std::string::npos)
            continue;
        EXPECT_EQ(static_cast<int>(blanks.size()), kPunchLineWidth);
        const std::string& numbers = sheet.lines[i + 1];
        for (size_t c = 0; c < blanks.size(); ++c) {
            if (blanks[c] == '_' && (c == 0 || blanks[c - 1] != '_')) {
                // A number starts under the first underscore and ends inside the blank.
                EXPECT_EQ(numbers[c], '(') << "line " << i << " column " << c + 1;
                const size_t close = numbers.find(')', c);
                size_t end = c;
                while (end < blanks.size() && blanks[end] == '_')
                    ++end;
                EXPECT_LE(close, end) << "line " << i << " column " << c + 1;
                items.push_back(numbers.substr(c, close - c + 1));
            } else if (blanks[c] != '_' && blanks[c] != ' ') {
                items.push_back(std::string(1, blanks[c]));
            }
        }
        ++i; // past the numbers
    }
    return items;
}

} // namespace

TEST(SecretRiddle, ProblemsThreeToARowWithTheirLettersAndAnswerKey) {
    const RiddleSheet sheet = Make(RiddleRequest("The quick brown fox"));
    EXPECT_EQ(sheet.request.ProblemCount, 15);
    ASSERT_EQ(sheet.problems.size(), 15u);
    // Labels at columns 6, 28 and 50; each band printed as one block, the first of six lines,
    // the others of seven (the grid starts again at row 3).
    for (size_t k = 0; k < sheet.problems.size(); ++k) {
        EXPECT_EQ(sheet.problems[k].number, static_cast<int>(k) + 1);
        EXPECT_EQ(sheet.problems[k].column, 6 + 22 * static_cast<int>(k % 3));
    }
    EXPECT_TRUE(sheet.lines[1].starts_with("     1)  Letter: "));
    EXPECT_TRUE(sheet.lines[2].starts_with("         ")); // "12 + 5 =" under "Letter"
    EXPECT_NE(sheet.lines[2][9], ' ');
    EXPECT_TRUE(sheet.lines[6 + 7 * 2 + 2].starts_with("     10)  Letter: "));
    EXPECT_NE(sheet.lines[6 + 7 * 2 + 3][10], ' ');
    EXPECT_EQ(sheet.lines[6 + 7 * 4], "");
    EXPECT_EQ(sheet.answerLine, 6u + 7 * 4 + 1);
    for (size_t i = 0; i < sheet.answerLine - 1; ++i)
        EXPECT_EQ(sheet.lines[i].size(), 75u) << i;

    // One key line per problem: number, letter, answer.
    std::string expected;
    for (const Problem& p : sheet.problems)
        expected += "\n" + NumberText(p.number) + ")  " + p.letter + "=  " +
                    NumberText(std::stod(sheet.answerOf.at(p.letter)));
    EXPECT_EQ(sheet.answers, expected);
}

TEST(SecretRiddle, PunchLineShowsABlankPerLetterWithItsNumber) {
    // Other characters stand where they fall, on the last column of the blank before them.
    const RiddleSheet sheet = Make(RiddleRequest("A tie!"));
    EXPECT_EQ(sheet.request.ProblemCount, 4);
    const std::vector<std::string> rest(sheet.lines.begin() + static_cast<long>(sheet.answerLine),
                                        sheet.lines.end());
    ASSERT_EQ(rest.size(), 7u);
    EXPECT_EQ(rest[0], "The Answer: ");
    EXPECT_EQ(TrimRight(rest[3]), "      _____    ______ ______ _____!");
    std::string numbers(40, ' ');
    const std::pair<char, size_t> under[] = {{'A', 6}, {'T', 15}, {'I', 22}, {'E', 29}};
    for (const auto& [letter, at] : under) {
        const std::string n = "(" + sheet.answerOf.at(letter) + ")";
        numbers.replace(at, n.size(), n);
    }
    EXPECT_EQ(TrimRight(rest[4]), TrimRight(numbers));

    // Upper and lower case share a problem; a repeated letter repeats its number.
    const RiddleSheet boo = Make(RiddleRequest("Boo bOO"));
    EXPECT_EQ(boo.request.ProblemCount, 2);
    const std::string b = "(" + boo.answerOf.at('B') + ")", o = "(" + boo.answerOf.at('O') + ")";
    EXPECT_EQ(ReadPunchLine(boo), (std::vector<std::string>{b, o, o, b, o, o}));

    // No letters: no problems, the caption and no blanks.
    const RiddleSheet none = Make(RiddleRequest("?!"));
    EXPECT_EQ(none.request.ProblemCount, 0);
    EXPECT_TRUE(none.problems.empty());
    EXPECT_EQ(none.answers, "");
    EXPECT_EQ(ReadPunchLine(none), (std::vector<std::string>{"?", "!"}));
}

TEST(SecretRiddle, EveryLetterGetsOneProblemWithAnAnswerOfItsOwnForAnySkill) {
    const std::string punchLine = "Jackdaws love my big sphinx of quartz!";
    const std::string letters = PunchLineLetters(punchLine);
    ASSERT_EQ(letters.size(), 26u);
    struct Case {
        Skill skill;
        bool negatives;
        bool remainders;
        double firstMax;
        int16_t secondMax;
    };
    const Case cases[] = {
        {Skill::Addition, false, false, 20, 20},   {Skill::Subtraction, false, false, 30, 10},
        {Skill::Subtraction, true, false, 15, 15}, {Skill::Multiplication, false, false, 12, 12},
        {Skill::Division, false, false, 200, 12},  {Skill::Division, false, true, 40, 40},
        {Skill::Mixed, false, true, 30, 30}};
    std::set<char> firstLetters;
    for (const Case& c : cases) {
        for (uint64_t seed = 1000 * static_cast<uint64_t>(&c - cases); seed % 1000 < 40; ++seed) {
            WorksheetRequest r = RiddleRequest(punchLine, c.skill, c.firstMax, c.secondMax);
            r.AllowNegatives = c.negatives;
            r.AllowRemainders = c.remainders;
            if (c.skill == Skill::Mixed)
                r.SkillChecked = {false, true, true, true, true};
            const RiddleSheet sheet = Make(r, seed);
            ASSERT_EQ(sheet.problems.size(), 26u);
            EXPECT_EQ(sheet.answerOf.size(), 26u); // each letter once
            std::set<std::string> answers;
            for (const Problem& p : sheet.problems) {
                EXPECT_TRUE(answers.insert(sheet.answerOf.at(p.letter)).second)
                    << "seed " << seed << ": " << p.letter;
                EXPECT_GE(p.first, 1);
                EXPECT_LE(p.first, c.firstMax);
                EXPECT_GE(p.second, 1);
                EXPECT_LE(p.second, c.secondMax);
                if (p.sign == "-" && !c.negatives) {
                    EXPECT_LE(p.second, p.first);
                }
                if (p.sign == "/" && !c.remainders) {
                    EXPECT_EQ(std::fmod(p.first, p.second), 0);
                }
            }
            firstLetters.insert(sheet.problems[0].letter);
            // The punch line reads back as the answers of its letters, in order.
            std::vector<std::string> expected;
            for (char ch : punchLine) {
                if (std::isalpha(static_cast<unsigned char>(ch)))
                    expected.push_back(
                        "(" + sheet.answerOf.at(static_cast<char>(std::toupper(ch))) + ")");
                else if (ch != ' ')
                    expected.push_back(std::string(1, ch));
            }
            EXPECT_EQ(ReadPunchLine(sheet), expected) << "seed " << seed;
        }
    }
    // The letters are shuffled: any of them can come first.
    EXPECT_EQ(firstLetters.size(), 26u);
}

TEST(SecretRiddle, DivisionWithRemaindersNeedsNoOrderSoQuotientsOfZeroOccur) {
    bool zero = false;
    for (uint64_t seed = 1; seed <= 30 && !zero; ++seed) {
        WorksheetRequest r = RiddleRequest("ab", Skill::Division, 10, 30);
        r.AllowRemainders = true;
        for (const Problem& p : Make(r, seed).problems)
            zero = zero || (p.first < p.second && AnswerOf(p) == 0);
    }
    EXPECT_TRUE(zero);
}

TEST(SecretRiddle, LongPunchLinesWrapSoThatEveryLetterShows) {
    // A line ends after the first blank past column 90: six two-letter words a line.
    const RiddleSheet words = Make(RiddleRequest("ab cd ef gh ij kl mn op qr st uv wx yz"));
    std::vector<size_t> blankLines;
    for (size_t i = words.answerLine; i < words.lines.size(); ++i)
        if (words.lines[i].find('_') != std::string::npos)
            blankLines.push_back(i);
    EXPECT_EQ(blankLines, (std::vector<size_t>{words.answerLine + 3, words.answerLine + 8,
                                               words.answerLine + 13}));
    // Six words of two blanks, the blank after each word taking its last underscore.
    const std::string& firstLine = words.lines[blankLines[0]];
    EXPECT_EQ(std::count(firstLine.begin(), firstLine.end(), '_'), 6 * 11);
    EXPECT_EQ(ReadPunchLine(words).size(), 26u);

    // A word that would run past the printed width goes to the next line whole; a word wider
    // than a line is broken where it runs out; lines past the grid's last row go on in a new
    // block, five lines apart as before.
    const std::string longOnes = "abcdefghijk abcdefghijkl " + std::string(30, 'm') + " " + [] {
        std::string many;
        for (int k = 0; k < 24; ++k)
            many += "no ";
        return many;
    }() + "end.";
    const RiddleSheet wrapped = Make(RiddleRequest(longOnes));
    std::vector<std::string> lineStarts;
    size_t previous = 0;
    for (size_t i = wrapped.answerLine + 1; i < wrapped.lines.size(); ++i) {
        const std::string& line = wrapped.lines[i];
        if (line.find('_') == std::string::npos)
            continue;
        if (previous != 0) {
            EXPECT_EQ(i - previous, 5u);
        }
        previous = i;
        EXPECT_EQ(line.size(), 140u);
        int count = 0;
        for (size_t c = 1; c < line.size(); ++c)
            count += line[c] == '_' && line[c - 1] != '_';
        lineStarts.push_back(std::to_string(count));
    }
    // 11 | 12 | 19 m's | 11 m's and one "no" | six "no"s a line | five and "end.".
    EXPECT_EQ(lineStarts,
              (std::vector<std::string>{"11", "12", "19", "13", "12", "12", "12", "13"}));
    std::vector<std::string> items = ReadPunchLine(wrapped);
    EXPECT_EQ(std::count(items.begin(), items.end(), "."), 1);
    EXPECT_EQ(items.size(), 11u + 12 + 30 + 48 + 3 + 1);
}

TEST(SecretRiddle, AnswersBeyondSixteenBitsArePrintedWholeUnderWiderBlanks) {
    WorksheetRequest r = RiddleRequest("Big sums", Skill::Multiplication, 99'999, 30'000);
    r.FirstMin = 90'000;
    r.SecondMin = 20'000;
    const RiddleSheet sheet = Make(r);
    for (const auto& [letter, answer] : sheet.answerOf)
        EXPECT_GT(std::stod(answer), 1e9) << letter;
    // Every number inside its blank (ReadPunchLine checks), the blanks one wider than the
    // longest number.
    EXPECT_EQ(ReadPunchLine(sheet).size(), 7u);
    size_t longest = 0;
    for (const auto& entry : sheet.answerOf)
        longest = std::max(longest, entry.second.size() + 2);
    const std::string& blanks = sheet.lines[sheet.answerLine + 3];
    EXPECT_EQ(blanks.find(" " + std::string(longest, '_') + " "), 5u);
}

TEST(SecretRiddle, RangesWithTooFewDifferentAnswersAreRefusedBeforeWriting) {
    // Sums of 1 to 10 and 1 to 10: 19 different answers.
    WorksheetRequest r = RiddleRequest("abcdefghijklmnopqrs", Skill::Addition, 10, 10);
    EXPECT_NO_THROW(CheckSecretRiddleCanBeMade(r));
    r.PunchLine += "t";
    try {
        CheckSecretRiddleCanBeMade(r);
        ADD_FAILURE() << "20 letters from 19 sums";
    } catch (const GenerationError& e) {
        EXPECT_STREQ(e.what(), "The punch line has 20 different letters, and each letter needs a "
                               "problem with an answer of its own, but with these number ranges "
                               "addition gives only 19 different answers. Widen the number "
                               "ranges or choose a punch line with fewer different letters.");
    }
    // Every skill that can occur is checked; the ranges' own conditions come first.
    r = RiddleRequest("abcdefghijk", Skill::Mixed, 10, 10);
    r.SkillChecked = {false, true, false, false, true};
    try {
        CheckSecretRiddleCanBeMade(r); // 1 to 10 by 1 to 10 evenly: quotients 1 to 10
        ADD_FAILURE();
    } catch (const GenerationError& e) {
        EXPECT_NE(std::string(e.what()).find("division gives only 10 different"),
                  std::string::npos);
    }
    r = RiddleRequest("abc", Skill::Subtraction, 5, 20);
    r.SecondMin = 10;
    EXPECT_THROW(CheckSecretRiddleCanBeMade(r), GenerationError);
    r.PunchLine = "";
    EXPECT_NO_THROW(CheckSecretRiddleCanBeMade(r)); // nothing to make
}

TEST(SecretRiddle, DistinctAnswerCountsMatchCountingEveryPair) {
    const int bounds[][4] = {{0, 10, 0, 3},  {0, 6, 0, 9},   {5, 5, 0, 12}, {-7, 4, -5, 6},
                             {0, 2, 10, 20}, {30, 40, 2, 7}, {0, 1, 0, 1},  {-9, -2, 0, 4}};
    for (const auto& b : bounds) {
        for (int k = 1; k <= 4; ++k) {
            for (int variant = 0; variant < 4; ++variant) {
                const auto skill = static_cast<Skill>(k);
                WorksheetRequest r =
                    RangesRequest(skill, b[0], b[1], b[2], static_cast<int16_t>(b[3]));
                r.AllowNegatives = variant & 1;
                r.AllowRemainders = (variant & 2) != 0;
                // The riddle's rules, and the usual ones (a quotient of at least 1).
                const ProblemRules rules =
                    variant == 3 ? ProblemRules{} : RulesFor(Activity::SecretRiddle);
                const RedrawRule rule = RuleFor(r, rules, skill);
                std::set<std::string> answers;
                const DrawnValues first = DrawnValuesOf(b[0], b[1]),
                                  second = DrawnValuesOf(b[2], b[3]);
                for (int64_t x = first.lowest; x <= first.highest; ++x) {
                    for (int64_t y = second.lowest; y <= second.highest; ++y) {
                        const auto fx = static_cast<double>(x), fy = static_cast<double>(y);
                        if (!MeetsRule(rule, fx, fy))
                            continue;
                        const double answer = k == 1   ? fx + fy
                                              : k == 2 ? fx - fy
                                              : k == 3 ? fx * fy
                                                       : std::trunc(fx / fy);
                        answers.insert(NumberText(answer));
                    }
                }
                const auto all = static_cast<int64_t>(answers.size());
                EXPECT_EQ(DistinctAnswerCount(r, rules, skill, 1000), all)
                    << b[0] << ".." << b[1] << " / " << b[2] << ".." << b[3] << " skill " << k
                    << " variant " << variant;
                EXPECT_EQ(DistinctAnswerCount(r, rules, skill, 3), std::min<int64_t>(3, all));
            }
        }
    }
}
