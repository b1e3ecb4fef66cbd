#pragma once
// What the grid-based generators share while a worksheet is built: the answer-key text and the
// character grid through which problems are laid out in a fixed-pitch font. A generator writes
// characters into cells, then FlushGrid prints rows 1 to GridRow, columns 1 to GridWidth, into
// the worksheet and empties the grid. Row 0 and column 0 are never printed; writes outside the
// grid are dropped.

#include "core/utf8.h"
#include "document/document.h"
#include "worksheet/sheet_content.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace abacore {

inline constexpr int kGridLastColumn = 200;
inline constexpr int kGridLastRow = 20;

// A grid of cells, columns 0 to 200 by rows 0 to 20, remembering how far down it was written
// so that clearing touches only those rows.
template <typename Cell> class GridOf {
public:
    static constexpr int kColumns = kGridLastColumn + 1;
    static constexpr int kRows = kGridLastRow + 1;

    static bool inside(int column, int row) {
        return column >= 0 && column < kColumns && row >= 0 && row < kRows;
    }
    Cell at(int column, int row) const {
        return inside(column, row) ? m_cells[index(column, row)] : Cell{};
    }
    void set(int column, int row, Cell value) {
        if (!inside(column, row))
            return;
        m_cells[index(column, row)] = value;
        if (row >= m_usedRows)
            m_usedRows = row + 1;
    }
    // Cells of one row, column 0 first; row must be inside the grid.
    const Cell* rowCells(int row) const { return m_cells.data() + index(0, row); }
    void clear() {
        std::fill(m_cells.begin(), m_cells.begin() + index(0, m_usedRows), Cell{});
        m_usedRows = 0;
    }

private:
    static size_t index(int column, int row) {
        return static_cast<size_t>(row) * kColumns + static_cast<size_t>(column);
    }
    std::array<Cell, static_cast<size_t>(kColumns) * kRows> m_cells{};
    int m_usedRows = 0;
};

struct GenerationState {
    std::string AnswerText;
    SheetContent Content;       // the problems as the pupil answers them
    GridOf<char32_t> CharGrid;  // Unicode code points; 0 is an empty cell
    GridOf<bool> UnderlineGrid; // cells printed underlined
    int GridRow = 0;            // FlushGrid prints rows 1 to GridRow
    int GridColumn = 0;         // the column after which the next item goes
    int GridWidth = 0;          // columns printed of each row

    // Puts the characters of utf8 into cells (column, row), (column + 1, row), ...; returns
    // the number of characters. Broken UTF-8 reads as NextCodePoint reads it.
    int write(int column, int row, std::string_view utf8);
    void underline(int column, int row, int count);

    // Prints the grid into the worksheet with its underlines, each row GridWidth characters
    // (empty cells as blanks) and a line break; then GridRow = 3 and both grids are emptied.
    void FlushGrid(Document& worksheet);

private:
    std::string m_flushBuffer; // kept between flushes to save allocations
};

} // namespace abacore
