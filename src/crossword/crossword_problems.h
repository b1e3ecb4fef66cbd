#pragma once
// The crossword's problem set: each clue is a problem's text ("12 + 7 =") and its entry is the
// answer's text, one character per grid cell (a "-" of a negative answer takes a cell too).
// The set lives in the request record by index, 1 to CrosswordCount; the index ties a clue to
// its answer and to its entry in the grid.

#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "worksheet/problem.h"

#include <string>

namespace abacore {

// The size of the request's clue and answer tables.
inline constexpr int kMostCrosswordProblems = 100;

// Each function is handed the crossword's copy of the problem procedure, its row's rules: a
// division with remainders is never drawn again, so a first number below the second gives the
// answer 0.

// Makes problems 1 to ProblemCount and sets CrosswordCount to ProblemCount; count 0 gives an
// empty set. Throws GenerationError, leaving the set as it was, when the count is above 100 or
// the ranges cannot make the problems. Returns the draw limits that replacements go on with.
DrawLimits MakeCrosswordProblems(WorksheetRequest& request, const ProblemRules& rules,
                                 RandomSource& random);

// Overwrites problem w (1 to 100) with a fresh problem of the same request and returns its
// answer. The random source is not re-seeded: the sequence simply continues. The skill is
// picked again when several are chosen. CrosswordCount stays as it is.
std::string ReplaceCrosswordProblem(WorksheetRequest& request, const ProblemRules& rules,
                                    RandomSource& random, int w, const DrawLimits& limits = {});

} // namespace abacore
