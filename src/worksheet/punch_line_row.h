#pragma once
// The riddle worksheet's last part: "The Answer: " and the punch line as a row of blanks, one
// per letter, each with the number of its letter's problem beneath it; other characters stand
// as typed. A line ends after a blank past column 90, as the sheet always did; a word that
// would run past the printed width starts a new line (a word wider than a whole line is
// broken where it runs out), and lines past the grid's last row go on in a new band, so every
// letter of any punch line is shown.

#include "document/document.h"
#include "worksheet/char_grid.h"

#include <array>
#include <string>
#include <string_view>

namespace abacore {

inline constexpr int kPunchLineWidth = 140; // columns printed, of 6-point type
inline constexpr int kPunchLineBreakAfter = 90;
inline constexpr double kPunchLinePoints = 6;
inline constexpr int kPunchLineStartColumn = 5;
inline constexpr int kPunchLineSpacing = 5; // grid rows from one line of blanks to the next
inline constexpr int kNarrowestBlank = 7;   // a blank and six underscores

// The number under each letter's blanks, "(12)", by letter ('a' at index 0); empty for a
// letter without a problem.
using LetterNumbers = std::array<std::string, 26>;

// Columns each letter takes: seven, or more when a number would not fit under its blank.
int PunchLineBlankWidth(const LetterNumbers& numbers);

// Writes the row into the worksheet through the grid, in 6-point type times `scale`; larger
// type (or narrower paper) takes fewer columns and breaks lines as much sooner. Uses the grid from
// row state.GridRow (3 after a flush) and leaves it flushed.
void WritePunchLineRow(std::string_view punchLine, const LetterNumbers& numbers, double scale,
                       Paper paper, GenerationState& state, Document& worksheet);

} // namespace abacore
