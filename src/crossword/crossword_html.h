#pragma once
// The crossword as a web page a pupil fills in and checks in any browser, offline: the grid to
// type in cell by cell (the arrow keys move between cells), the Across and Down clues beside
// it, and "Check my answers", which marks each entry and gives the score.

#include "crossword/crossword_page.h"

#include <string>

namespace abacore {

std::string CrosswordHtml(const CrosswordPage& page);

} // namespace abacore
