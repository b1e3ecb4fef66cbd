#pragma once
// The crossword grid as the builder leaves it: the character of every cell, the number printed
// in every cell where an entry starts, and each word's entry (number, direction, start cell).
// The shown grid is 27 columns by 19 rows, cells (1, 1) to (27, 19), column x to the right and
// row y downward; the tables reach one cell further on every side so that the fit test may
// look beyond any entry.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace abacore {

inline constexpr int kCrosswordColumns = 27;
inline constexpr int kCrosswordRows = 19;

enum class EntryDirection : int16_t { None = 0, Across = 1, Down = 2 };

struct WordEntry {
    // The number shown with the word's clue: the index of the first word that started in the
    // same cell, normally the word's own index. 0 until the word is placed.
    int EntryNumber = 0;
    EntryDirection Direction = EntryDirection::None;
    int column = 0; // start cell
    int row = 0;
    std::string answer; // as placed, after any replacement
};

struct CrosswordGrid {
    static constexpr int kTableColumns = 30; // 0 to 29
    static constexpr int kTableRows = 21;    // 0 to 20

    // Room for words 1 to wordCount; index 0 is never used.
    explicit CrosswordGrid(int wordCount = 0)
        : WordTable(static_cast<size_t>(wordCount) + 1), WordCount(wordCount) {}

    std::array<char32_t, kTableColumns * kTableRows> LetterGrid{}; // 0: an empty cell
    std::array<int, kTableColumns * kTableRows> NumberGrid{};      // 0: no entry starts here
    std::vector<WordEntry> WordTable;
    int WordCount = 0;

    static bool inTable(int x, int y) {
        return x >= 0 && x < kTableColumns && y >= 0 && y < kTableRows;
    }
    static size_t index(int x, int y) {
        return static_cast<size_t>(y) * kTableColumns + static_cast<size_t>(x);
    }
    // Cells outside the tables read as empty.
    char32_t letter(int x, int y) const { return inTable(x, y) ? LetterGrid[index(x, y)] : 0; }
    int number(int x, int y) const { return inTable(x, y) ? NumberGrid[index(x, y)] : 0; }
    const WordEntry& word(int w) const { return WordTable.at(static_cast<size_t>(w)); }
};

} // namespace abacore
