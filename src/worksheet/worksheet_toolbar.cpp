#include "worksheet/worksheet_toolbar.h"

#include "worksheet/activity_table.h"

namespace abacore {

const std::array<ToolbarButton, 6>& WorksheetToolbarButtons() {
    using enum ToolbarButtonId;
    static const std::array<ToolbarButton, 6> buttons{{
        {Print, "Print", "Print Worksheet"},
        {Clipart, "Clipart", "Add Clipart"},
        {Save, "Save", "Save as File"},
        {QuickWord, "QuickWord", "Open in Your Word Processor"},
        {View, kAnswersCaption, "View Answer Sheet/Worksheet"},
        {Quit, "Quit", "Exit Abacore"},
    }};
    return buttons;
}

WorksheetCommand CommandFor(ToolbarButtonId button, bool answerKeyOnView) {
    switch (button) {
    case ToolbarButtonId::Print:
        return WorksheetCommand::Print;
    case ToolbarButtonId::Clipart:
        return WorksheetCommand::Clipart;
    case ToolbarButtonId::Save:
        return WorksheetCommand::Save;
    case ToolbarButtonId::QuickWord:
        return WorksheetCommand::QuickWord;
    case ToolbarButtonId::View:
        return answerKeyOnView ? WorksheetCommand::ShowWorksheet : WorksheetCommand::ShowAnswers;
    case ToolbarButtonId::Quit:
        break;
    }
    return WorksheetCommand::Quit;
}

bool ToolbarButtonEnabled(ToolbarButtonId button, const WorksheetRequest& request) {
    switch (button) {
    case ToolbarButtonId::QuickWord:
        return request.QuickWordEnabled;
    case ToolbarButtonId::View:
        return HasAnswerKey(request);
    default:
        return true;
    }
}

} // namespace abacore
