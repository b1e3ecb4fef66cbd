#include "worksheet/sheet_content.h"

#include "core/number_text.h"

namespace abacore {

std::string QuestionText(const ArithmeticProblem& problem) {
    std::string text = TrimmedNumberText(problem.first);
    text += ' ';
    text += SkillSign(problem.skill);
    text += ' ';
    AppendTrimmedNumberText(text, problem.second);
    text += " =";
    return text;
}

SheetProblem RecordedProblem(const ArithmeticProblem& problem, bool remaindersAllowed) {
    SheetProblem recorded{QuestionText(problem), TrimmedNumberText(problem.answer), {}, 0};
    if (problem.skill == Skill::Division && remaindersAllowed)
        recorded.remainder = TrimmedNumberText(problem.remainder);
    return recorded;
}

} // namespace abacore
