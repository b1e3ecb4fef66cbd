#pragma once
// How many answers the crossword's grid takes with the request's skills and number ranges.
// Short answers share cells and pack densely; long ones need room; answers of one character
// are no entries at all. The count screen and `make` refuse a larger count before building.

#include "core/worksheet_request.h"
#include "worksheet/problem.h"

#include <array>
#include <optional>
#include <string>

namespace abacore {

// Index n: the share of the request's problems whose answer text has n characters (a minus
// sign counts), from the skills that can occur, each equally likely, and the pairs their rules
// allow, each equally likely.
using AnswerLengths = std::array<double, 33>;
AnswerLengths AnswerLengthsOf(const WorksheetRequest& request, const ProblemRules& rules);

// The largest count that builds (nearly always) with these answers: 0 when hardly any answer
// can be an entry; never above the 100 problems the set holds (nor below, when the ranges make
// no problem at all: making them then tells the user what to change).
int CrosswordCapacity(const WorksheetRequest& request, const ProblemRules& rules);

} // namespace abacore
