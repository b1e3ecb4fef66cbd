#include "worksheet/riddle_options.h"

#include "core/program_folder.h"
#include "worksheet/riddle_choice.h"
#include "worksheet/riddle_file.h"

namespace abacore {

std::optional<std::string> ApplyRiddleOption(WorksheetRequest& request, std::string_view text) {
    if (const auto refusal = RiddleTextRefusal("riddle", text))
        return *refusal + " (--riddle)";
    request.RiddleQuestion = text;
    return std::nullopt;
}

// Comes after --riddle: stores both as the riddle screen's "Continue" does, count included.
std::optional<std::string> ApplyPunchLineOption(WorksheetRequest& request, std::string_view text) {
    if (const auto refusal = RiddleTextRefusal("punch line", text))
        return *refusal + " (--punchline)";
    ApplyRiddleChoice(request, request.RiddleQuestion, std::string(text));
    return std::nullopt;
}

std::optional<std::string> ApplyFirstRiddle(WorksheetRequest& request) {
    const RiddleFile file = ReadRiddleFile(DataFoldersOf(request));
    if (const auto notice = RiddleFileNotice(file))
        return *notice + " (--riddle TEXT --punchline TEXT)";
    ApplyRiddleChoice(request, file.riddles.front().question, file.riddles.front().punchLine);
    return std::nullopt;
}

} // namespace abacore
