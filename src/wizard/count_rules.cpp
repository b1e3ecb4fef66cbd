#include "wizard/count_rules.h"

#include "wizard/number_entry.h"
#include "worksheet/activity_table.h"

namespace abacore {

CountScreenSetup CountScreenOpening(const WorksheetRequest& request) {
    const ActivityRow& row = RowOf(request.ActivityType);
    return {std::string(row.countPrompt),
            std::to_string(request.KeepTyped ? request.ProblemCount : row.defaultCount)};
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
    if (const auto capacity = RowOf(request.ActivityType).countCapacity)
        if (auto refusal = capacity(request, *count))
            return WizardMessage{CountText::kTooManyTitle, std::move(*refusal)};
    return std::nullopt;
}

} // namespace abacore
