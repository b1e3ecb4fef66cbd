#pragma once
// Whether the ranges can give the riddle worksheet what it needs: a problem for every distinct
// letter of the punch line, no two with the same answer. The distinct-answer redraw would spin
// for ever on ranges with fewer different answers than letters, so the builder checks first.

#include "core/worksheet_request.h"
#include "worksheet/problem.h"

#include <cstdint>

namespace abacore {

// How many different answers problems of `skill` can have under the request's ranges and the
// rules' redraw conditions, counted exactly up to `enough` (the count stops there).
int64_t DistinctAnswerCount(const WorksheetRequest& request, const ProblemRules& rules, Skill skill,
                            int64_t enough);

// Throws GenerationError, saying what to change, unless every skill that can occur can make a
// problem for each letter of the punch line with answers all different; returns the redraw
// limits to make the problems with. Makes no check for a punch line without letters.
DrawLimits CheckSecretRiddleCanBeMade(const WorksheetRequest& request, const ProblemRules& rules);

} // namespace abacore
