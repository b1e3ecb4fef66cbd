#include "worksheet/math_squares.h"

#include "core/generation_error.h"
#include "core/number_text.h"
#include "worksheet/directions.h"
#include "worksheet/large_print.h"

#include <algorithm>
#include <cmath>

namespace abacore {

namespace {

constexpr int kGridWidth = 80; // of 11-point type
constexpr double kUsualPoints = 11;
constexpr int kBandStartColumn = 13;
constexpr int kFirstRow = 2;
constexpr int kSquareStep = 36; // from one square of a band to the next
constexpr int kSquaresInBand = 2;
// A square and a result of six characters beside it.
constexpr int kSquareNeed = 28;
constexpr int kBandRows = 11;
constexpr int kBoxRight = 22; // the blank after the right-hand box line
constexpr int kFirstColumnResult = 5;
constexpr int kSecondColumnResult = 16;

double resultOf(Skill skill, double x, double y) {
    switch (skill) {
    case Skill::Addition:
        return x + y;
    case Skill::Subtraction:
        return x - y;
    case Skill::Multiplication:
        return x * y;
    case Skill::Division:
        return y == 0 ? 0 : std::trunc(x / y);
    default:
        return 0;
    }
}

// "│" nine blanks "│" nine blanks "│" and a blank.
std::string boxRow() {
    std::string row;
    for (int k = 0; k < 2; ++k) {
        row += kBoxLine;
        row += std::string(9, ' ');
    }
    row += kBoxLine;
    row += ' ';
    return row;
}

class BandLayout {
public:
    BandLayout(double scale, Paper paper, GenerationState& state, Document& worksheet,
               bool firstSquareFilled, bool remaindersAllowed)
        : m_state(state), m_worksheet(worksheet), m_filled(firstSquareFilled),
          m_remainders(remaindersAllowed), m_boxRow(boxRow()),
          m_width(ColumnsAt(scale, paper, kGridWidth, kUsualPoints)),
          m_inBandMost(
              ItemsInRow(m_width, kBandStartColumn, kSquareStep, kSquareNeed, kSquaresInBand)) {
        m_state.GridWidth = m_width;
        m_state.GridColumn = kBandStartColumn;
        m_state.GridRow = kFirstRow;
    }

    void place(const MathSquare& square) {
        const int row = m_state.GridRow;
        const int column = m_state.GridColumn;
        auto put = [&](int rowOffset, int columnOffset, std::string_view text) {
            return m_state.write(column + columnOffset, row + rowOffset, text);
        };
        m_state.write(column + 2, row, std::string(19, '_'));
        for (int r : {1, 2, 4, 5, 6, 8})
            put(r, 1, m_boxRow);
        m_state.underline(column + 2, row + 4, 19);
        m_state.underline(column + 2, row + 8, 19);

        const std::string r1 = SquareResultText(square, 0, m_remainders);
        const std::string r2 = SquareResultText(square, 1, m_remainders);
        const std::string c1 = SquareResultText(square, 2, m_remainders);
        const std::string c2 = SquareResultText(square, 3, m_remainders);
        if (m_filled) {
            put(3, 1, std::string(kBoxLine) + " " + TrimmedNumberText(square.a));
            put(3, 11,
                std::string(kBoxLine) + std::string(9, ' ') + std::string(kBoxLine) + " " + r1);
        } else {
            put(3, 1, m_boxRow + r1);
        }
        put(7, 1, m_boxRow + r2);
        const int c1Length = put(9, kFirstColumnResult, c1);
        // A long first-column result pushes the second one right rather than under it.
        const int c2Column = std::max(kSecondColumnResult, kFirstColumnResult + c1Length + 1);
        const int c2Length = put(9, c2Column, c2);

        const int lastUsed = std::max({kBoxRight, kBoxRight + CharacterCount(r1),
                                       kBoxRight + CharacterCount(r2), c2Column + c2Length - 1});
        m_bandWidth = std::max(m_bandWidth, column + lastUsed);
        // The next square keeps a blank column after this one's longest result.
        m_state.GridColumn += std::max(kSquareStep, lastUsed + 1);
        if (++m_inBand == m_inBandMost)
            endBand();
    }

    void finish() {
        if (m_inBand > 0)
            endBand();
    }

private:
    void endBand() {
        m_inBand = 0;
        m_state.GridRow += kBandRows;
        m_state.GridColumn = kBandStartColumn;
        // Wide results widen the printed width instead of being cut off.
        m_state.GridWidth = std::min(kGridLastColumn, std::max(m_width, m_bandWidth));
        m_state.FlushGrid(m_worksheet);
        m_state.GridWidth = m_width;
        m_bandWidth = 0;
    }

