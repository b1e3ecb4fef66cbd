#include "worksheet/math_squares.h"

#include "printed_lines.h"
#include "worksheet/feasibility.h"
#include "worksheet/generation_error.h"
#include "worksheet/number_text.h"
#include "worksheet/squares_feasibility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace abacore;

namespace {

struct SquaresSheet {
    WorksheetRequest request;
    Document document;
    std::vector<std::string> lines;
    std::string answers;
};

WorksheetRequest SquaresRequest(Skill skill, double firstMin, double firstMax, int16_t count,
                                bool remainders = false) {
    WorksheetRequest r;
    r.ActivityType = Activity::MathSquares;
    r.SkillMode = skill;
    r.MixedSkills = skill == Skill::Mixed;
    r.FirstMin = firstMin;
    r.FirstMax = firstMax;
    // The second range plays no part; one that no subtraction could meet proves it.
    r.SecondMin = 30000;
    r.SecondMax = 32767;
    r.AllowRemainders = remainders;
    r.ProblemCount = count;
    return r;
}

SquaresSheet Make(WorksheetRequest r, uint64_t seed = 1) {
    SquaresSheet sheet;
    RandomSource random(seed);
    GenerationState state;
    MakeMathSquares(r, random, CheckMathSquaresCanBeMade(r), state, sheet.document);
    sheet.request = r;
    sheet.lines = PrintedLines(sheet.document);
    sheet.answers = state.AnswerText;
    return sheet;
}

std::string Message(const WorksheetRequest& r) {
    try {
        CheckMathSquaresCanBeMade(r);
    } catch (const GenerationError& e) {
        return e.what();
    }
    return {};
}

// A result as it must be printed, worked out here from the two numbers.
std::string Expected(Skill skill, double x, double y, bool remainders, bool secondColumn) {
    double result = 0;
    switch (skill) {
    case Skill::Addition:
        result = x + y;
        break;
    case Skill::Subtraction:
        result = x - y;
        break;
    case Skill::Multiplication:
        result = x * y;
        break;
    default:
        result = std::trunc(x / y);
        break;
    }
    std::string text = TrimmedNumberText(result);
    if (skill == Skill::Division && remainders && std::fmod(x, y) != 0)
        text += (secondColumn ? " (R" : "(R") + TrimmedNumberText(std::fmod(x, y)) + ")";
    return text;
}

// Reads the squares back from the printed bands: the top edge of each square gives its column;
// checks its frame and that its four results are those of the numbers in the answer key.
void CheckEverySquare(const SquaresSheet& sheet, Skill skill) {
    std::vector<double> numbers;
    for (size_t at = 0; (at = sheet.answers.find('\n', at)) != std::string::npos; ++at) {
        if (at + 1 < sheet.answers.size() && sheet.answers[at + 1] != '\n' &&
            sheet.answers[at + 1] != 'N') {
            const std::string line =
                sheet.answers.substr(at + 1, sheet.answers.find('\n', at + 1) - at - 1);
            const size_t close = line.find(')');
            for (size_t from = close + 1; from < line.size();) {
                const size_t comma = line.find(',', from);
                numbers.push_back(std::stod(line.substr(from, comma - from)));
                from = comma == std::string::npos ? line.size() : comma + 1;
            }
        }
    }
    ASSERT_EQ(numbers.size(), 4u * static_cast<size_t>(sheet.request.ProblemCount));
    const bool remainders = sheet.request.AllowRemainders.value_or(false);
    size_t square = 0;
    for (size_t row = 0; row < sheet.lines.size(); ++row) {
        const std::string& top = sheet.lines[row];
        for (size_t c = 0; (c = top.find("___", c)) != std::string::npos; c += 19) {
            const double a = numbers[4 * square], b = numbers[4 * square + 1],
                         cc = numbers[4 * square + 2], d = numbers[4 * square + 3];
            ++square;
            const size_t column = c - 1; // of the square's start, 0-based: the edge is at +2
            EXPECT_EQ(top.substr(c, 20), std::string(19, '_') + " ");
            for (size_t r : {1, 2, 4, 5, 6, 8}) {
                EXPECT_EQ(sheet.lines[row + r].substr(column, 22), "|         |         | ");
            }
            const std::string r1 = Expected(skill, a, b, remainders, false);
            const std::string r2 = Expected(skill, cc, d, remainders, false);
            const std::string c1 = Expected(skill, a, cc, remainders, false);
            const std::string c2 = Expected(skill, b, d, remainders, true);
            const std::string& row3 = sheet.lines[row + 3];
            EXPECT_EQ(row3.substr(column + 10, 13 + r1.size()),
                      "|         | " + r1 + (column + 22 + r1.size() < row3.size() ? " " : ""))
                << "square " << square;
            std::string filled;
            if (sheet.request.FirstSquareFilled)
                filled.append(" ").append(TrimmedNumberText(a));
            EXPECT_EQ(TrimRight(row3.substr(column, 10)), "|" + filled);
            EXPECT_EQ(sheet.lines[row + 7].substr(column, 22 + r2.size()),
                      "|         |         | " + r2);
            const std::string& bottom = sheet.lines[row + 9];
            EXPECT_EQ(bottom.substr(column + 4, c1.size() + 1), c1 + " ");
            // The second column's result at offset 16, or one blank after a long first one.
            const size_t c2At = column + std::max<size_t>(15, 5 + c1.size());
            EXPECT_EQ(bottom.substr(c2At - 1, c2.size() + 1), " " + c2);
        }
    }
    EXPECT_EQ(square, static_cast<size_t>(sheet.request.ProblemCount));
}

} // namespace

