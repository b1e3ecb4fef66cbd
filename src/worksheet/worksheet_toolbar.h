#pragma once
// The worksheet window's toolbar: its buttons in order, and which command a click runs. The click
// handler goes by the button's caption, so the view button runs one command or the other
// depending on what it currently says.

#include "shell/worksheet_request.h"

#include <array>
#include <string_view>

namespace abacore {

enum class WorksheetCommand {
    None,
    Print,
    Clipart,
    Save,
    QuickWord,
    ShowAnswers,   // the view button while the worksheet is on view
    ShowWorksheet, // the view button while the answer key is on view
    Quit,
};

struct ToolbarButton {
    std::string_view caption;
    std::string_view tooltip;
};

inline constexpr std::string_view kAnswersCaption = "Answers";
inline constexpr std::string_view kWorksheetCaption = "Worksheet";

// The six buttons, left to right; the view button with its first caption.
const std::array<ToolbarButton, 6>& WorksheetToolbarButtons();

WorksheetCommand CommandForCaption(std::string_view caption);

// Whether button `index` (1 to 6) is available for this request: QuickWord only when it is
// switched on, the view button not for flash cards, which have no answer key.
bool ToolbarButtonEnabled(int index, const WorksheetRequest& request);

// Flash cards have no answer key: nothing asks about one or prints one.
inline bool HasAnswerKey(const WorksheetRequest& request) {
    return request.ActivityType != Activity::FlashCards;
}

} // namespace abacore