    GenerationState& m_state;
    Document& m_worksheet;
    bool m_filled;
    bool m_remainders;
    std::string m_boxRow;
    int m_width;
    int m_inBandMost;
    int m_inBand = 0;
    int m_bandWidth = 0;
};

} // namespace

MathSquare MakeMathSquare(const WorksheetRequest& request, RandomSource& random,
                          const ProblemRules& rules, uint64_t maxDraws) {
    MathSquare s;
    s.skill = request.SkillMode;
    const RedrawRule rule = RuleFor(request, rules, s.skill);
    const double min = request.FirstMin.value_or(0.0);
    const double max = request.FirstMax.value_or(0.0);
    // A square is given up at its first failing row or column, before the rest is drawn: the
    // four draws are independent, so the squares kept are the same as when all four are drawn
    // first, and exact division (most tries failing on the first row) runs twice as fast.
    for (uint64_t draws = 0;; ++draws) {
        if (draws == maxDraws) {
            throw GenerationError("These number ranges hardly ever give a math square whose "
                                  "rows and columns all work out. Change the first number's "
                                  "range or choose another skill.");
        }
        s.a = DrawOperand(min, max, random);
        s.b = DrawOperand(min, max, random);
        if (!MeetsRule(rule, s.a, s.b))
            continue;
        s.c = DrawOperand(min, max, random);
        if (!MeetsRule(rule, s.a, s.c))
            continue;
        s.d = DrawOperand(min, max, random);
        if (MeetsRule(rule, s.c, s.d) && MeetsRule(rule, s.b, s.d))
            break;
    }

    const std::array<std::array<double, 2>, 4> pairs = {
        {{s.a, s.b}, {s.c, s.d}, {s.a, s.c}, {s.b, s.d}}};
    for (size_t k = 0; k < pairs.size(); ++k) {
        const auto [x, y] = pairs[k];
        s.results[k] = resultOf(s.skill, x, y);
        if (s.skill == Skill::Division && y != 0)
            s.remainders[k] = std::fmod(x, y);
    }
    return s;
}

std::string SquareResultText(const MathSquare& square, int which, bool remaindersAllowed) {
    const auto k = static_cast<size_t>(which);
    std::string text = TrimmedNumberText(square.results[k]);
    if (square.skill == Skill::Division && remaindersAllowed && square.remainders[k] != 0) {
        text += which == 3 ? " (R" : "(R";
        AppendTrimmedNumberText(text, square.remainders[k]);
        text += ')';
    }
    return text;
}

void MakeMathSquares(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                     const DrawLimits& limits, GenerationState& state, Document& worksheet) {
    // A fixed-pitch font whose box-drawing lines join from row to row; unlike the other
    // sheets' problems, the squares are not bold.
    worksheet.SetBold(false);
    worksheet.SetFontName(kSquaresFont);
    const double scale = TypeScale(request);
    worksheet.SetLineHeight(kSquaresLineHeight * scale);
    state.AnswerText = kMathSquaresNote;
    BandLayout layout(scale, request.PaperSize, state, worksheet, request.FirstSquareFilled,
                      request.AllowRemainders.value_or(false));
    for (int number = 1; number <= request.ProblemCount; ++number) {
        random.ReseedFromClock();
        if (request.MixedSkills)
            PickSkill(request, random);
        const MathSquare square =
            MakeMathSquare(request, random, rules, limits.forSkill(request.SkillMode));
        state.AnswerText += '\n';
        AppendNumberText(state.AnswerText, number);
        state.AnswerText += ")  ";
        AppendNumberText(state.AnswerText, square.a);
        for (double n : {square.b, square.c, square.d}) {
            state.AnswerText += " , ";
            AppendNumberText(state.AnswerText, n);
        }
        layout.place(square);
        state.Content.squares.push_back(
            {square.skill, square.results, square.remainders,
             request.FirstSquareFilled ? TrimmedNumberText(square.a) : std::string()});
    }
    layout.finish();
    worksheet.SetLineHeight(0);
    state.Content.remaindersShown = request.AllowRemainders.value_or(false);
    state.Content.firstSquareFilled = request.FirstSquareFilled;
}

std::string MathSquaresDirections(const WorksheetRequest& request) {
    if (!request.MixedSkills) {
        const SkillWords words = SkillWordsFor(request.SkillMode);
        std::string text = "Fill in the squares so that the numbers ";
        text += words.verb;
        text += " left to right and downwards to equal the ";
        text += words.noun;
        text += request.FirstSquareFilled
                    ? "s provided.  The first square has been filled in to get you started."
                    : "s provided.";
        return text;
    }
    const std::string list = SkillListText(request);
    return "Using " + list +
           ", fill in the squares so that the numbers equal the answers provided. Each square "
           "will use only one skill (" +
           list +
           (request.FirstSquareFilled ? "). The first square has been filled in to get you started."
                                      : ").");
}

} // namespace abacore
