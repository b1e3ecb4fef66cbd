#include "crossword/crossword_page.h"

#include "crossword/crossword_problems.h"
#include "crossword/grid_builder.h"
#include "worksheet/utf8.h"

namespace abacore {

CrosswordPage MakeCrosswordPage(const CrosswordGrid& grid, const WorksheetRequest& request) {
    CrosswordPage page;
    page.heading = request.Heading;
    for (int y = 1; y <= kCrosswordRows; ++y) {
        for (int x = 1; x <= kCrosswordColumns; ++x) {
            PageCell& cell = page.cells[static_cast<size_t>((y - 1) * kCrosswordColumns + x - 1)];
            if (const char32_t c = grid.letter(x, y); c != 0) {
                AppendUtf8(cell.character, c);
                cell.number = grid.number(x, y);
            }
        }
    }
    for (int w = 1; w <= grid.WordCount && w <= kMostCrosswordProblems; ++w) {
        const WordEntry& entry = grid.word(w);
        ClueEntry clue{entry.EntryNumber, request.CrosswordClues[static_cast<size_t>(w)], w};
        if (entry.Direction == EntryDirection::Across)
            page.across.push_back(std::move(clue));
        else if (entry.Direction == EntryDirection::Down)
            page.down.push_back(std::move(clue));
    }
    return page;
}

CrosswordPage MakeCrossword(WorksheetRequest& request, RandomSource& random) {
    const DrawLimits limits = MakeCrosswordProblems(request, random);
    const CrosswordGrid grid = BuildGrid(request, random, limits);
    return MakeCrosswordPage(grid, request);
}

} // namespace abacore
