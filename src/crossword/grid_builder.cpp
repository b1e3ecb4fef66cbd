#include "crossword/grid_builder.h"

#include "core/generation_error.h"
#include "core/utf8.h"
#include "crossword/crossword_problems.h"

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

struct Placement {
    int x = 0, y = 0, pos = 0;
    EntryDirection direction = EntryDirection::None;
    double score = -1;
};

void Write(CrosswordGrid& grid, int w, std::u32string_view answer, const Placement& at) {
    const auto [dx, dy] = Axis(at.direction);
    WordEntry& entry = grid.WordTable.at(static_cast<size_t>(w));
    entry.Direction = at.direction;
    entry.column = at.x - (at.pos - 1) * dx;
    entry.row = at.y - (at.pos - 1) * dy;
    entry.answer = EncodeUtf8(answer);
    for (int k = 0; k < static_cast<int>(answer.size()); ++k)
        grid.LetterGrid[CrosswordGrid::index(entry.column + k * dx, entry.row + k * dy)] =
            answer[static_cast<size_t>(k)];
}

// Numbers follow the problem set, whatever order the words were laid in: a start cell carries
// the smallest index of the words that start there, and both its entries show that number.
void NumberEntries(CrosswordGrid& grid) {
    grid.NumberGrid.fill(0);
    for (int w = 1; w <= grid.WordCount; ++w) {
        WordEntry& entry = grid.WordTable.at(static_cast<size_t>(w));
        int& number = grid.NumberGrid[CrosswordGrid::index(entry.column, entry.row)];
        if (number == 0)
            number = w;
        entry.EntryNumber = number;
    }
}

// The ways an entry of two characters could still join the filled cells in the box, across or
// down, before or after them: the room later words have to cross into.
int RoomIn(const CrosswordGrid& grid, int left, int top, int right, int bottom) {
    int room = 0;
    for (int x = std::max(left, 1); x <= std::min(right, kCrosswordColumns); ++x)
        for (int y = std::max(top, 1); y <= std::min(bottom, kCrosswordRows); ++y)
            if (const char32_t c = grid.LetterGrid[CrosswordGrid::index(x, y)]; c != 0) {
                const char32_t twice[] = {c, c};
                for (const EntryDirection d : {EntryDirection::Across, EntryDirection::Down}) {
                    const auto [dx, dy] = Axis(d);
                    if (grid.letter(x - dx, y - dy) == 0 && grid.letter(x + dx, y + dy) == 0)
                        for (const int pos : {1, 2})
                            room += Fits(grid, {twice, 2}, x, y, pos, d);
                }
            }
    return room;
}

// How far the grid could still grow from a new cell of an entry along (dx, dy): the steps of
// the longest staircase of two-character entries that could start across its way and keep
// clear of every other cell. Short answers extend the grid only at its open ends, and an end
// can never turn back beside its own cells, so the end with more space ahead lasts longer.
int ReachFrom(const CrosswordGrid& grid, int x, int y, int dx, int dy) {
    const auto free = [&](int cx, int cy, int fromX, int fromY) {
        if (cx < 2 || cx > kLastAcrossColumn || cy < 2 || cy > kLastDownRow ||
            grid.letter(cx, cy) != 0)
            return false;
        for (const auto& [nx, ny] :
             {std::pair(cx - 1, cy), {cx + 1, cy}, {cx, cy - 1}, {cx, cy + 1}})
            if ((nx != fromX || ny != fromY) && grid.letter(nx, ny) != 0)
                return false;
        return true;
    };
    int best = 0;
    for (const int first : {-1, 1})
        for (const int second : {-1, 1}) {
            // Across the entry first (by `first`), then along it (by `second`), and so on.
            int cx = x, cy = y, steps = 0;
            for (bool across = true; steps < 30; across = !across) {
                const int nx = cx + (across ? dy * first : dx * second);
                const int ny = cy + (across ? dx * first : dy * second);
                if (!free(nx, ny, cx, cy))
                    break;
                cx = nx;
                cy = ny;
                ++steps;
            }
            best = std::max(best, steps);
        }
    return best;
}

// Answers of up to this many characters are short: a grid of them grows only at its open ends.
constexpr int kLongestShortAnswer = 3;

