#include "wizard/count_rules.h"

#include "wizard/number_entry.h"
#include "worksheet/activity_table.h"

#include <algorithm>

namespace abacore {

CountScreenSetup CountScreenOpening(const WorksheetRequest& request) {
    const ActivityRow& row = RowOf(request.ActivityType);
    return {std::string(row.countPrompt),
            std::to_string(request.KeepTyped ? request.ProblemCount : DefaultCount(request))};
}

int DefaultCount(const WorksheetRequest& request) {
    const ActivityRow& row = RowOf(request.ActivityType);
    // Never offer a count that the request's numbers would refuse, but never an empty sheet
    // either: where they allow none, the default stays, and its refusal says why.
    const int most = row.countCapacity ? row.countCapacity(request, row.problemRules) : 0;
    return most > 0 ? std::min(row.defaultCount, most) : row.defaultCount;
}

std::optional<int16_t> ParseProblemCount(std::string_view text) {
    const auto count = WholeMagnitude(text);
    if (!count || *count > 32767)
        return std::nullopt;
    return static_cast<int16_t>(*count);
}

std::optional<WizardMessage> CountLimitRefusal(Activity activity, int count) {
    const ActivityRow& row = RowOf(activity);
    if (!row.countLimit || count <= *row.countLimit)
        return std::nullopt;
    return WizardMessage{CountText::kTooManyTitle,
                         "There is a limit of " + std::to_string(*row.countLimit) + " " +
                             std::string(row.countLimitNoun) + " for this activity."};
}

std::optional<WizardMessage> ConfirmProblemCount(WorksheetRequest& request, std::string_view text) {
    const auto count = ParseProblemCount(text);
    if (!count)
        return WizardMessage{CountText::kNotANumberTitle, CountText::kNotANumber};
    request.ProblemCount = *count;
    if (auto refusal = CountLimitRefusal(request.ActivityType, *count))
        return refusal;
    const ActivityRow& row = RowOf(request.ActivityType);
    if (row.countCapacity) {
        const int most = row.countCapacity(request, row.problemRules);
        if (*count > most && most == 0)
            return WizardMessage{CountText::kTooManyTitle,
                                 "With these numbers hardly any answer has the two characters "
                                 "or more that a puzzle's entry needs. Choose larger numbers "
                                 "or answers."};
        if (*count > most)
            return WizardMessage{CountText::kTooManyTitle,
                                 "With these numbers a puzzle holds at most " +
                                     std::to_string(most) + " problems."};
    }
    return std::nullopt;
}

} // namespace abacore
