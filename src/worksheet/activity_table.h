#pragma once
// The one table of activities. Everything that differs from one activity to the next (its
// generator, its screens, its answer key, its count limit, its batch options) is a field of its
// row, so the builder, the screen flow, the worksheet toolbar and the `make` command never
// switch on the activity. Adding an activity is one generator file and one row.

#include "shell/screen.h"
#include "shell/worksheet_request.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace abacore {

class Document;
class RandomSource;
struct DrawLimits;
struct GenerationState;

// Writes the activity's problems into the worksheet (after the heading, Name/Date line and
// directions) and its answer lines into state.AnswerText.
using Generator = void (*)(WorksheetRequest& request, RandomSource& random,
                           const DrawLimits& limits, GenerationState& state, Document& worksheet);
// Throws GenerationError, before anything is written, when the request cannot make the sheet
// for a reason of the activity's own (beyond the draw rules every activity shares).
using GenerationCheck = void (*)(const WorksheetRequest& request);

// An option of the `make` command. Those of an activity's row are applied after the common
// ones: `apply` stores the value (empty for a switch) in the request, or returns the message
// for a value it refuses.
struct BatchOption {
    std::string_view name;         // without the dashes
    std::string_view valueName;    // empty for a switch
    std::string_view help;         // may span lines
    std::string_view defaultValue = {}; // applied when the option is not given; empty: nothing
    std::optional<std::string> (*apply)(WorksheetRequest& request,
                                        std::string_view value) = nullptr;
};

struct ActivityRow {
    Activity activity;
    std::string_view batchName; // the word after `make`
    std::string_view title;     // as on the main menu's button
    Generator generator;        // nullptr: not part of this version
    GenerationCheck check;      // nullptr: only the shared draw rules apply
    bool hasAnswerKey;          // also the Name/Date line and the directions: flash cards have none
    // The screens after the main menu, in order, the last one the worksheet or the crossword.
    std::span<const Screen> screens;
    // A screen whose "Go Back" skips the one before it: {screen, where it goes back to}.
    std::optional<std::pair<Screen, Screen>> backJump;
    std::optional<int> countLimit;
    std::string_view countLimitNoun; // "There is a limit of 15 Math Squares ..."
    int defaultCount;
    std::span<const BatchOption> options; // beyond the options every activity takes
};

// Every activity, in the order of their codes.
std::span<const ActivityRow> Activities();
// The row of an activity; the skills practice sheet's for an unknown code.
const ActivityRow& RowOf(Activity activity);
// The row whose batch name is `name`, or nullptr.
const ActivityRow* RowByBatchName(std::string_view name);

inline bool HasAnswerKey(const WorksheetRequest& request) {
    return RowOf(request.ActivityType).hasAnswerKey;
}
inline bool HasGenerator(Activity activity) {
    return RowOf(activity).generator != nullptr;
}
inline bool UsesScreen(Activity activity, Screen screen) {
    for (const Screen s : RowOf(activity).screens)
        if (s == screen)
            return true;
    return false;
}

} // namespace abacore