TEST(MathSquares, BoxesTwoToABandWithResultsBesideAndBelow) {
    // Every number 5: each result is 10.
    const SquaresSheet sheet = Make(SquaresRequest(Skill::Addition, 4, 5, 3));
    const std::string box = "|         |         |";
    const std::string pad13(13, ' ');
    const std::vector<std::string> firstBand = {
        "",
        std::string(14, ' ') + std::string(19, '_') + std::string(17, ' ') + std::string(19, '_'),
        pad13 + box + std::string(15, ' ') + box,
        pad13 + box + std::string(15, ' ') + box,
        pad13 + box + " 10" + std::string(12, ' ') + box + " 10",
        pad13 + box + std::string(15, ' ') + box,
        pad13 + box + std::string(15, ' ') + box,
        pad13 + box + std::string(15, ' ') + box,
        pad13 + box + " 10" + std::string(12, ' ') + box + " 10",
        pad13 + box + std::string(15, ' ') + box,
        std::string(17, ' ') + "10" + std::string(9, ' ') + "10" + std::string(23, ' ') + "10" +
            std::string(9, ' ') + "10",
        "",
        ""};
    ASSERT_EQ(sheet.lines.size(), 13u + 14u); // a band of two, then one of one
    for (size_t i = 0; i < firstBand.size(); ++i) {
        EXPECT_EQ(sheet.lines[i].size(), 80u);
        EXPECT_EQ(TrimRight(sheet.lines[i]), firstBand[i]) << "line " << i;
    }
    // The second band starts one row lower in its block, as the grid starts again at row 3.
    EXPECT_EQ(TrimRight(sheet.lines[13 + 2]), firstBand[1].substr(0, 33));
    EXPECT_EQ(TrimRight(sheet.lines[13 + 11]), firstBand[10].substr(0, 30));

    // The lower edges of both cells are underlined on rows 4 and 8 of each square.
    for (size_t row : {5u, 9u}) {
        std::string marks;
        for (const auto& run : sheet.document.paragraphs()[row].runs)
            marks += std::string(static_cast<size_t>(CharacterCount(run.text)),
                                 run.format.underline ? 'u' : '.');
        EXPECT_EQ(marks, std::string(14, '.') + std::string(19, 'u') + std::string(17, '.') +
                             std::string(19, 'u') + std::string(11, '.'));
    }
    EXPECT_EQ(sheet.answers, std::string(kMathSquaresNote) + "\n 1)   5 ,  5 ,  5 ,  5" +
                                 "\n 2)   5 ,  5 ,  5 ,  5\n 3)   5 ,  5 ,  5 ,  5");
    // The box line is code 179 of the "Terminal" font's code page.
    EXPECT_NE(sheet.document.plainText().find("\u2502"), std::string::npos);

    // The first square filled in: its top-left number after one blank.
    WorksheetRequest filled = SquaresRequest(Skill::Addition, 4, 5, 1);
    filled.FirstSquareFilled = true;
    EXPECT_EQ(TrimRight(Make(filled).lines[4]), pad13 + "| 5       |         | 10");
}

