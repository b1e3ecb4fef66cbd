#pragma once
// The skills practice sheet: numbered problems in rows of horizontal, vertical (stacked) or
// bracketed (long-division) layout, the row kinds taking turns as ProblemStyle says, and one
// answer-key entry per problem.

#include "core/worksheet_request.h"
#include "document/document.h"
#include "worksheet/char_grid.h"
#include "worksheet/problem.h"

#include <string>

namespace abacore {

class RandomSource;

// Makes request.ProblemCount problems, prints them through the grid into the worksheet and
// fills state.AnswerText. The ranges must have passed CheckProblemsCanBeMade.
void MakeSkillsPractice(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                        const DrawLimits& limits, GenerationState& state, Document& worksheet);

// "Practice your addition skills ...": the directions, after "Directions: ".
std::string SkillsPracticeDirections(const WorksheetRequest& request);

// One answer-key entry: LF, number, answer, and for a division that leaves a remainder (when
// remainders are allowed) the remainder and the decimal quotient.
void AppendSkillsAnswer(std::string& answerText, int number, const ArithmeticProblem& problem,
                        bool remaindersAllowed);

} // namespace abacore
