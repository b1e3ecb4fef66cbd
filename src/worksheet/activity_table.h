#pragma once
// The one table of activities. Everything that differs from one activity to the next (its
// menu button, its generator, its screens, its answer key, its directions, its heading, the
// skill questions it asks, how it draws problems, its count and range screens, its output and
// answer form, its batch options) is a field of its row, so the main menu, the builder, the
// screen flow, the wizard's rules, the worksheet toolbar and the `make` command never switch on
// the activity, and each generator is handed its row's rules rather than looking them up.
// Adding an activity is its value in the Activity enum, its generator file and its row; only a
// screen of its own (and a case for it in the screen factory) comes on top, and an activity
// whose output is neither a sheet nor the crossword needs its own output path.

#include "core/screen.h"
#include "core/worksheet_request.h"
#include "worksheet/prepared_sheet.h"
#include "worksheet/problem.h"
#include "worksheet/sheet_content.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace abacore {

class Document;
class RandomSource;
struct GenerationState;

// Throws GenerationError, before anything is written, when the request cannot make the sheet
// (ranges that cannot give the problems, a missing data file); otherwise returns what the
// generator needs. Data files are read from request.ProgramFolder.
// `rules` are the row's problem rules.
using SheetCheck = PreparedSheet (*)(const WorksheetRequest& request, const ProblemRules& rules);
// Writes the activity's problems, drawn by the row's `rules`, into the worksheet (after the
// heading, Name/Date line and directions), in the fonts it needs, and its answer lines into
// state.AnswerText.
using Generator = void (*)(WorksheetRequest& request, RandomSource& random,
                           const ProblemRules& rules, const PreparedSheet& prepared,
                           GenerationState& state, Document& worksheet);
// The directions' sentences, printed under the Name/Date line after "Directions: ".
using Directions = std::string (*)(const WorksheetRequest& request);
// Writes what an activity prints after its directions, in their format.
using DirectionsAddition = void (*)(const WorksheetRequest& request, Document& worksheet);

// An option of the `make` command. Those of an activity's row are applied after the skills
// and before the ranges, in row order: `apply` stores the value (empty for a switch) in the
// request, or returns the message for a value it refuses.
struct BatchOption {
    std::string_view name;              // without the dashes
    std::string_view valueName;         // empty for a switch
    std::string_view help;              // may span lines
    std::string_view defaultValue = {}; // applied when the option is not given; empty: nothing
    std::optional<std::string> (*apply)(WorksheetRequest& request,
                                        std::string_view value) = nullptr;
    // Fills the request when the option is not given, where the default is not a fixed text
    // (it may read request.ProgramFolder); returns the message when it cannot.
    std::optional<std::string> (*applyDefault)(WorksheetRequest& request) = nullptr;
    // An option that must be given with this one (or both left out).
    std::string_view givenWith = {};
};

// What an activity makes: a worksheet document (and its key), or the crossword's page.
enum class Output { Sheet, Crossword };

// A message box: its title and its text.
struct Note {
    std::string_view title;
    std::string_view text;
};

struct ActivityRow {
    Activity activity;
    std::string_view batchName;   // the word after `make`
    std::string_view title;       // the main menu's button caption
    std::string_view buttonName;  // the main menu button's control name
    std::string_view description; // what the activity makes, in a line: the button's tip
    // Ends the default heading, after the skill word and a space (an empty word leaves the
    // space: the cards, the one row without one, have no heading screen to offer it).
    std::string_view headingWord;
    SheetCheck check; // both nullptr for the crossword, which crossword/ builds
    Generator generator;
    bool hasAnswerKey;
    bool hasNameLine;                   // the Name/Date line under the heading
    Directions directions;              // nullptr: none
    DirectionsAddition afterDirections; // nullptr: nothing
    // The skill screen asks "Allow Remainders?" (division chosen) and "Allow negative
    // answers?" (subtraction chosen) only where the sheet's problems can show them.
    bool asksRemainders;
    bool asksNegatives;
    ProblemRules problemRules; // how the activity draws its problems
    // The screens after the main menu, in order, the last one the worksheet or the crossword.
    std::span<const Screen> screens;
    // A screen whose "Go Back" skips the one before it: {screen, where it goes back to}.
    std::optional<std::pair<Screen, Screen>> backJump;
    std::optional<int> countLimit;
    std::string_view countLimitNoun; // "There is a limit of 15 Math Squares ..."
    // A limit that depends on the request's skills and numbers (the most problems that still
    // build), or none.
    int (*countCapacity)(const WorksheetRequest& request, const ProblemRules& rules) = nullptr;
    int defaultCount;
    std::span<const BatchOption> options; // beyond the options every activity takes
    // Why the activity cannot be made in large print, as the user is told; empty when it can.
    std::string_view noLargePrint = {};
    Output output = Output::Sheet;
    AnswerForm answerForm = AnswerForm::Problems; // how the pupil answers on the web page
    // Shown when the activity is chosen on the main menu.
    std::optional<Note> openingNote = std::nullopt;
    std::string_view countPrompt = "How many questions on this worksheet?";
    // The range screen's opening values and the lowest value each box accepts (first minimum,
    // first maximum, second minimum, second maximum), before division's own lowest values.
    std::array<int, 4> rangeValues{0, 100, 0, 100};
    std::array<int, 4> rangeLowest{0, 0, 0, 0};
    bool secondRowShown = true; // squares draw every number from the first range
    // Shown, after the ranges are stored, when a bound is below its box's lowest value above
    // (division lets the second row go lower); empty: no warning.
    std::string_view rangeWarning = {};
    // Its problems come from the shared procedure, so the teacher's choices (regrouping, answer
    // range, facts, no repeats) shape them.
    bool takesChoices = true;
    // Its layouts include the missing-number one.
    bool missingLayout = false;
};

// Every activity, in the order of their codes.
std::span<const ActivityRow> Activities();
// The row of an activity; the skills practice sheet's for an unknown code.
const ActivityRow& RowOf(Activity activity);
// The row whose batch name is `name`, or nullptr.
const ActivityRow* RowByBatchName(std::string_view name);

// The title of a window of an activity: its own caption, then the activity's name, so that a
// reader announcing the window also says which activity it belongs to.
std::string WindowTitleOf(std::string_view caption, Activity activity);

inline bool HasAnswerKey(const WorksheetRequest& request) {
    return RowOf(request.ActivityType).hasAnswerKey;
}
inline bool UsesScreen(Activity activity, Screen screen) {
    for (const Screen s : RowOf(activity).screens)
        if (s == screen)
            return true;
    return false;
}

} // namespace abacore
