#pragma once
// The one maker of versions: a request and the versions asked for (one unlabelled sheet, or the
// copies or pupils of a class set) in, the made worksheets or crosswords out, or the reason they
// could not be made. The windows, the Class Set command and `make` all make sheets through it,
// so the random draws come in one order whoever asks.

#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "crossword/crossword_page.h"
#include "document/sheet_version.h"
#include "maker/sheet_code_request.h"
#include "worksheet/worksheet_builder.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace abacore {

// The most problems all the versions of a set hold together: enough for a hundred versions of
// a thousand problems, and few enough that the files are made in seconds and fit in memory.
inline constexpr long long kMostProblemsInASet = 100000;

// Told how many versions are made so far; returns false to stop.
using VersionProgress = std::function<bool(int made)>;

// The versions, in the order asked: worksheets for a worksheet activity, crosswords (each
// labelled with its version) for the crossword.
struct MadeVersions {
    std::vector<WorksheetDocuments> sheets;
    std::vector<CrosswordPage> puzzles;
};

enum class MakeFailureKind {
    Ranges,    // the problems cannot be made with these ranges (or this count, these skills)
    GaveUp,    // the crossword's builder found no grid: CrosswordText::kFailedTitle
    DataFile,  // a data file the sheet draws from was refused
    TooLarge,  // the set would hold more than kMostProblemsInASet problems
    Cancelled, // the progress callback said stop
};

struct MakeFailure {
    MakeFailureKind kind;
    std::string message; // for the user; empty when cancelled
};

using MakeOutcome = std::variant<MadeVersions, MakeFailure>;

// One unlabelled sheet: what a window makes.
inline const SheetVersion kOneSheet{};

// Makes every version. A single unlabelled sheet is made on `request` itself, as the windows
// always made theirs, so the request keeps what was drawn (the crossword's answers and clues);
// each version of a set is made on its own copy, so that no version leaves anything behind for
// the next. A set too large is refused before anything is drawn.
MakeOutcome MakeVersions(WorksheetRequest& request, RandomSource& random,
                         std::span<const SheetVersion> versions = {&kOneSheet, 1},
                         const VersionProgress& progress = {});

// The seed versions are drawn from (`seed`, else a fresh one that fits their codes) and each
// version's sheet-code line: none when the request leaves the code off or the codes have no room
// for the seed (CodesFor).
SetCodes CodeLinesFor(const WorksheetRequest& request, std::span<const SheetVersion> versions,
                      std::optional<uint64_t> seed = std::nullopt);
// Puts each version's line at the foot of its worksheet and key, or of its puzzle.
void ShowSheetCodes(MadeVersions& made, const std::vector<std::string>& lines);

// One sheet as the windows make it: drawn from `seed` (a fresh one that fits the sheet's code
// when none is given), `random` then following it, and showing its code. With `version` in a
// set, that version alone (MakeVersionAgain).
MakeOutcome MakeCodedSheet(WorksheetRequest& request, RandomSource& random,
                           std::optional<uint64_t> seed = {},
                           const SheetVersion& version = kOneSheet);

// Version `version` of its set once more, exactly as MakeVersions made it among the others from
// the same seed: the versions before it are drawn again and left out, so the random draws come
// in the same order. A sheet not in a set is made as MakeVersions makes one.
MakeOutcome MakeVersionAgain(WorksheetRequest& request, RandomSource& random,
                             const SheetVersion& version);

} // namespace abacore
