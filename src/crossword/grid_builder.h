#pragma once
// Lays the answers into the grid. The first answer runs down column 16, centred in the rows;
// every later answer goes where one of its characters meets an equal character of the grid
// and the whole answer fits, across or down as drawn at random for that crossing. An answer
// that fits nowhere is replaced by a fresh one until one fits, or until the builder gives up.
// Every entry is a run of two or more cells that no other entry of its direction touches, so
// each run of the finished grid has exactly one clue and each number one entry per direction.

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

// How long the builder keeps trying. A grid on which one word has been replaced perWord times
// without fitting is given up, and a new grid is built from the first word with the answers as
// they are by then, waiting twice as long on each new grid (a long answer may need many draws
// before one fits). After perBuild tries of a word in all (placed, replaced, or placed again on
// a new grid) the builder gives up; one try costs a scan of the grid, about 5 microseconds.
// Products of numbers up to 1000, the longest answers the range screen offers, need the most:
// 41 of them build for 19 seeds in 20, within about 2 seconds.
struct ReplacementLimits {
    int perWord = 1'000;
    int perBuild = 400'000;
};

// A fresh answer for word w, whose answer fits nowhere.
using AnswerReplacer = std::function<std::string(int w)>;

// answers[w - 1] is the answer of word w. Throws GenerationError with FailedMessage when the
// tries run past the limits.
CrosswordGrid BuildGrid(std::vector<std::string> answers, RandomSource& random,
                        const AnswerReplacer& replace, const ReplacementLimits& limits = {});

// Words 1 to CrosswordCount from CrosswordAnswers; a word that fits nowhere gets a fresh
// problem through ReplaceCrosswordProblem, which rewrites its clue and answer in the request.
CrosswordGrid BuildGrid(WorksheetRequest& request, RandomSource& random,
                        const DrawLimits& limits = {});

// The steps of the build, for those who drive it cell by cell.

// Word 1, down column 16 from row Int((19 - L) / 2) + 1, numbered 1. False, placing nothing,
// for an answer shorter than two characters or longer than the 19 rows.
bool PlaceFirstWord(CrosswordGrid& grid, std::u32string_view answer);

// Scans the crossings column by column, row by row, answer position by position, drawing the
// direction for each and trying only that one; the first that fits wins. False when none fits.
// With leaveRoom (more words are to come) a crossing after which the grid has no room for any
// entry is passed over: a locked grid would refuse every later word however often it was
// replaced.
bool PlaceWord(CrosswordGrid& grid, int w, std::u32string_view answer, RandomSource& random,
               bool leaveRoom = false);

// Whether an entry of two characters could still go somewhere: across or down from a filled
// cell into an empty one, by the fit test below.
bool HasRoomForAnEntry(const CrosswordGrid& grid);

// The fit test and writing for one crossing: character pos (from 1) of the answer would sit
// on (x, y), which must already hold that character. Across entries must lie in columns 2 to
// 17 and down entries in rows 2 to 14; the answer must have two characters or more; every cell
// the entry newly fills must have empty cells on both sides of it, every filled cell must agree
// and no two filled cells may be neighbours along it (they would be an entry it lies on), and
// the cells just before and just after the entry must be empty. On success the word gets its
// number and direction.
bool TryAcross(CrosswordGrid& grid, int w, std::u32string_view answer, int x, int y, int pos);
bool TryDown(CrosswordGrid& grid, int w, std::u32string_view answer, int x, int y, int pos);

} // namespace abacore
