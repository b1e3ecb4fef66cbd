#pragma once
// Whether the request's ranges can make the problems at all. The redraw loops would spin for
// ever on ranges under which a skill's condition never (or almost never) holds, so the
// generators check first and tell the user what to change.

#include "core/worksheet_request.h"
#include "worksheet/problem.h"

#include <cstdint>
#include <string>

namespace abacore {

// Below this chance per drawn pair a sheet counts as impossible to make.
inline constexpr double kLowestRuleProbability = 1e-6;

// The whole numbers a draw between min and max can give: lowest to highest, both included.
struct DrawnValues {
    int64_t lowest = 0;
    int64_t highest = 0;
};
DrawnValues DrawnValuesOf(int64_t min, int64_t max);

// The exact chance that one pair drawn from the request's ranges meets the rule. The ranges
// must be whole numbers of at most 15 digits (CheckProblemsCanBeMade makes sure).
double RuleProbability(const WorksheetRequest& request, RedrawRule rule);

// Throws GenerationError, naming the skill and what to change, unless every skill that can
// occur can meet its condition with the request's ranges; returns the redraw limits to make
// the problems with. Makes no check when ProblemCount is not above 0.
DrawLimits CheckProblemsCanBeMade(const WorksheetRequest& request, const ProblemRules& rules);

// The user's message for a rule that the ranges never (never true) or hardly ever meet.
std::string RuleFailureMessage(RedrawRule rule, bool never, const ProblemRules& rules);

} // namespace abacore
