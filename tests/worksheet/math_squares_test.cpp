#include "worksheet/math_squares.h"

#include "../support/failure_text.h"
#include "core/generation_error.h"
#include "core/number_text.h"
#include "printed_lines.h"
#include "ranges_request.h"
#include "worksheet/activity_table.h"
#include "worksheet/feasibility.h"
#include "worksheet/squares_feasibility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

using namespace abacore;

static const ProblemRules kSquares = RowOf(Activity::MathSquares).problemRules;

namespace {

struct SquaresSheet {
    WorksheetRequest request;
    Document document;
    std::vector<std::string> lines;
    std::string answers;
};

// The second range plays no part: no subtraction could meet this one.
WorksheetRequest SquaresRequest(Skill skill, double firstMin, double firstMax, int16_t count,
                                bool remainders = false) {
    return RangesRequest(skill, firstMin, firstMax, 30000, 32767, remainders, 2, count);
}

SquaresSheet Make(WorksheetRequest r, uint64_t seed = 1) {
    SquaresSheet sheet;
    RandomSource random(seed);
    GenerationState state;
    MakeMathSquares(r, random, kSquares, CheckMathSquaresCanBeMade(r, kSquares), state,
                    sheet.document);
    sheet.request = r;
    sheet.lines = PrintedLines(sheet.document);
    sheet.answers = state.AnswerText;
    return sheet;
}

std::string Message(const WorksheetRequest& r) {
    return FailureText<GenerationError>([&] { CheckMathSquaresCanBeMade(r, kSquares); });
}

// A result as it must be printed, worked out here from its two numbers.
std::string Expected(Skill skill, double x, double y, bool remainders, const char* before) {
    const double result = skill == Skill::Addition         ? x + y
                          : skill == Skill::Subtraction    ? x - y
                          : skill == Skill::Multiplication ? x * y
                                                           : std::trunc(x / y);
    std::string text = TrimmedNumberText(result);
    if (skill == Skill::Division && remainders && std::fmod(x, y) != 0)
        text.append(before).append("(R").append(TrimmedNumberText(std::fmod(x, y))).append(")");
    return text;
}

// Finds each square by its top edge and checks its frame and that its four results are those
// of its numbers in the answer key; returns the numbers, four a square.
std::vector<double> CheckEverySquare(const SquaresSheet& sheet, Skill skill) {
    std::vector<double> n;
    std::istringstream key(sheet.answers.substr(kMathSquaresNote.size()));
    for (std::string line; std::getline(key, line);) {
        std::istringstream numbers(line.substr(line.find(')') + 1));
        double x = 0;
        for (char comma = ','; numbers >> x; numbers >> comma)
            n.push_back(x);
    }
    EXPECT_EQ(n.size(), 4u * static_cast<size_t>(sheet.request.ProblemCount));
    const bool rem = sheet.request.AllowRemainders.value_or(false);
    std::vector<std::string> lines = sheet.lines; // padded: a result may end a line
    for (std::string& line : lines)
        line.resize(kGridLastColumn + 40, ' ');
    size_t k = 0;
    for (size_t row = 0; row < lines.size(); ++row) {
        for (size_t c = 0; (c = lines[row].find("___", c)) != std::string::npos; c += 19, k += 4) {
            const size_t at = c - 1; // of the first box line, two left of the top edge
            const double a = n[k], b = n[k + 1], cc = n[k + 2], d = n[k + 3];
            EXPECT_EQ(lines[row].substr(c, 20), std::string(19, '_') + " ");
            for (size_t r : {1, 2, 4, 5, 6, 8})
                EXPECT_EQ(lines[row + r].substr(at, 22), "|         |         | ");
            std::string filled;
            if (sheet.request.FirstSquareFilled)
                filled.append(" ").append(TrimmedNumberText(a));
            const std::string r1 = Expected(skill, a, b, rem, ""),
                              r2 = Expected(skill, cc, d, rem, "");
            EXPECT_EQ(TrimRight(lines[row + 3].substr(at, 10)), "|" + filled);
            EXPECT_EQ(lines[row + 3].substr(at + 10, 12 + r1.size() + 1),
                      "|         | " + r1 + " ");
            EXPECT_EQ(lines[row + 7].substr(at, 22 + r2.size() + 1),
                      "|         |         | " + r2 + " ");
            // The second column's result at offset 16, or one blank after a long first one.
            const std::string c1 = Expected(skill, a, cc, rem, ""),
                              c2 = Expected(skill, b, d, rem, " ");
            const size_t c2At = at + std::max<size_t>(15, 5 + c1.size());
            EXPECT_EQ(lines[row + 9].substr(at + 3, c1.size() + 2), " " + c1 + " ");
            EXPECT_EQ(lines[row + 9].substr(c2At - 1, c2.size() + 2), " " + c2 + " ");
        }
    }
    EXPECT_EQ(k, n.size());
    return n;
}

} // namespace

