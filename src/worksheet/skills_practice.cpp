#include "worksheet/skills_practice.h"

#include "core/number_text.h"
#include "worksheet/directions.h"
#include "worksheet/large_print.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace abacore {

namespace {

constexpr int kGridWidth = 75; // of 11-point type
constexpr double kUsualPoints = 11;
constexpr int kRowStartColumn = 5;
constexpr int kFirstRow = 2;
constexpr int kWideStep = 22;     // horizontal and bracket problems
constexpr int kProblemsInRow = 3; // horizontal and bracket rows
constexpr int kVerticalStep = 16;
constexpr int kVerticalNumberOffset = 7; // the first number, after the problem number
constexpr int kVerticalInRow = 4;
constexpr int kMixedVerticalStep = 24; // vertical rows of horizontal-and-vertical sheets
// The columns a problem of two four-digit numbers takes from its row position, and a problem
// number of two digits: "20) 1234 + 5678 =" after a blank, and "20)   1234" for vertical ones.
constexpr int kWideNeed = 18;
constexpr int kVerticalNeed = 11;
// Missing-number rows, a little wider: "20) 1234 + ____ = 12345".
constexpr int kMissingStep = 24;
constexpr int kMissingNeed = 22;
constexpr std::string_view kBlank = "____";

enum class Layout { Horizontal, Vertical, Bracket };

// A problem printed with a blank: what it shows after its number, and the number left out.
struct Missing {
    std::string question;
    double number = 0;
};

// "7 + ____ = 15", the first or the second number left blank; a division that leaves one shows
// its remainder ("17 + ____ = 3 R 2").
Missing missingOf(const ArithmeticProblem& problem, bool firstBlank) {
    Missing missing{{}, firstBlank ? problem.first : problem.second};
    std::string& text = missing.question;
    if (firstBlank)
        text += kBlank;
    else
        AppendTrimmedNumberText(text, problem.first);
    text += ' ';
    text += SkillSign(problem.skill);
    text += ' ';
    if (firstBlank)
        AppendTrimmedNumberText(text, problem.second);
    else
        text += kBlank;
    text += " = ";
    AppendTrimmedNumberText(text, problem.answer);
    if (!problem.exact) {
        text += " R ";
        AppendTrimmedNumberText(text, problem.remainder);
    }
    return missing;
}

// Missing-number rows take the turns of horizontal rows; with both chosen, the horizontal
// rows alternate between the two, plain first.
int16_t rowStyle(int16_t style) {
    return (style & StyleBit::kMissing)
               ? static_cast<int16_t>((style & ~StyleBit::kMissing) | StyleBit::kHorizontal)
               : style;
}

// Every mix with brackets starts with a bracket row; only vertical alone starts vertical.
Layout firstLayout(int16_t style) {
    if (style & StyleBit::kBracket)
        return Layout::Bracket;
    if (style == StyleBit::kVertical)
        return Layout::Vertical;
    return Layout::Horizontal;
}

class SheetLayout {
public:
    SheetLayout(int16_t chosen, double scale, Paper paper, GenerationState& state,
                Document& worksheet)
        : m_style(rowStyle(chosen)), m_layout(firstLayout(m_style)), m_state(state),
          m_worksheet(worksheet) {
        const int16_t style = m_style;
        const bool missing = (chosen & StyleBit::kMissing) != 0;
        m_missingRow = missing && !(chosen & StyleBit::kHorizontal);
        m_alternate = missing && !m_missingRow;
        const int width = ColumnsAt(scale, paper, kGridWidth, kUsualPoints);
        m_wideInRow = ItemsInRow(width, kRowStartColumn, kWideStep, kWideNeed, kProblemsInRow);
        m_missingInRow =
            ItemsInRow(width, kRowStartColumn, kMissingStep, kMissingNeed, kProblemsInRow);
        // Rows of horizontal-and-vertical sheets hold as many problems as the horizontal
        // rows, spread wider.
        m_verticalStep =
            style == StyleBit::kHorizontalVertical ? kMixedVerticalStep : kVerticalStep;
        m_verticalInRow =
            style == StyleBit::kHorizontalVertical
                ? std::min(m_wideInRow, ItemsInRow(width, kRowStartColumn, m_verticalStep,
                                                   kVerticalNeed, kProblemsInRow))
                : ItemsInRow(width, kRowStartColumn, m_verticalStep, kVerticalNeed, kVerticalInRow);
        m_state.GridWidth = width;
        m_state.GridColumn = kRowStartColumn;
        m_state.GridRow = kFirstRow;
    }

