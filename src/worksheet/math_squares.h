#pragma once
// Math squares: two-by-two boxes of empty cells with a result at the end of each row and under
// each column; the pupil finds four numbers that give them under the square's skill. Drawn with
// box-drawing characters in the fixed-pitch "Terminal" font, two squares to a band, and an
// answer key of one solution per square under a note that others may exist.

#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "document/document.h"
#include "worksheet/char_grid.h"
#include "worksheet/problem.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace abacore {

inline constexpr std::string_view kMathSquaresNote =
    "Note: There are multiple solutions for most math squares. The answers provided below are "
    "only one possible solution.\n\n";

inline constexpr const char* kSquaresFont = "Terminal";
// Lines of the 11-point squares exactly this tall: a little less than most fixed-pitch fonts
// give, so the box lines of one row run into the next whatever font stands in for "Terminal".
inline constexpr double kSquaresLineHeight = 12;

// The vertical box line: code 179 of code page 437, the character set of "Terminal".
inline constexpr std::string_view kBoxLine = "\u2502";

struct MathSquare {
    Skill skill = Skill::None;
    double a = 0, b = 0, c = 0, d = 0; // top left, top right, bottom left, bottom right
    // First row (a with b), second row (c with d), first column (a with c), second column
    // (b with d); for division the whole quotients and their remainders.
    std::array<double, 4> results{};
    std::array<double, 4> remainders{};
};

// One square of the current SkillMode: four numbers from the first range, drawn again together
// until both rows and both columns meet the skill's condition. Throws GenerationError after
// maxDraws squares.
MathSquare MakeMathSquare(const WorksheetRequest& request, RandomSource& random,
                          const ProblemRules& rules, uint64_t maxDraws);

// A result as printed beside or under the square: the number, and for division with
// remainders allowed a remainder other than 0 as "(R1)" (" (R1)" under the second column).
std::string SquareResultText(const MathSquare& square, int which, bool remaindersAllowed);

// "Fill in the squares ...": the directions, after "Directions: ". With several skills they
// list the chosen ones.
std::string MathSquaresDirections(const WorksheetRequest& request);

// Makes request.ProblemCount squares, re-seeding the random source before each as the other
// activities do, prints them through the grid into the worksheet (in "Terminal", not bold)
// and fills state.AnswerText.
// The request must have passed CheckMathSquaresCanBeMade, whose limits count whole squares.
void MakeMathSquares(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                     const DrawLimits& limits, GenerationState& state, Document& worksheet);

} // namespace abacore