TEST(MathSquares, BoxesTwoToABandWithResultsBesideAndBelow) {
    const SquaresSheet sheet = Make(SquaresRequest(Skill::Addition, 4, 5, 3)); // every number 5
    ASSERT_EQ(sheet.lines.size(), 13u + 14u); // a band of two, then one of one
    CheckEverySquare(sheet, Skill::Addition);
    // Squares from columns 14 and 50; each band printed 80 columns wide, the second one row
    // lower in its block as the grid starts again at row 3.
    const std::string bottom = std::string(17, ' ') + "10" + std::string(9, ' ') + "10";
    EXPECT_EQ(TrimRight(sheet.lines[1]), std::string(14, ' ') + std::string(19, '_') +
                                             std::string(17, ' ') + std::string(19, '_'));
    EXPECT_EQ(TrimRight(sheet.lines[10]), bottom + std::string(23, ' ') + bottom.substr(17));
    EXPECT_EQ(TrimRight(sheet.lines[13 + 11]), bottom);
    for (const std::string& line : sheet.lines)
        EXPECT_EQ(line.size(), 80u);
    // The lower edges of both cells are underlined, on rows 4 and 8 of each square.
    const std::string cells = "\u2502[         \u2502         ]\u2502";
    for (size_t row : {5u, 9u}) {
        EXPECT_EQ(UnderlinedShape(sheet.document)[row], std::string(13, ' ') + cells +
                                                            std::string(15, ' ') + cells +
                                                            std::string(10, ' '));
    }
    EXPECT_EQ(sheet.answers, std::string(kMathSquaresNote) + "\n 1)   5 ,  5 ,  5 ,  5" +
                                 "\n 2)   5 ,  5 ,  5 ,  5\n 3)   5 ,  5 ,  5 ,  5");
}

