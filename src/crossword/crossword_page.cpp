#include "crossword/crossword_page.h"

#include "core/utf8.h"
#include "crossword/crossword_problems.h"

#include <algorithm>

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
    // A word that starts where an earlier word of the other direction starts takes that word's
    // smaller number, so word order is not number order.
    const auto byNumber = [](const ClueEntry& a, const ClueEntry& b) {
        return a.number < b.number;
    };
    std::stable_sort(page.across.begin(), page.across.end(), byNumber);
    std::stable_sort(page.down.begin(), page.down.end(), byNumber);
    return page;
}

std::optional<UsedCellBox> UsedCells(const CrosswordPage& page) {
    std::optional<UsedCellBox> box;
    for (int y = 1; y <= kCrosswordRows; ++y)
        for (int x = 1; x <= kCrosswordColumns; ++x) {
            if (page.cell(x, y).isEmpty())
                continue;
            if (!box) {
                box = UsedCellBox{x, x, y, y};
                continue;
            }
            box->left = std::min(box->left, x);
            box->right = std::max(box->right, x);
            box->bottom = y;
        }
    return box;
}

std::string SpokenCell(const CrosswordPage& page, int x, int y, bool answersShown) {
    const PageCell& cell = page.cell(x, y);
    if (cell.isEmpty())
        return "empty";
    std::string spoken = cell.number ? "clue " + std::to_string(cell.number) + ", " : std::string();
    return spoken + (answersShown ? cell.character : std::string("blank"));
}

} // namespace abacore
