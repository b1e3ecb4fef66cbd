#pragma once
// The crossword's files, as bytes for the one atomic file writer: the answer key and the puzzle
// as plain text, and the puzzle in the open JSON crossword format (.ipuz) that other crossword
// programs open.

#include "crossword/crossword_page.h"

#include <string>

namespace abacore {

// A version of a class set has its label (PupilVersionLabel) as a first line before these.

// 19 lines of 27 characters, each ending in a line feed: the grid's characters, "." for an
// empty cell.
std::string CrosswordKeyText(const CrosswordPage& page);

// The builder window's clue list as text.
std::string CrosswordPuzzleText(const CrosswordPage& page);

// An ipuz crossword of 27 x 19 cells: the entry numbers in the puzzle, "#" blocks for empty
// cells, the solution, the heading as title, and the Across and Down clues as [number, clue].
std::string CrosswordIpuz(const CrosswordPage& page);

} // namespace abacore
