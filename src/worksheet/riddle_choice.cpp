#include "worksheet/riddle_choice.h"

#include "core/utf8.h"
#include "worksheet/data_file.h"
#include "worksheet/secret_riddle.h"

#include <algorithm>

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

RiddleOpening OpenRiddleScreen(const WorksheetRequest& request,
                               const std::vector<Riddle>& riddles) {
    if (!request.KeepTyped)
        return riddles.empty() ? RiddleOpening{} : RiddleOpening{0, riddles.front()};
    const Riddle typed{request.RiddleQuestion, request.PunchLine};
    const auto at = std::find(riddles.begin(), riddles.end(), typed);
    // A riddle of the teacher's own stands before the file's first: "Next Riddle" shows that.
    return {at == riddles.end() ? -1 : static_cast<int>(at - riddles.begin()), typed};
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
