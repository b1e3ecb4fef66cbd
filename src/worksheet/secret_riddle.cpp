#include "worksheet/secret_riddle.h"

#include "core/generation_error.h"
#include "core/number_text.h"
#include "worksheet/directions.h"
#include "worksheet/large_print.h"
#include "worksheet/punch_line_row.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace abacore {

namespace {

constexpr int kGridWidth = 75; // of 11-point type
constexpr double kUsualPoints = 11;
constexpr int kRowStartColumn = 5;
constexpr int kFirstRow = 2;
constexpr int kColumnStep = 22;
constexpr int kProblemsInRow = 3;
// The columns a problem of two four-digit numbers takes, under "20)  Letter: T".
constexpr int kProblemNeed = 18;

// A safety net behind CheckSecretRiddleCanBeMade, which makes sure there are enough different
// answers: with 26 letters and the rarest answer one draw in a thousand, running out of
// redraws has a chance below e^-100.
constexpr int kMostAnswerRedraws = 100'000;

// The letters in random order. Each draw picks one of the letters not yet taken, which deals
// them as fairly as drawing slots until an untaken one turns up, and never spins.
std::string shuffled(std::string letters, RandomSource& random) {
    std::string result;
    result.reserve(letters.size());
    while (!letters.empty()) {
        const double r = random.Next();
        const auto k =
            std::min(letters.size() - 1,
                     static_cast<size_t>(std::floor(r * static_cast<double>(letters.size()))));
        result += letters[k];
        letters.erase(k, 1);
    }
    return result;
}

std::string riddleLine(const WorksheetRequest& request) {
    return "Riddle: " + request.RiddleQuestion;
}

char upper(char letter) {
    return static_cast<char>(letter - 'a' + 'A');
}

class ProblemLayout {
public:
    ProblemLayout(double scale, Paper paper, GenerationState& state, Document& worksheet)
        : m_state(state), m_worksheet(worksheet) {
        m_state.GridWidth = ColumnsAt(scale, paper, kGridWidth, kUsualPoints);
        m_inRowMost = ItemsInRow(m_state.GridWidth, kRowStartColumn, kColumnStep, kProblemNeed,
                                 kProblemsInRow);
        m_state.GridColumn = kRowStartColumn;
        m_state.GridRow = kFirstRow;
    }

    // "1)  Letter: T" and under the word Letter the problem, "12 + 5 =".
    void place(int number, char letter, const ArithmeticProblem& problem) {
        m_text.clear();
        AppendTrimmedNumberText(m_text, number);
        m_text += ")  ";
        const int labelLength = CharacterCount(m_text);
        m_text += "Letter: ";
        m_text += upper(letter);
        m_state.write(m_state.GridColumn + 1, m_state.GridRow, m_text);
        m_text.clear();
        AppendTrimmedNumberText(m_text, problem.first);
        m_text += ' ';
        m_text += SkillSign(problem.skill);
        m_text += ' ';
        AppendTrimmedNumberText(m_text, problem.second);
        m_text += " =";
        m_state.write(m_state.GridColumn + labelLength + 1, m_state.GridRow + 1, m_text);
        m_state.GridColumn += kColumnStep;
        if (++m_inRow == m_inRowMost)
            endRow();
    }

    void finish() {
        if (m_inRow > 0)
            endRow();
    }

private:
    void endRow() {
        m_inRow = 0;
        m_state.GridRow += 4;
        m_state.GridColumn = kRowStartColumn;
        m_state.FlushGrid(m_worksheet);
    }

    GenerationState& m_state;
    Document& m_worksheet;
    int m_inRow = 0;
    int m_inRowMost = kProblemsInRow;
    std::string m_text;
};

} // namespace

std::string PunchLineLetters(std::string_view punchLine) {
    std::string letters;
    for (char c : punchLine) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c >= 'a' && c <= 'z' && letters.find(c) == std::string::npos)
            letters += c;
    }
    return letters;
}

void MakeSecretRiddle(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                      const DrawLimits& limits, GenerationState& state, Document& worksheet) {
    const std::string letters = PunchLineLetters(request.PunchLine);
    request.ProblemCount = static_cast<int16_t>(letters.size());
    random.ReseedFromClock();
    const std::string order = shuffled(letters, random);

    state.AnswerText.clear();
    std::vector<std::string> answerTexts; // of the problems so far, as the pupil sees them
    LetterNumbers numbers;
    const double scale = TypeScale(request);
    ProblemLayout layout(scale, request.PaperSize, state, worksheet);
    for (int number = 1; number <= request.ProblemCount; ++number) {
        const char letter = order[static_cast<size_t>(number - 1)];
        ArithmeticProblem problem = NextProblem(request, random, rules, limits);
        std::string answer = NumberText(problem.answer);
        // Same skill, new numbers, until the answer is one no other letter has.
        for (int redraws = 0;
             std::find(answerTexts.begin(), answerTexts.end(), answer) != answerTexts.end();
             ++redraws) {
            if (redraws == kMostAnswerRedraws) {
                throw GenerationError(
                    "These number ranges hardly ever give " + std::to_string(letters.size()) +
                    " different answers, one for each letter of the punch line. Widen the "
                    "number ranges or choose a punch line with fewer different letters.");
            }
            problem = MakeProblem(request, random, rules, limits);
            answer = NumberText(problem.answer);
        }
        state.AnswerText += '\n';
        AppendNumberText(state.AnswerText, number);
        state.AnswerText += ")  ";
        state.AnswerText += upper(letter);
        state.AnswerText += "=  ";
        state.AnswerText += answer;
        SheetProblem& recorded =
            state.Content.problems.emplace_back(RecordedProblem(problem, false));
        recorded.letter = upper(letter);
        answerTexts.push_back(std::move(answer));
        std::string& under = numbers[static_cast<size_t>(letter - 'a')];
        under.assign(1, '(');
        AppendTrimmedNumberText(under, problem.answer);
        under += ')';
        layout.place(number, letter, problem);
    }
    layout.finish();
    WritePunchLineRow(request.PunchLine, numbers, scale, request.PaperSize, state, worksheet);
    state.Content.riddle = riddleLine(request);
    state.Content.punchLine = request.PunchLine;
}

std::string SecretRiddleDirections(const WorksheetRequest& request) {
    return "Solve the " + LowerCaseSkillName(request.SkillMode) +
           " problems below, then use the answers to decipher the answer to the riddle.";
}

void WriteRiddleLine(const WorksheetRequest& request, Document& worksheet) {
    worksheet.SetItalic(true);
    const double scale = TypeScale(request);
    worksheet.SetFontSize(14 * scale);
    worksheet.Insert(riddleLine(request) + "\n\n");
    worksheet.SetItalic(false);
    worksheet.SetFontSize(10 * scale);
}

} // namespace abacore
