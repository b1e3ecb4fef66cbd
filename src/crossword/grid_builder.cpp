#include "crossword/grid_builder.h"

#include "crossword/crossword_problems.h"
#include "worksheet/generation_error.h"
#include "worksheet/utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

namespace abacore {

namespace {

constexpr int kFirstWordColumn = 16;
constexpr int kLastAcrossColumn = 17;
constexpr int kLastDownRow = 14;

// Columns 2 to 17 take 16 characters across; rows 2 to 14 take 13 down.
constexpr int kLongestEntry = kLastAcrossColumn - 1;

// Where each character stands in an answer, one bit per position from the first, so that the
// scan passes over a cell whose character the answer lacks with one look-up.
class AnswerPositions {
public:
    explicit AnswerPositions(std::u32string_view answer) : m_answer(answer) {
        for (size_t i = 0; i < answer.size(); ++i)
            if (answer[i] < m_ascii.size())
                m_ascii[answer[i]] |= 1u << i;
    }
    uint32_t of(char32_t c) const {
        if (c < m_ascii.size())
            return m_ascii[c];
        uint32_t at = 0;
        for (size_t i = 0; i < m_answer.size(); ++i)
            if (m_answer[i] == c)
                at |= 1u << i;
        return at;
    }

private:
    std::u32string_view m_answer;
    std::array<uint32_t, 128> m_ascii{};
};

// TryAcross and TryDown are one test along different axes: (dx, dy) steps along the entry,
// (dy, dx) steps to the cells beside it.
bool TryEntry(CrosswordGrid& grid, int w, std::u32string_view answer, int x, int y, int pos,
              EntryDirection direction) {
    const bool across = direction == EntryDirection::Across;
    const int dx = across ? 1 : 0;
    const int dy = across ? 0 : 1;
    const int length = static_cast<int>(answer.size());
    const int after = length - pos; // characters after the crossing
    const int along = across ? x : y;
    const int last = across ? kLastAcrossColumn : kLastDownRow;
    if (pos < 1 || pos > length || along - pos <= 0 || along + after > last)
        return false;

    // Cell k steps from the crossing: an empty one needs empty cells on both sides, a filled
    // one the answer's character.
    const auto fits = [&](int k) {
        const int cx = x + k * dx;
        const int cy = y + k * dy;
        const char32_t c = grid.letter(cx, cy);
        if (c == 0)
            return grid.letter(cx - dy, cy - dx) == 0 && grid.letter(cx + dy, cy + dx) == 0;
        return c == answer[static_cast<size_t>(pos - 1 + k)];
    };
    for (int k = 1; k <= after; ++k)
        if (!fits(k))
            return false;
    if (grid.letter(x + (after + 1) * dx, y + (after + 1) * dy) != 0)
        return false;
    for (int k = 1; k <= pos - 1; ++k)
        if (!fits(-k))
            return false;
    if (grid.letter(x - pos * dx, y - pos * dy) != 0)
        return false;

    for (int k = 1 - pos; k <= after; ++k)
        grid.LetterGrid[CrosswordGrid::index(x + k * dx, y + k * dy)] =
            answer[static_cast<size_t>(pos - 1 + k)];
    WordEntry& entry = grid.WordTable.at(static_cast<size_t>(w));
    entry.EntryNumber = w;
    entry.Direction = direction;
    entry.column = x - (pos - 1) * dx;
    entry.row = y - (pos - 1) * dy;
    entry.answer = EncodeUtf8(answer);
    // A start cell that already carries a number keeps it, and the entry shares it.
    int& number = grid.NumberGrid[CrosswordGrid::index(entry.column, entry.row)];
    if (number == 0)
        number = w;
    else
        entry.EntryNumber = number;
    return true;
}

} // namespace

bool TryAcross(CrosswordGrid& grid, int w, std::u32string_view answer, int x, int y, int pos) {
    return TryEntry(grid, w, answer, x, y, pos, EntryDirection::Across);
}

bool TryDown(CrosswordGrid& grid, int w, std::u32string_view answer, int x, int y, int pos) {
    return TryEntry(grid, w, answer, x, y, pos, EntryDirection::Down);
}

bool PlaceFirstWord(CrosswordGrid& grid, std::u32string_view answer) {
    const int length = static_cast<int>(answer.size());
    if (length == 0 || length > kCrosswordRows)
        return false;
    const int top = (kCrosswordRows - length) / 2;
    for (int k = 1; k <= length; ++k)
        grid.LetterGrid[CrosswordGrid::index(kFirstWordColumn, top + k)] =
            answer[static_cast<size_t>(k - 1)];
    WordEntry& entry = grid.WordTable.at(1);
    entry.EntryNumber = 1;
    entry.Direction = EntryDirection::Down;
    entry.column = kFirstWordColumn;
    entry.row = top + 1;
    entry.answer = EncodeUtf8(answer);
    grid.NumberGrid[CrosswordGrid::index(kFirstWordColumn, top + 1)] = 1;
    return true;
}

bool PlaceWord(CrosswordGrid& grid, int w, std::u32string_view answer, RandomSource& random) {
    // Too long for either direction: no crossing could take it, whatever was drawn.
    if (answer.empty() || static_cast<int>(answer.size()) > kLongestEntry)
        return false;
    const AnswerPositions positions(answer);
    for (int x = 1; x <= kCrosswordColumns; ++x) {
        for (int y = 1; y <= kCrosswordRows; ++y) {
            const char32_t c = grid.LetterGrid[CrosswordGrid::index(x, y)];
            if (c == 0)
                continue;
            for (uint32_t at = positions.of(c); at != 0; at &= at - 1) {
                const int pos = std::countr_zero(at) + 1;
                // The direction is drawn for every crossing, and only it is tried.
                const int d = static_cast<int>(std::floor(2.0 * random.Next() + 1.0));
                const bool placed = d == 1 ? TryAcross(grid, w, answer, x, y, pos)
                                           : TryDown(grid, w, answer, x, y, pos);
                // Once placed, later crossings change nothing: the scan may stop.
                if (placed)
                    return true;
            }
        }
    }
    return false;
}

CrosswordGrid BuildGrid(std::vector<std::string> answers, RandomSource& random,
                        const AnswerReplacer& replace, const ReplacementLimits& limits) {
    const int count = static_cast<int>(answers.size());
    CrosswordGrid grid(count);
    int replacements = 0;
    for (int w = 1; w <= count; ++w) {
        std::u32string answer = DecodeUtf8(answers[static_cast<size_t>(w - 1)]);
        for (int forThisWord = 0;; ++forThisWord) {
            const bool placed =
                w == 1 ? PlaceFirstWord(grid, answer) : PlaceWord(grid, w, answer, random);
            if (placed)
                break;
            if (forThisWord >= limits.perWord || replacements >= limits.perBuild)
                throw GenerationError(CrosswordText::kFailedMessage);
            ++replacements;
            answer = DecodeUtf8(replace(w));
        }
    }
    return grid;
}

CrosswordGrid BuildGrid(WorksheetRequest& request, RandomSource& random, const DrawLimits& limits) {
    const int count = std::clamp<int>(request.CrosswordCount, 0, kMostCrosswordProblems);
    std::vector<std::string> answers(request.CrosswordAnswers.begin() + 1,
                                     request.CrosswordAnswers.begin() + 1 + count);
    return BuildGrid(std::move(answers), random,
                     [&](int w) { return ReplaceCrosswordProblem(request, random, w, limits); });
}

} // namespace abacore
