#pragma once
// The secret riddle worksheet: one problem for every distinct letter of the punch line, each
// labelled with its letter and with an answer no other problem has, then the punch line as
// blanks with the answer of each letter's problem under them. The directions, with the riddle
// itself, are written before the generator runs.

#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "document/document.h"
#include "worksheet/char_grid.h"
#include "worksheet/problem.h"

#include <string>
#include <string_view>

namespace abacore {

// "Solve the addition problems below, ...": the directions, after "Directions: ".
std::string SecretRiddleDirections(const WorksheetRequest& request);
// The riddle itself, in 14-point italics after the directions; then back to their 10 points,
// upright.
void WriteRiddleLine(const WorksheetRequest& request, Document& worksheet);

// The letters a to z of a punch line, lower case, each once, in order of first appearance.
std::string PunchLineLetters(std::string_view punchLine);

// Sets request.ProblemCount to the number of letters, makes their problems in shuffled letter
// order, prints them three to a row and the punch-line row through the grid into the worksheet,
// and fills state.AnswerText with one line per problem. The request must have passed
// CheckSecretRiddleCanBeMade; its limits bound each problem's draws.
void MakeSecretRiddle(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                      const DrawLimits& limits, GenerationState& state, Document& worksheet);

} // namespace abacore