TEST(MathSquares, ResultTextsWithRemainders) {
    MathSquare s;
    s.skill = Skill::Division;
    s.results = {3, 3, 1, 1}; // 9, 3, 7, 2
    s.remainders = {0, 1, 2, 1};
    EXPECT_EQ(SquareResultText(s, 0, true), "3");
    EXPECT_EQ(SquareResultText(s, 1, true), "3(R1)");
    EXPECT_EQ(SquareResultText(s, 2, true), "1(R2)");
    EXPECT_EQ(SquareResultText(s, 3, true), "1 (R1)");
    EXPECT_EQ(SquareResultText(s, 1, false), "3");
}

TEST(MathSquares, ResultsFollowFromTheFourNumbersUnderEachSkillsRules) {
    struct Case {
        Skill skill;
        bool remainders;
        bool negatives;
        double max;
        bool filled;
    };
    const Case cases[] = {{Skill::Addition, false, false, 50, false},
                          {Skill::Subtraction, false, false, 20, true},
                          {Skill::Subtraction, false, true, 20, false},
                          {Skill::Multiplication, false, false, 12, true},
                          {Skill::Division, false, false, 30, false},
                          {Skill::Division, true, false, 100, true},
                          {Skill::Mixed, true, false, 40, false}};
    for (const Case& c : cases) {
        for (uint64_t seed = 1; seed <= 25; ++seed) {
            WorksheetRequest r = SquaresRequest(c.skill, 0, c.max, 15, c.remainders);
            r.AllowNegatives = c.negatives;
            r.FirstSquareFilled = c.filled;
            if (c.skill == Skill::Mixed)
                r.SkillChecked = {false, false, false, false, true};
            SCOPED_TRACE("skill " + std::to_string(static_cast<int>(c.skill)) + " seed " +
                         std::to_string(seed));
            const SquaresSheet sheet = Make(r, seed);
            CheckEverySquare(sheet, c.skill == Skill::Mixed ? Skill::Division : c.skill);
            // The rules: each row's and column's first number is the larger (or equal) for
            // subtraction without negatives and for division with remainders; every division
            // exact without remainders; all numbers from the first range.
            std::vector<double> n;
            for (size_t at = 0; (at = sheet.answers.find(") ", at)) != std::string::npos;) {
                at += 2;
                for (int k = 0; k < 4; ++k) {
                    size_t used = 0;
                    n.push_back(std::stod(sheet.answers.substr(at), &used));
                    at += used + 3;
                }
            }
            for (size_t k = 0; k + 3 < n.size(); k += 4) {
                const double a = n[k], b = n[k + 1], cc = n[k + 2], d = n[k + 3];
                for (double x : {a, b, cc, d}) {
                    EXPECT_GE(x, 1);
                    EXPECT_LE(x, c.max);
                }
                const bool ordered = b <= a && d <= cc && cc <= a && d <= b;
                const bool division = c.skill == Skill::Division || c.skill == Skill::Mixed;
                if ((c.skill == Skill::Subtraction && !c.negatives) || (division && c.remainders)) {
                    EXPECT_TRUE(ordered) << a << " " << b << " " << cc << " " << d;
                }
                if (division && !c.remainders) {
                    EXPECT_TRUE(std::fmod(a, b) == 0 && std::fmod(cc, d) == 0 &&
                                std::fmod(a, cc) == 0 && std::fmod(b, d) == 0);
                }
            }
        }
    }
}

