#include "crossword/crossword_problems.h"

#include "core/generation_error.h"
#include "core/number_text.h"
#include "worksheet/feasibility.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace abacore {

namespace {

struct ClueAndAnswer {
    std::string clue;
    std::string answer;
};

// Only the texts are kept: the remainder of a division is shown nowhere in the crossword.
ClueAndAnswer Texts(const ArithmeticProblem& problem) {
    ClueAndAnswer texts;
    AppendTrimmedNumberText(texts.clue, problem.first);
    texts.clue += ' ';
    texts.clue += SkillSign(problem.skill);
    texts.clue += ' ';
    AppendTrimmedNumberText(texts.clue, problem.second);
    texts.clue += " =";
    AppendTrimmedNumberText(texts.answer, problem.answer);
    return texts;
}

// Draws for a replacement that repeats no other clue: far more than a nearly full set needs.
constexpr int kMostReplacementDraws = 1'000'000;

// Whether a clue other than problem w shows the problem, or its numbers turned round where the
// order does not matter.
bool isOnPuzzle(const WorksheetRequest& request, int w, const ArithmeticProblem& problem) {
    const std::string clue = Texts(problem).clue;
    const bool turns = problem.skill == Skill::Addition || problem.skill == Skill::Multiplication;
    const std::string turned =
        turns ? Texts(WorkedProblem(problem.skill, problem.second, problem.first)).clue : clue;
    for (int i = 1; i <= request.CrosswordCount; ++i) {
        const std::string& other = request.CrosswordClues[static_cast<size_t>(i)];
        if (i != w && (other == clue || other == turned))
            return true;
    }
    return false;
}

void Store(WorksheetRequest& request, int i, ClueAndAnswer texts) {
    request.CrosswordClues[static_cast<size_t>(i)] = std::move(texts.clue);
    request.CrosswordAnswers[static_cast<size_t>(i)] = std::move(texts.answer);
}

} // namespace

DrawLimits MakeCrosswordProblems(WorksheetRequest& request, const ProblemRules& rules,
                                 RandomSource& random) {
    const int count = request.ProblemCount;
    if (count < 0 || count > kMostCrosswordProblems)
        throw GenerationError("A crossword holds at most 100 problems. Please choose a number "
                              "from 0 to 100.");
    const DrawLimits limits = CheckProblemsCanBeMade(request, rules);
    // Made aside first, so that a failure leaves the earlier set whole.
    std::array<ClueAndAnswer, kMostCrosswordProblems + 1> made;
    DrawnProblems drawn;
    for (int i = 1; i <= count; ++i)
        made[static_cast<size_t>(i)] = Texts(NextNewProblem(request, random, rules, limits, drawn));
    request.CrosswordCount = request.ProblemCount;
    for (int i = 1; i <= count; ++i)
        Store(request, i, std::move(made[static_cast<size_t>(i)]));
    return limits;
}

std::string ReplaceCrosswordProblem(WorksheetRequest& request, const ProblemRules& crossword,
                                    RandomSource& random, int w, const DrawLimits& limits) {
    if (w < 1 || w > kMostCrosswordProblems)
        throw std::out_of_range("crossword problem index out of range");
    ProblemRules rules = crossword;
    rules.reseed = Reseed::Never;
    ArithmeticProblem problem = NextProblem(request, random, rules, limits);
    // Without repeats, not one of the other clues, nor the same numbers turned round.
    for (int tries = 0; request.Choices.noRepeats && isOnPuzzle(request, w, problem); ++tries) {
        if (tries == kMostReplacementDraws)
            throw GenerationError("These number ranges hardly ever give a problem that is not "
                                  "in the puzzle already. Choose fewer problems, widen the "
                                  "number ranges or allow repeats.");
        problem = NextProblem(request, random, rules, limits);
    }
    Store(request, w, Texts(problem));
    return request.CrosswordAnswers[static_cast<size_t>(w)];
}

} // namespace abacore
