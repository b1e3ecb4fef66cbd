#pragma once
// Lays the answers into the grid. The first answer runs down column 16, centred in the rows;
// the others are packed around it the way a constructor would: the longest first, each where it
// crosses the most cells already filled, so that short answers share cells and many fit. Every
// entry is a run of two or more cells that no other entry of its direction touches, so each run
// of the finished grid has exactly one clue and each number one entry per direction. An answer
// that fits nowhere on any of several layouts is replaced by a fresh problem, as a last resort.

#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "crossword/crossword_grid.h"
#include "worksheet/problem.h"

#include <cstdint>
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

// How long the builder keeps trying. It lays the answers out afresh (other ties broken another
// way) `layouts` times before it replaces any; after that each new layout replaces the answers
// that fit nowhere, up to perWord fresh problems a word. perBuild bounds the work in all, in
// cells looked at (a fresh problem counts as 100, weighing a place for a short answer as 40),
// so that a build the grid cannot take gives up well within a second (crossword_capacity_bench).
struct ReplacementLimits {
    int layouts = 4;
    int perWord = 200;
    int64_t perBuild = 12'000'000;
};

// A fresh answer for word w, whose answer fits nowhere.
using AnswerReplacer = std::function<std::string(int w)>;

// answers[w - 1] is the answer of word w. An answer of one character (no run of cells) or one
// too long for the grid is replaced before the layout starts. Throws GenerationError with
// FailedMessage when the tries run past the limits.
CrosswordGrid BuildGrid(std::vector<std::string> answers, RandomSource& random,
                        const AnswerReplacer& replace, const ReplacementLimits& limits = {});

// Words 1 to CrosswordCount from CrosswordAnswers; a word that fits nowhere gets a fresh
// problem through ReplaceCrosswordProblem, which rewrites its clue and answer in the request.
CrosswordGrid BuildGrid(WorksheetRequest& request, const ProblemRules& rules, RandomSource& random,
                        const DrawLimits& limits = {});

// Word 1, down column 16 from row Int((19 - L) / 2) + 1. False, placing nothing, for an answer
// shorter than two characters or longer than the 19 rows.
bool PlaceFirstWord(CrosswordGrid& grid, std::u32string_view answer);

// The fit test: character pos (from 1) of the answer would sit on (x, y), which must already
// hold that character. Across entries must lie in columns 2 to 17 and down entries in rows 2
// to 14; the answer must have two characters or more; every cell the entry newly fills must
// have empty cells on both sides of it, every filled cell must agree and no two filled cells
// may be neighbours along it (they would be an entry it lies on), and the cells just before
// and just after the entry must be empty.
bool EntryFits(const CrosswordGrid& grid, std::u32string_view answer, int x, int y, int pos,
               EntryDirection direction);

} // namespace abacore
