#pragma once
// Whether the first range can make math squares under their rules: all four numbers of a
// square come from the first range, and for subtraction without negatives and for division
// every row and column must work out at once, which for exact division gets rare very fast as
// the range widens. The generator redraws whole squares, so the builder checks first.

#include "core/worksheet_request.h"
#include "worksheet/problem.h"

namespace abacore {

// The squares drawn in about a second. Measured once on the two-core build machine, busy with
// other work: a sheet of 15 exact-division squares over 0..500 (some 830 000 drawn squares to
// each one kept) took 0.55 s, about 22 million drawn squares a second. The budget keeps room
// for a slower machine.
inline constexpr double kSquareDrawBudget = 15e6;
// The most squares a sheet holds, the count the budget is set for.
inline constexpr int kMostSquares = 15;
// Below this chance per drawn square a sheet counts as impossible to make: the largest sheet
// would take more than about a second. The cut is the same for every count, so a range that
// works for one count works for any.
inline constexpr double kLowestSquareProbability = kMostSquares / kSquareDrawBudget;

// The filled-in first square shows its top-left number in a box of this many characters.
inline constexpr int kSquareCellDigits = 8;

// The exact chance that four numbers drawn from the first range make a square that meets the
// rule on both rows and both columns. Division needs first numbers above 0; the first range
// may hold at most 65536 numbers for exact division (wider ones are refused by the check
// without counting).
double SquareRuleProbability(const WorksheetRequest& request, RedrawRule rule);

// Throws GenerationError, saying what to change, unless every skill that can occur can make
// its squares from the first range and the filled-in first square can show its number;
// returns the most squares each skill may draw before generation gives up. Makes no check
// when ProblemCount is not above 0.
DrawLimits CheckMathSquaresCanBeMade(const WorksheetRequest& request, const ProblemRules& rules);

} // namespace abacore
