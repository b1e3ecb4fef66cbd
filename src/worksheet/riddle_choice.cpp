#include "worksheet/riddle_choice.h"

#include "worksheet/data_file.h"
#include "worksheet/secret_riddle.h"
#include "worksheet/utf8.h"

namespace abacore {

RiddleStep StepRiddle(int index, int step, int count) {
    int next = index + step;
    bool pastEnd = false;
    if (next > count - 1 || next < 0) {
        next = index;
        pastEnd = true;
    }
    return {next, pastEnd, next >= 0 && next < count};
}

std::optional<std::string> RiddleTextRefusal(std::string_view field, std::string_view text) {
    if (CharacterCount(text) <= kLongestTextLine)
        return std::nullopt;
    return "Please keep the " + std::string(field) + " to " + std::to_string(kLongestTextLine) +
           " characters or fewer.";
}

void ApplyRiddleChoice(WorksheetRequest& request, std::string question, std::string punchLine) {
    request.ProblemCount = static_cast<int16_t>(PunchLineLetters(punchLine).size());
    request.RiddleQuestion = std::move(question);
    request.PunchLine = std::move(punchLine);
}

} // namespace abacore