// How good a place is: each cell it shares with an entry across its way is a cell the grid does
// not spend. A short answer also looks at the room it leaves around itself, where the next
// words go, since a place that walls the open ends in ends the puzzle early; a long one
// crosses wherever its characters meet. The random part breaks ties differently on each layout.
double Score(CrosswordGrid& grid, std::u32string_view answer, const Placement& at,
             RandomSource& random) {
    const auto [dx, dy] = Axis(at.direction);
    const int length = static_cast<int>(answer.size());
    const int left = at.x - (at.pos - 1) * dx, top = at.y - (at.pos - 1) * dy;
    const int right = left + (length - 1) * dx, bottom = top + (length - 1) * dy;
    std::array<char32_t, CrosswordGrid::kTableColumns> before{};
    int shared = 0;
    for (int k = 0; k < length; ++k) {
        const char32_t cell = grid.LetterGrid[CrosswordGrid::index(left + k * dx, top + k * dy)];
        shared += cell != 0;
        before[static_cast<size_t>(k)] = cell;
    }
    if (length > kLongestShortAnswer)
        return 4.0 * shared + random.Next();
    const int roomBefore = RoomIn(grid, left - 2, top - 2, right + 2, bottom + 2);
    for (int k = 0; k < length; ++k)
        grid.LetterGrid[CrosswordGrid::index(left + k * dx, top + k * dy)] =
            answer[static_cast<size_t>(k)];
    const int roomAfter = RoomIn(grid, left - 2, top - 2, right + 2, bottom + 2);
    int reach = 0;
    for (int k = 0; k < length; ++k)
        if (before[static_cast<size_t>(k)] == 0)
            reach = std::max(reach, ReachFrom(grid, left + k * dx, top + k * dy, dx, dy));
    for (int k = 0; k < length; ++k)
        grid.LetterGrid[CrosswordGrid::index(left + k * dx, top + k * dy)] =
            before[static_cast<size_t>(k)];
    return 4.0 * shared + (roomAfter - roomBefore) + reach / 2.0 + random.Next();
}

// How many words that fit somewhere are weighed against each other for the next place: enough
// to find one whose characters meet an open end, few enough to keep the layout quick.
constexpr size_t kWordsWeighed = 6;

// Making a fresh problem costs about as much as looking at this many cells.
constexpr int64_t kReplacingWork = 100;

// The filled cells, in the order they were filled: the only cells a word can cross.
using FilledCells = std::vector<std::pair<int, int>>;

// The best place for the answer on the grid as it is; direction None when it fits nowhere.
// `work` grows by the cells looked at and the places weighed (a short answer's weighing costs
// about as much as looking at 40 cells).
Placement BestPlacement(CrosswordGrid& grid, const FilledCells& filled, std::u32string_view answer,
                        RandomSource& random, int64_t& work) {
    Placement best;
    best.score = -1e9;
    const int weighing = static_cast<int>(answer.size()) > kLongestShortAnswer ? 2 : 40;
    const AnswerPositions positions(answer);
    for (const auto& [x, y] : filled) {
        ++work;
        for (uint32_t at = positions.of(grid.LetterGrid[CrosswordGrid::index(x, y)]); at != 0;
             at &= at - 1) {
            const int pos = std::countr_zero(at) + 1;
            for (const EntryDirection d : {EntryDirection::Across, EntryDirection::Down}) {
                // A cell already in an entry of this direction takes no other (the fit test's
                // answer too, found sooner).
                const auto [dx, dy] = Axis(d);
                if (grid.letter(x - dx, y - dy) != 0 || grid.letter(x + dx, y + dy) != 0 ||
                    !Fits(grid, answer, x, y, pos, d))
                    continue;
                work += weighing;
                Placement here{x, y, pos, d};
                here.score = Score(grid, answer, here, random);
                if (here.score > best.score)
                    best = here;
            }
        }
    }
    return best;
}

// Writes the entry and notes the cells it newly fills.
void Lay(CrosswordGrid& grid, FilledCells& filled, int w, std::u32string_view answer,
         const Placement& at) {
    const auto [dx, dy] = Axis(at.direction);
    const int left = at.x - (at.pos - 1) * dx, top = at.y - (at.pos - 1) * dy;
    for (int k = 0; k < static_cast<int>(answer.size()); ++k)
        if (grid.letter(left + k * dx, top + k * dy) == 0)
            filled.emplace_back(left + k * dx, top + k * dy);
    Write(grid, w, answer, at);
}

bool CanBeEntry(int w, std::u32string_view answer) {
    const int length = static_cast<int>(answer.size());
    return length >= kShortestEntry && length <= (w == 1 ? kCrosswordRows : kLongestEntry);
}

} // namespace

bool EntryFits(const CrosswordGrid& grid, std::u32string_view answer, int x, int y, int pos,
               EntryDirection direction) {
    return Fits(grid, answer, x, y, pos, direction);
}