    // Places the problem; tells what it shows when a number is left blank.
    std::optional<Missing> place(int number, const ArithmeticProblem& problem) {
        ++m_rowCount;
        switch (m_layout) {
        case Layout::Horizontal:
            if (m_missingRow)
                return placeMissing(number, problem);
            placeHorizontal(number, problem);
            break;
        case Layout::Bracket:
            placeBracket(number, problem);
            break;
        case Layout::Vertical:
            placeVertical(number, problem);
            break;
        }
        return std::nullopt;
    }

    void finish() {
        if (m_rowCount > 0) {
            m_state.GridRow += 4;
            m_state.FlushGrid(m_worksheet);
        }
    }

private:
    void startText(int number, std::string_view after) {
        m_text.clear();
        AppendTrimmedNumberText(m_text, number);
        m_text += after;
    }

    void endRow(int rowsDown) {
        m_rowCount = 0;
        m_state.GridRow += rowsDown;
        m_state.GridColumn = kRowStartColumn;
        m_state.FlushGrid(m_worksheet);
    }

    void placeHorizontal(int number, const ArithmeticProblem& problem) {
        startText(number, ") ");
        AppendTrimmedNumberText(m_text, problem.first);
        m_text += ' ';
        m_text += SkillSign(problem.skill);
        m_text += ' ';
        AppendTrimmedNumberText(m_text, problem.second);
        m_text += " =";
        m_state.write(m_state.GridColumn + 1, m_state.GridRow, m_text);
        m_state.GridColumn += kWideStep;
        if (m_rowCount != m_wideInRow)
            return;
        endHorizontalRow();
    }

    // Odd problems leave out the second number, even ones the first.
    Missing placeMissing(int number, const ArithmeticProblem& problem) {
        Missing missing = missingOf(problem, number % 2 == 0);
        startText(number, ") ");
        m_text += missing.question;
        m_state.write(m_state.GridColumn + 1, m_state.GridRow, m_text);
        m_state.GridColumn += kMissingStep;
        if (m_rowCount == m_missingInRow)
            endHorizontalRow();
        return missing;
    }

    void endHorizontalRow() {
        if (m_alternate)
            m_missingRow = !m_missingRow;
        endRow(4);
        if (m_style == StyleBit::kHorizontalVertical) {
            m_state.GridRow += 3;
            m_layout = Layout::Vertical;
        } else if (m_style == StyleBit::kBracketHorizontal) {
            m_state.GridRow += 3;
            m_layout = Layout::Bracket;
        } else if (m_style == StyleBit::kAll) {
            m_layout = Layout::Vertical;
        }
    }

    // Divisor and "/" first, then the dividend with a bar of "_" over it and two blanks.
    void placeBracket(int number, const ArithmeticProblem& problem) {
        startText(number, ")  ");
        AppendTrimmedNumberText(m_text, problem.second);
        m_text += '/';
        const int row = m_state.GridRow;
        const int length1 = m_state.write(m_state.GridColumn + 1, row, m_text);
        m_text.clear();
        AppendTrimmedNumberText(m_text, problem.first);
        m_text += "  ";
        const int dividendColumn = m_state.GridColumn + length1 + 1;
        const int length2 = m_state.write(dividendColumn, row, m_text);
        for (int k = 0; k < length2; ++k)
            m_state.CharGrid.set(dividendColumn + k, row - 1, U'_');
        m_state.GridColumn += kWideStep;
        if (m_rowCount != m_wideInRow)
            return;
        endRow(4);
        if (m_style == StyleBit::kBracketHorizontal) {
            m_state.GridRow += 3;
            m_layout = Layout::Horizontal;
        } else if (m_style == StyleBit::kBracketVertical) {
            m_state.GridRow += 3;
            m_layout = Layout::Vertical;
        } else if (m_style == StyleBit::kAll) {
            m_layout = Layout::Horizontal;
        }
    }

