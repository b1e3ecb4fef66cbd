#include "wizard/count_rules.h"

#include "wizard/number_entry.h"

namespace abacore {

CountScreenSetup CountScreenOpening(const WorksheetRequest& request) {
    if (request.ActivityType == Activity::MathSquares)
        return {"How many squares do you want on this worksheet?", "6"};
    return {"How many questions on this worksheet?", "20"};
}

std::optional<int16_t> ParseProblemCount(std::string_view text) {
    const auto count = WholeMagnitude(text);
    if (!count || *count > 32767)
        return std::nullopt;
    return static_cast<int16_t>(*count);
}

std::optional<int> CountLimit(Activity activity) {
    // Each limit is what one page of that activity holds.
    switch (activity) {
    case Activity::MathSquares:
        return 15;
    case Activity::WordProblems:
        return 20;
    case Activity::ValueMatching:
        return 25;
    default:
        return std::nullopt;
    }
}

std::optional<WizardMessage> CountLimitRefusal(Activity activity, int count) {
    const auto limit = CountLimit(activity);
    if (!limit || count <= *limit)
        return std::nullopt;
    switch (activity) {
    case Activity::MathSquares:
        return WizardMessage{CountText::kTooManyTitle,
                             "There is a limit of 15 Math Squares for this activity."};
    case Activity::WordProblems:
        return WizardMessage{CountText::kTooManyTitle,
                             "There is a limit of 20 Word Problems for this activity."};
    default:
        return WizardMessage{CountText::kTooManyTitle,
                             "There is a limit of 25 problems for this activity."};
    }
}

std::optional<WizardMessage> ConfirmProblemCount(WorksheetRequest& request, std::string_view text) {
    const auto count = ParseProblemCount(text);
    if (!count)
        return WizardMessage{CountText::kNotANumberTitle, CountText::kNotANumber};
    request.ProblemCount = *count;
    return CountLimitRefusal(request.ActivityType, *count);
}

} // namespace abacore
