#pragma once
// The riddle screen's rules: its texts, paging through the file's riddles, and what "Continue"
// stores. The riddle activity has no count screen: the punch line's letters are the count.

#include "core/worksheet_request.h"
#include "worksheet/riddle_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

namespace RiddleChoiceText {
inline constexpr const char* kCaption = "Choose a Riddle";
inline constexpr const char* kPrompt = "Choose a riddle for this activity or type your own...";
inline constexpr const char* kQuestionMark = "Q";
inline constexpr const char* kAnswerMark = "A";
inline constexpr const char* kNext = "Next Riddle";
inline constexpr const char* kPrevious = "Previous Riddle";
// Our own: the title over RiddleFileNotice.
inline constexpr const char* kNoticeTitle = "Oops!";
} // namespace RiddleChoiceText

struct RiddleStep {
    int index;    // the riddle on view after the step
    bool pastEnd; // the step ran past the first or last riddle: beep, and stay
    bool show;    // put riddle `index` into the boxes; false when there is none to show
};

// "Next Riddle" (step +1) or "Previous Riddle" (step -1) from riddle `index` of `count`.
// Without riddles every step runs past an end and the boxes keep what the user typed.
RiddleStep StepRiddle(int index, int step, int count);

// What the screen shows first: riddle 0 of the file (nothing when it has none), or, back after a
// refused sheet, the riddle and punch line the request holds, at their place in the file when
// they are one of its riddles so that the arrows step on from there (else at -1, before the first).
struct RiddleOpening {
    int index = 0;
    std::optional<Riddle> shown;
};
RiddleOpening OpenRiddleScreen(const WorksheetRequest& request, const std::vector<Riddle>& riddles);
// The message for a riddle or punch line longer than kLongestTextLine characters, or nothing.
// `field` names the box: "riddle" or "punch line".
std::optional<std::string> RiddleTextRefusal(std::string_view field, std::string_view text);

// "Continue": the riddle and punch line as the boxes hold them, nothing checked, and the
// problem count the punch line gives (one problem per distinct letter).
void ApplyRiddleChoice(WorksheetRequest& request, std::string question, std::string punchLine);

} // namespace abacore