TEST(MathSquares, ResultsFollowFromTheFourNumbersUnderEachSkillsRules) {
    // Long results (15-digit products, remainders of six digits) push the next square and the
    // second column's result right and widen the printed width instead of being cut.
    struct Case {
        Skill skill;
        bool remainders, negatives, filled;
        double min, max;
    } const cases[] = {{Skill::Addition, false, false, false, 0, 50},
                       {Skill::Subtraction, false, false, true, 0, 20},
                       {Skill::Subtraction, false, true, false, 0, 20},
                       {Skill::Multiplication, false, false, true, 0, 12},
                       {Skill::Division, false, false, false, 0, 30},
                       {Skill::Mixed, true, false, true, 0, 100},
                       {Skill::Division, true, false, false, 0, 999'999},
                       {Skill::Multiplication, false, false, false, 12'345'677, 12'345'678},
                       {Skill::Addition, false, false, false, 99'999'999'999'999, 1e14}};
    size_t widest = 0;
    for (const Case& c : cases) {
        for (uint64_t seed = 1; seed <= 25; ++seed) {
            WorksheetRequest r = SquaresRequest(c.skill, c.min, c.max, 15, c.remainders);
            r.AllowNegatives = c.negatives;
            r.FirstSquareFilled = c.filled;
            r.SkillChecked = {false, false, std::nullopt, false, true}; // mixed: division only
            SCOPED_TRACE(std::to_string(&c - cases) + " seed " + std::to_string(seed));
            const bool division = c.skill == Skill::Division || c.skill == Skill::Mixed;
            const SquaresSheet sheet = Make(r, seed);
            widest = std::max(widest, sheet.lines[0].size());
            const std::vector<double> n =
                CheckEverySquare(sheet, division ? Skill::Division : c.skill);
            for (size_t k = 0; k + 3 < n.size(); k += 4) {
                const double a = n[k], b = n[k + 1], cc = n[k + 2], d = n[k + 3];
                EXPECT_TRUE(std::min({a, b, cc, d}) > c.min && std::max({a, b, cc, d}) <= c.max);
                // Each row's and column's first number the larger, or every division exact.
                if ((c.skill == Skill::Subtraction && !c.negatives) || (division && c.remainders)) {
                    EXPECT_TRUE(b <= a && d <= cc && cc <= a && d <= b) << a << b << cc << d;
                }
                if (division && !c.remainders) {
                    EXPECT_TRUE(std::fmod(a, b) == 0 && std::fmod(cc, d) == 0 &&
                                std::fmod(a, cc) == 0 && std::fmod(b, d) == 0);
                }
            }
        }
    }
    EXPECT_GT(widest, 80u);
}

TEST(MathSquares, ImpossibleOrHopelessRangesAreRefusedWithWhatToChange) {
    // Exact division over the whole 16-bit range: about one drawn square in 30 billion.
    WorksheetRequest exact = SquaresRequest(Skill::Division, 0, 32767, 15);
    EXPECT_NE(Message(exact).find("up to 32767 hardly ever do that. Lower the first number's "
                                  "largest value to 541 or less"),
              std::string::npos);
    exact.FirstMax = 541; // the suggestion holds, one more does not
    EXPECT_EQ(Message(exact), "");
    exact.FirstMax = 542;
    EXPECT_NE(Message(exact), "");
    // Subtraction works for any range: four equal numbers always do.
    EXPECT_EQ(Message(SquaresRequest(Skill::Subtraction, 0, 999'999'999'999'999, 15)), "");
    // The filled-in number must fit its box.
    WorksheetRequest big = SquaresRequest(Skill::Addition, 0, 100'000'000, 1);
    big.FirstSquareFilled = true;
    EXPECT_NE(Message(big).find("up to 8 digits"), std::string::npos);
    big.FirstMax = 99'999'999;
    EXPECT_EQ(Message(big), "");

    // The chances match counting every square.
    for (const auto& range : {std::pair{0, 1}, {0, 6}, {1, 9}, {3, 12}, {10, 17}, {-4, 3}}) {
        for (RedrawRule rule : {RedrawRule::SecondNotLarger, RedrawRule::DivisorNotLarger,
                                RedrawRule::ExactDivision}) {
            const DrawnValues v = DrawnValuesOf(range.first, range.second);
            if (rule != RedrawRule::SecondNotLarger && v.lowest < 1)
                continue; // division needs first numbers above 0
            double meet = 0, all = 0;
            for (double a = v.lowest; a <= v.highest; ++a)
                for (double b = v.lowest; b <= v.highest; ++b)
                    for (double c = v.lowest; c <= v.highest; ++c)
                        for (double d = v.lowest; d <= v.highest; ++d, ++all)
                            meet += MeetsRule(rule, a, b) && MeetsRule(rule, c, d) &&
                                    MeetsRule(rule, a, c) && MeetsRule(rule, b, d);
            EXPECT_NEAR(SquareRuleProbability(
                            SquaresRequest(Skill::Division, range.first, range.second, 1), rule),
                        meet / all, 1e-12)
                << range.first << ".." << range.second << " rule " << static_cast<int>(rule);
        }
    }
}
