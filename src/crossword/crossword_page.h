#pragma once
// What the crossword's windows, printing and files show, made once from the built grid and the
// request: the heading, the 27 x 19 cells with their characters and entry numbers, and the
// Across and Down clue lists. The screen answer display shows the characters; the printed
// puzzle shows empty boxes with the numbers in the start cells.

#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "crossword/crossword_grid.h"
#include "document/sheet_version.h"

#include <optional>
#include <string>
#include <vector>

namespace abacore {

namespace CrosswordText {
// The line printed above the heading on the puzzle page.
inline constexpr const char* kNameDateLine = "              Name_______________________________"
                                             "                Date____________________";
} // namespace CrosswordText

struct PageCell {
    std::string character; // UTF-8, one character; empty for a cell without an entry
    int number = 0;        // the entry number printed in a start cell; 0 elsewhere

    bool isEmpty() const { return character.empty(); }
};

struct ClueEntry {
    int number = 0; // the entry number
    std::string clue;
    int word = 0; // the index of the problem in the request's tables
};

struct CrosswordPage {
    std::string heading;
    // Row by row from the top left: cell (x, y) is at (y - 1) * 27 + (x - 1).
    std::vector<PageCell> cells = std::vector<PageCell>(kCrosswordColumns * kCrosswordRows);
    // In increasing entry number, as every list shows them; a number occurs once in each.
    std::vector<ClueEntry> across;
    std::vector<ClueEntry> down;
    // Which version of a class set this is; printed on the puzzle and on its key.
    SheetVersion version;
    // The sheet code's line, at the foot of the puzzle and its key; empty for none.
    std::string code;

    // x from 1 to 27, y from 1 to 19.
    const PageCell& cell(int x, int y) const {
        return cells.at(static_cast<size_t>((y - 1) * kCrosswordColumns + (x - 1)));
    }
};

// The columns and rows from the first to the last that hold a cell; nothing for an empty grid.
struct UsedCellBox {
    int left = 0, right = 0, top = 0, bottom = 0;
};
std::optional<UsedCellBox> UsedCells(const CrosswordPage& page);

// What a screen reader says for cell (x, y): "empty" where no entry passes, otherwise its entry
// number if it has one, then its character where the answers are shown or "blank" where the
// pupil writes it ("clue 3, blank", "7"). The number is said as a clue's: "16, 9" is heard as
// two numbers, and "number 16" as the cell's content, while the clue list reads "16)" too.
std::string SpokenCell(const CrosswordPage& page, int x, int y, bool answersShown);

// The clues come from the request's CrosswordClues, by word index.
CrosswordPage MakeCrosswordPage(const CrosswordGrid& grid, const WorksheetRequest& request);

} // namespace abacore
