#pragma once
// The value-matching worksheet: numbered problems on the left, and on the right a shuffled,
// lettered column of partner expressions, each with the value of exactly one problem. The pupil
// writes the partner's letter on the blank before each problem; the answer key lists them.

#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "document/document.h"
#include "worksheet/char_grid.h"
#include "worksheet/problem.h"

namespace abacore {

// Letters A to Y: one page's worth.
inline constexpr int kMostMatchingProblems = 25;

// The directions, after "Directions: ".
std::string ValueMatchingDirections(const WorksheetRequest& request);

// Throws GenerationError, saying what to change, when the ranges cannot give partners at all:
// a partner's second number lies strictly between SecondMin and SecondMax, and its first number
// differs from its problem's. Also refuses more than 25 problems. Call it besides
// CheckProblemsCanBeMade(request, rules) with the activity's rules.
void CheckValueMatchingCanBeMade(const WorksheetRequest& request);

// Makes the problems and their partners, then writes the lines into the worksheet and the
// answer key into state.AnswerText (one entry per problem, each ending with LF). Throws
// GenerationError, before it writes anything, when the ranges keep giving problems that no
// partner can match.
void MakeValueMatching(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                       const DrawLimits& limits, GenerationState& state, Document& worksheet);

// The partner expression's second number for a value, a partner skill and its first number:
// value - first, first - value, value / first or first / value.
double PartnerSecond(Skill skill, double value, double first);

} // namespace abacore
