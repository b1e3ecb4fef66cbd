#pragma once
// The crossword's printed pages, for Print, Print Preview and PDF files alike: the puzzle (the
// Name/Date line, the heading, the grid with its entry numbers on the background, and the
// "Across" and "Down" lists, continued on further pages when they do not fit) and the answer key
// (the answer display: the heading on the background over the filled grid).

#include "ui/crossword_painter.h"
#include "ui/page_source.h"

namespace abacore {

PainterPages CrosswordPuzzlePages(const CrosswordPage& page, const CrosswordLook& look);
PainterPages CrosswordKeyPages(const CrosswordPage& page, const CrosswordLook& look);

} // namespace abacore
