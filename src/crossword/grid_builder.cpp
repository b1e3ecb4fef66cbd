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
// A single character is no run of cells a pupil could fill in: it would only sit on a crossing.
constexpr int kShortestEntry = 2;

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

// The steps of an entry: (dx, dy) along it, (dy, dx) to the cells beside it.
struct Axis {
    int dx, dy;
    explicit Axis(EntryDirection direction)
        : dx(direction == EntryDirection::Across ? 1 : 0),
          dy(direction == EntryDirection::Across ? 0 : 1) {}
};

// TryAcross and TryDown are one test along different axes.
bool Fits(const CrosswordGrid& grid, std::u32string_view answer, int x, int y, int pos,
          EntryDirection direction) {
    const auto [dx, dy] = Axis(direction);
    const int length = static_cast<int>(answer.size());
    const int after = length - pos; // characters after the crossing
    const int along = dx ? x : y;
    const int last = dx ? kLastAcrossColumn : kLastDownRow;
    if (length < kShortestEntry || pos < 1 || pos > length || along - pos <= 0 ||
        along + after > last)
        return false;
    // Two filled cells side by side along the entry belong to an entry of the same direction,
    // which this one would lie on: its clue would have no run of cells of its own.
    for (int k = 1 - pos; k < after; ++k)
        if (grid.letter(x + k * dx, y + k * dy) != 0 &&
            grid.letter(x + (k + 1) * dx, y + (k + 1) * dy) != 0)
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
    return grid.letter(x - pos * dx, y - pos * dy) == 0;
}

// What writing an entry changed, so that it can be taken back.
struct Written {
    std::array<char32_t, CrosswordGrid::kTableColumns> before{}; // along the entry
    int startNumber = 0;
};

Written Write(CrosswordGrid& grid, int w, std::u32string_view answer, int x, int y, int pos,
              EntryDirection direction) {
    const auto [dx, dy] = Axis(direction);
    Written written;
    const int length = static_cast<int>(answer.size());
    for (int k = 0; k < length; ++k) {
        char32_t& cell =
            grid.LetterGrid[CrosswordGrid::index(x + (k + 1 - pos) * dx, y + (k + 1 - pos) * dy)];
        written.before[static_cast<size_t>(k)] = cell;
        cell = answer[static_cast<size_t>(k)];
    }
    WordEntry& entry = grid.WordTable.at(static_cast<size_t>(w));
    entry.EntryNumber = w;
    entry.Direction = direction;
    entry.column = x - (pos - 1) * dx;
    entry.row = y - (pos - 1) * dy;
    entry.answer = EncodeUtf8(answer);
    // A start cell that already carries a number (that of the entry of the other direction
    // starting there) keeps it, and the entry shares it.
    int& number = grid.NumberGrid[CrosswordGrid::index(entry.column, entry.row)];
    written.startNumber = number;
    if (number == 0)
        number = w;
    else
        entry.EntryNumber = number;
    return written;
}

void TakeBack(CrosswordGrid& grid, int w, const Written& written) {
    WordEntry& entry = grid.WordTable.at(static_cast<size_t>(w));
    const auto [dx, dy] = Axis(entry.Direction);
    const int length = static_cast<int>(DecodeUtf8(entry.answer).size());
    for (int k = 0; k < length; ++k)
        grid.LetterGrid[CrosswordGrid::index(entry.column + k * dx, entry.row + k * dy)] =
            written.before[static_cast<size_t>(k)];
    grid.NumberGrid[CrosswordGrid::index(entry.column, entry.row)] = written.startNumber;
    entry = WordEntry{};
}

bool TryEntry(CrosswordGrid& grid, int w, std::u32string_view answer, int x, int y, int pos,
              EntryDirection direction) {
    if (!Fits(grid, answer, x, y, pos, direction))
        return false;
    Write(grid, w, answer, x, y, pos, direction);
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
    if (length < kShortestEntry || length > kCrosswordRows)
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

bool HasRoomForAnEntry(const CrosswordGrid& grid) {
    for (int x = 1; x <= kCrosswordColumns; ++x) {
        for (int y = 1; y <= kCrosswordRows; ++y) {
            const char32_t c = grid.LetterGrid[CrosswordGrid::index(x, y)];
            if (c == 0)
                continue;
            // An answer of two characters with this one first or last would do; but no number
            // of two characters starts with a 0 or ends with a minus sign.
            const std::u32string twice(2, c);
            for (const EntryDirection d : {EntryDirection::Across, EntryDirection::Down})
                if ((c != U'0' && Fits(grid, twice, x, y, 1, d)) ||
                    (c != U'-' && Fits(grid, twice, x, y, 2, d)))
                    return true;
        }
    }
    return false;
}

bool PlaceWord(CrosswordGrid& grid, int w, std::u32string_view answer, RandomSource& random,
               bool leaveRoom) {
    // Too long for either direction: no crossing could take it, whatever was drawn.
    if (static_cast<int>(answer.size()) < kShortestEntry ||
        static_cast<int>(answer.size()) > kLongestEntry)
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
                const EntryDirection direction =
                    d == 1 ? EntryDirection::Across : EntryDirection::Down;
                if (!Fits(grid, answer, x, y, pos, direction))
                    continue;
                const Written written = Write(grid, w, answer, x, y, pos, direction);
                // Once placed, later crossings change nothing: the scan may stop.
                if (!leaveRoom || HasRoomForAnEntry(grid))
                    return true;
                TakeBack(grid, w, written);
            }
        }
    }
    return false;
}

CrosswordGrid BuildGrid(std::vector<std::string> answers, RandomSource& random,
                        const AnswerReplacer& replace, const ReplacementLimits& limits) {
    const int count = static_cast<int>(answers.size());
    int tries = 0;
    for (int patience = limits.perWord;; patience = std::min(2 * patience, limits.perBuild)) {
        CrosswordGrid grid(count);
        bool stuck = false;
        for (int w = 1; w <= count && !stuck; ++w) {
            std::string& text = answers[static_cast<size_t>(w - 1)];
            std::u32string answer = DecodeUtf8(text);
            for (int forThisWord = 0;; ++forThisWord) {
                if (++tries > limits.perBuild)
                    throw GenerationError(CrosswordText::kFailedMessage);
                const bool placed = w == 1 ? PlaceFirstWord(grid, answer)
                                           : PlaceWord(grid, w, answer, random, w < count);
                if (placed)
                    break;
                // The grid may have room for no answer the request makes: start a new one
                // with the answers as they now are, and wait longer on it (long answers need
                // many draws to find a crossing they fit).
                if (forThisWord >= patience) {
                    stuck = true;
                    break;
                }
                text = replace(w);
                answer = DecodeUtf8(text);
            }
        }
        if (!stuck)
            return grid;
    }
}

CrosswordGrid BuildGrid(WorksheetRequest& request, RandomSource& random, const DrawLimits& limits) {
    const int count = std::clamp<int>(request.CrosswordCount, 0, kMostCrosswordProblems);
    std::vector<std::string> answers(request.CrosswordAnswers.begin() + 1,
                                     request.CrosswordAnswers.begin() + 1 + count);
    return BuildGrid(std::move(answers), random,
                     [&](int w) { return ReplaceCrosswordProblem(request, random, w, limits); });
}

} // namespace abacore
