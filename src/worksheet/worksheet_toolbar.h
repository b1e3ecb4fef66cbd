#pragma once
// The worksheet window's toolbar: its buttons in order, when each is available, and which
// command a click runs. The view button runs one command or the other depending on which
// document is on view, and its caption says which one a click will show.

#include "core/worksheet_request.h"

#include <array>
#include <string_view>

namespace abacore {

enum class ToolbarButtonId { Print, Clipart, Save, QuickWord, View, Quit };

enum class WorksheetCommand {
    Print,
    Clipart,
    Save,
    QuickWord,
    ShowAnswers,   // the view button while the worksheet is on view
    ShowWorksheet, // the view button while the answer key is on view
    Quit,
};

struct ToolbarButton {
    ToolbarButtonId id;
    std::string_view caption;
    std::string_view tooltip;
};

inline constexpr const char* kAnswersCaption = "Answers";
inline constexpr const char* kWorksheetCaption = "Worksheet";

// The six buttons, left to right; the view button with its first caption.
const std::array<ToolbarButton, 6>& WorksheetToolbarButtons();

WorksheetCommand CommandFor(ToolbarButtonId button, bool answerKeyOnView);

// QuickWord only when it is switched on, the view button only for activities with an answer
// key (not flash cards).
bool ToolbarButtonEnabled(ToolbarButtonId button, const WorksheetRequest& request);

} // namespace abacore
