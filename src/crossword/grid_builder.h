#pragma once
// Lays the answers into the grid. The first answer runs down column 16, centred in the rows;
// every later answer goes where one of its characters meets an equal character of the grid
// and the whole answer fits, across or down as drawn at random for that crossing. An answer
// that fits nowhere is replaced by a fresh one until one fits, or until the builder gives up.

#include "core/worksheet_request.h"
#include "crossword/crossword_grid.h"
#include "worksheet/problem.h"
#include "worksheet/random_source.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

namespace CrosswordText {
inline constexpr const char* kFailedTitle = "Failed.";
inline constexpr const char* kFailedMessage = "Unable to create this puzzle. Please try raising "
                                              "the minimum or lowering the number of problems.";
} // namespace CrosswordText

// How many fresh answers the builder may take before it gives up. One more answer costs a scan
// of the grid, up to about 5 microseconds on a crowded grid: a hopeless word ends within a
// quarter of a second, a whole build within about two. A hundred sums of numbers up to 1000
// take about 2,000 in all; a hundred products of such numbers, the slowest request measured,
// about 180,000 (never more than 245,000 in 40 seeded builds, and at most 27,000 for one word).
struct ReplacementLimits {
    int perWord = 50'000;
    int perBuild = 400'000;
};

// A fresh answer for word w, whose answer fits nowhere.
using AnswerReplacer = std::function<std::string(int w)>;

// answers[w - 1] is the answer of word w. Throws GenerationError with FailedMessage when the
// replacements run past the limits.
CrosswordGrid BuildGrid(std::vector<std::string> answers, RandomSource& random,
                        const AnswerReplacer& replace, const ReplacementLimits& limits = {});

// Words 1 to CrosswordCount from CrosswordAnswers; a word that fits nowhere gets a fresh
// problem through ReplaceCrosswordProblem, which rewrites its clue and answer in the request.
CrosswordGrid BuildGrid(WorksheetRequest& request, RandomSource& random,
                        const DrawLimits& limits = {});

// The steps of the build, for those who drive it cell by cell.

// Word 1, down column 16 from row Int((19 - L) / 2) + 1, numbered 1. False, placing nothing,
// for an empty answer or one longer than the 19 rows.
bool PlaceFirstWord(CrosswordGrid& grid, std::u32string_view answer);

// Scans the crossings column by column, row by row, answer position by position, drawing the
// direction for each and trying only that one; the first that fits wins. False when none fits.
bool PlaceWord(CrosswordGrid& grid, int w, std::u32string_view answer, RandomSource& random);

// The fit test and writing for one crossing: character pos (from 1) of the answer would sit
// on (x, y), which must already hold that character. Across entries must lie in columns 2 to
// 17 and down entries in rows 2 to 14; every cell the entry newly fills must have empty cells
// on both sides of it, every filled cell must agree, and the cells just before and just after
// the entry must be empty. On success the word gets its number and direction.
bool TryAcross(CrosswordGrid& grid, int w, std::u32string_view answer, int x, int y, int pos);
bool TryDown(CrosswordGrid& grid, int w, std::u32string_view answer, int x, int y, int pos);

} // namespace abacore