    // Number and first number on one line; sign and second number underlined beneath, their
    // last character under the first number's last digit.
    void placeVertical(int number, const ArithmeticProblem& problem) {
        const int row = m_state.GridRow;
        startText(number, ")   ");
        m_state.write(m_state.GridColumn + 1, row, m_text);
        m_state.GridColumn += kVerticalNumberOffset;
        m_text.clear();
        AppendTrimmedNumberText(m_text, problem.first);
        const int firstLength = m_state.write(m_state.GridColumn, row, m_text);
        m_text.clear();
        m_text += SkillSign(problem.skill);
        m_text += ' ';
        AppendTrimmedNumberText(m_text, problem.second);
        const int start = m_state.GridColumn + firstLength - CharacterCount(m_text);
        const int secondLength = m_state.write(start, row + 1, m_text);
        m_state.underline(start, row + 1, secondLength);
        m_state.GridColumn += m_verticalStep - kVerticalNumberOffset;
        if (m_rowCount != m_verticalInRow)
            return;
        endRow(7);
        if (m_style == StyleBit::kHorizontalVertical) {
            m_layout = Layout::Horizontal;
        } else if (m_style == StyleBit::kBracketVertical) {
            m_state.GridRow += 3;
            m_layout = Layout::Bracket;
        } else if (m_style == StyleBit::kAll) {
            // Up one row, not two: the bracket row then sits where the sheet's first bracket
            // row does, with its bars on the printed row above it.
            m_state.GridRow -= 1;
            m_layout = Layout::Bracket;
        }
    }

    int16_t m_style;
    Layout m_layout;
    GenerationState& m_state;
    Document& m_worksheet;
    int m_rowCount = 0;
    bool m_missingRow = false; // the horizontal rows are missing-number rows now
    bool m_alternate = false;  // with plain horizontal rows, taking turns
    int m_missingInRow = kProblemsInRow;
    int m_wideInRow = kProblemsInRow;
    int m_verticalInRow = kVerticalInRow;
    int m_verticalStep = kVerticalStep;
    std::string m_text;
};

} // namespace

void AppendSkillsAnswer(std::string& answerText, int number, const ArithmeticProblem& problem,
                        bool remaindersAllowed) {
    answerText += '\n';
    AppendNumberText(answerText, number);
    answerText += ")  ";
    AppendNumberText(answerText, problem.answer);
    if (problem.skill == Skill::Division && remaindersAllowed && !problem.exact) {
        answerText += " Remainder ";
        AppendNumberText(answerText, problem.remainder);
        answerText += "   (or:";
        AppendNumberText(answerText, problem.decimalQuotient);
        answerText += ')';
    }
}

void MakeSkillsPractice(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                        const DrawLimits& limits, GenerationState& state, Document& worksheet) {
    state.AnswerText.clear();
    if (request.ProblemCount > 0)
        state.AnswerText.reserve(static_cast<size_t>(request.ProblemCount) * 24);
    SheetLayout layout(request.ProblemStyle, TypeScale(request), request.PaperSize, state,
                       worksheet);
    DrawnProblems drawn;
    for (int number = 1; number <= request.ProblemCount; ++number) {
        const ArithmeticProblem problem = NextNewProblem(request, random, rules, limits, drawn);
        const std::optional<Missing> missing = layout.place(number, problem);
        const bool remainders = IsTrue(request.AllowRemainders);
        if (!missing) {
            AppendSkillsAnswer(state.AnswerText, number, problem, remainders);
            state.Content.problems.push_back(RecordedProblem(problem, remainders));
            continue;
        }
        // The key gives the missing number, and the pupil types only that.
        state.AnswerText += '\n';
        AppendNumberText(state.AnswerText, number);
        state.AnswerText += ")  ";
        AppendNumberText(state.AnswerText, missing->number);
        state.Content.problems.push_back(
            {missing->question, TrimmedNumberText(missing->number), {}, 0});
    }
    layout.finish();
}

std::string SkillsPracticeDirections(const WorksheetRequest& request) {
    return "Practice your " + LowerCaseSkillName(request.SkillMode) +
           " skills by solving the problems below.";
}

} // namespace abacore
