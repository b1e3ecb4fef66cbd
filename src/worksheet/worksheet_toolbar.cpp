#include "worksheet/worksheet_toolbar.h"

namespace abacore {

const std::array<ToolbarButton, 6>& WorksheetToolbarButtons() {
    static const std::array<ToolbarButton, 6> buttons{{
        {"Print", "Print Worksheet"},
        {"Clipart", "Add Clipart"},
        {"Save", "Save as File"},
        {"QuickWord", "Open in Your Word Processor"},
        {kAnswersCaption, "View Answer Sheet/Worksheet"},
        {"Quit", "Exit Abacore"},
    }};
    return buttons;
}

WorksheetCommand CommandForCaption(std::string_view caption) {
    if (caption == "Print")
        return WorksheetCommand::Print;
    if (caption == "Clipart")
        return WorksheetCommand::Clipart;
    if (caption == "Save")
        return WorksheetCommand::Save;
    if (caption == "QuickWord")
        return WorksheetCommand::QuickWord;
    if (caption == kAnswersCaption)
        return WorksheetCommand::ShowAnswers;
    if (caption == kWorksheetCaption)
        return WorksheetCommand::ShowWorksheet;
    if (caption == "Quit")
        return WorksheetCommand::Quit;
    return WorksheetCommand::None;
}

bool ToolbarButtonEnabled(int index, const WorksheetRequest& request) {
    switch (index) {
    case 4:
        return request.QuickWordEnabled;
    case 5:
        return HasAnswerKey(request);
    default:
        return index >= 1 && index <= 6;
    }
}

} // namespace abacore