bool PlaceFirstWord(CrosswordGrid& grid, std::u32string_view answer) {
    const int length = static_cast<int>(answer.size());
    if (!CanBeEntry(1, answer))
        return false;
    const int top = (kCrosswordRows - length) / 2;
    Write(grid, 1, answer, {kFirstWordColumn, top + 1, 1, EntryDirection::Down});
    NumberEntries(grid);
    return true;
}

CrosswordGrid BuildGrid(std::vector<std::string> answers, RandomSource& random,
                        const AnswerReplacer& replace, const ReplacementLimits& limits) {
    const int count = static_cast<int>(answers.size());
    int64_t work = 0;
    const auto spend = [&](int64_t units) {
        work += units;
        if (work > limits.perBuild)
            throw GenerationError(CrosswordText::kFailedMessage);
    };
    std::vector<std::u32string> decoded(answers.size());
    const auto renew = [&](int w) {
        spend(kReplacingWork);
        answers[static_cast<size_t>(w - 1)] = replace(w);
        decoded[static_cast<size_t>(w - 1)] = DecodeUtf8(answers[static_cast<size_t>(w - 1)]);
    };
    // An answer no entry can hold cannot be placed anywhere: replaced before anything is laid.
    for (int w = 1; w <= count; ++w) {
        decoded[static_cast<size_t>(w - 1)] = DecodeUtf8(answers[static_cast<size_t>(w - 1)]);
        while (!CanBeEntry(w, decoded[static_cast<size_t>(w - 1)]))
            renew(w);
    }
    const auto length = [&](int w) { return decoded[static_cast<size_t>(w - 1)].size(); };
    for (int layout = 1;; ++layout) {
        CrosswordGrid grid(count);
        if (count == 0)
            return grid;
        PlaceFirstWord(grid, decoded[0]);
        FilledCells filled;
        for (int k = 0; k < static_cast<int>(decoded[0].size()); ++k)
            filled.emplace_back(grid.word(1).column, grid.word(1).row + k);
        // The longest first: they need the most room, and short answers fill in around them.
        std::vector<int> waiting;
        for (int w = 2; w <= count; ++w)
            waiting.push_back(w);
        std::stable_sort(waiting.begin(), waiting.end(),
                         [&](int a, int b) { return length(a) > length(b); });
        // The last resort, once other layouts have failed too: fresh problems for words that
        // fit nowhere.
        const bool replacing = layout > limits.layouts;
        while (!waiting.empty()) {
            // Of the longest words that fit somewhere, the one with the best place.
            size_t chosen = waiting.size();
            Placement best;
            best.score = -1e9;
            for (size_t i = 0, weighed = 0; i < waiting.size(); ++i) {
                if (chosen < waiting.size() &&
                    (length(waiting[i]) < length(waiting[chosen]) || weighed == kWordsWeighed))
                    break;
                ++weighed;
                spend(1);
                const Placement here = BestPlacement(
                    grid, filled, decoded[static_cast<size_t>(waiting[i] - 1)], random, work);
                if (here.direction != EntryDirection::None && here.score > best.score) {
                    best = here;
                    chosen = i;
                }
            }
            if (chosen == waiting.size() && replacing) {
                const int w = waiting.front();
                for (int fresh = 0; fresh < limits.perWord; ++fresh) {
                    renew(w);
                    if (!CanBeEntry(w, decoded[static_cast<size_t>(w - 1)]))
                        continue;
                    best = BestPlacement(grid, filled, decoded[static_cast<size_t>(w - 1)], random,
                                         work);
                    if (best.direction != EntryDirection::None) {
                        chosen = 0;
                        break;
                    }
                }
            }
            if (chosen == waiting.size())
                break;
            const int w = waiting[chosen];
            Lay(grid, filled, w, decoded[static_cast<size_t>(w - 1)], best);
            waiting.erase(waiting.begin() + static_cast<std::ptrdiff_t>(chosen));
            // A replaced word may be shorter than the ones after it.
            std::stable_sort(waiting.begin(), waiting.end(),
                             [&](int a, int b) { return length(a) > length(b); });
        }
        if (waiting.empty()) {
            NumberEntries(grid);
            return grid;
        }
    }
}

CrosswordGrid BuildGrid(WorksheetRequest& request, const ProblemRules& rules, RandomSource& random,
                        const DrawLimits& limits) {
    const int count = std::clamp<int>(request.CrosswordCount, 0, kMostCrosswordProblems);
    std::vector<std::string> answers(request.CrosswordAnswers.begin() + 1,
                                     request.CrosswordAnswers.begin() + 1 + count);
    return BuildGrid(std::move(answers), random, [&](int w) {
        return ReplaceCrosswordProblem(request, rules, random, w, limits);
    });
}

} // namespace abacore