TEST(MathSquares, LongResultsPushTheirNeighboursRightInsteadOfBeingCut) {
    // 12345678 x 12345678 = 152415765279684: fifteen digits beside each square.
    const SquaresSheet wide =
        Make(SquaresRequest(Skill::Multiplication, 12'345'677, 12'345'678, 2));
    CheckEverySquare(wide, Skill::Multiplication);
    const std::string& row3 = wide.lines[4];
    EXPECT_EQ(row3.find("|         |         | 152415765279684 |"), 13u);
    // The second square moved from column 50 to 52; the printed width grew to hold its result.
    EXPECT_EQ(row3.find('|', 40), 51u);
    EXPECT_EQ(row3.size(), 51u + 22 + 15);
    EXPECT_TRUE(row3.ends_with("| 152415765279684"));
    // A long first-column result moves the second column's one right.
    const SquaresSheet sums = Make(SquaresRequest(Skill::Addition, 99'999'999'999'999, 1e14, 1));
    CheckEverySquare(sums, Skill::Addition);
    EXPECT_EQ(TrimRight(sums.lines[10]), std::string(17, ' ') + "200000000000000 200000000000000");
    // Division with remainders on the second square: printed whole past column 80.
    bool past80 = false;
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        const SquaresSheet remainders =
            Make(SquaresRequest(Skill::Division, 0, 999'999, 2, true), seed);
        CheckEverySquare(remainders, Skill::Division);
        past80 = past80 || remainders.lines[0].size() > 80;
    }
    EXPECT_TRUE(past80);
}

TEST(MathSquares, ImpossibleOrHopelessRangesAreRefusedWithWhatToChange) {
    // Exact division over the whole 16-bit range: about one square in 30 billion.
    WorksheetRequest exact = SquaresRequest(Skill::Division, 0, 32767, 15);
    const std::string message = Message(exact);
    EXPECT_EQ(message, "In a math square of division without remainders both rows and both "
                       "columns must divide evenly, and first numbers up to 32767 hardly ever "
                       "do that. Lower the first number's largest value to 216 or less, or "
                       "allow remainders.");
    exact.FirstMax = 216; // the suggestion holds
    EXPECT_EQ(Message(exact), "");
    exact.FirstMax = 217;
    EXPECT_NE(Message(exact), "");
    exact.AllowRemainders = true;
    exact.FirstMax = 32767;
    EXPECT_EQ(Message(exact), "");
    // Narrow ranges of large numbers: only squares of one number repeated.
    exact = SquaresRequest(Skill::Division, 1e12, 1e12 + 1000, 1);
    EXPECT_NE(Message(exact).find("to 1000000000046 or less"), std::string::npos);

    // Subtraction works out for any range: a square of four equal numbers always does.
    EXPECT_EQ(Message(SquaresRequest(Skill::Subtraction, 0, 999'999'999'999'999, 15)), "");
    // The filled-in number must fit its box.
    WorksheetRequest big = SquaresRequest(Skill::Addition, 0, 100'000'000, 1);
    EXPECT_EQ(Message(big), "");
    big.FirstSquareFilled = true;
    EXPECT_NE(Message(big).find("up to 8 digits"), std::string::npos);
    big.FirstMax = 99'999'999;
    EXPECT_EQ(Message(big), "");
    // Every skill that can occur is checked; nothing to make, nothing to check.
    WorksheetRequest mixed = SquaresRequest(Skill::Mixed, 0, 5000, 4);
    mixed.SkillChecked = {false, true, false, false, true};
    EXPECT_NE(Message(mixed).find("division without remainders"), std::string::npos);
    mixed.SkillChecked = {};
    EXPECT_NE(Message(mixed).find("Choose at least one skill"), std::string::npos);
    mixed.ProblemCount = 0;
    EXPECT_EQ(Message(mixed), "");
}

TEST(MathSquares, SquareProbabilitiesMatchCountingEverySquare) {
    const int ranges[][2] = {{0, 1}, {0, 6}, {1, 9}, {3, 12}, {10, 17}, {-4, 3}, {6, 6}};
    for (const auto& range : ranges) {
        for (RedrawRule rule : {RedrawRule::SecondNotLarger, RedrawRule::DivisorNotLarger,
                                RedrawRule::ExactDivision}) {
            const WorksheetRequest r = SquaresRequest(Skill::Division, range[0], range[1], 1);
            const DrawnValues v = DrawnValuesOf(range[0], range[1]);
            if (rule != RedrawRule::SecondNotLarger && v.lowest < 1)
                continue; // division needs first numbers above 0
            double meet = 0, all = 0;
            for (int64_t a = v.lowest; a <= v.highest; ++a)
                for (int64_t b = v.lowest; b <= v.highest; ++b)
                    for (int64_t c = v.lowest; c <= v.highest; ++c)
                        for (int64_t d = v.lowest; d <= v.highest; ++d, ++all) {
                            const auto x = [](int64_t n) { return static_cast<double>(n); };
                            meet += MeetsRule(rule, x(a), x(b)) && MeetsRule(rule, x(c), x(d)) &&
                                    MeetsRule(rule, x(a), x(c)) && MeetsRule(rule, x(b), x(d));
                        }
            EXPECT_NEAR(SquareRuleProbability(r, rule), meet / all, 1e-12)
                << range[0] << ".." << range[1] << " rule " << static_cast<int>(rule);
        }
    }
}
