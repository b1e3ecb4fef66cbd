#pragma once
// The count screen's rules: its opening texts, reading the count, and each activity's limit.

#include "core/worksheet_request.h"
#include "wizard/wizard_message.h"

#include <optional>
#include <string>
#include <string_view>

namespace abacore {

namespace CountText {
inline constexpr const char* kCaption = "Choose number of problems";
inline constexpr const char* kNotANumberTitle = "Oops!";
inline constexpr const char* kNotANumber =
    "Please type the number of problems as a whole number from 0 to 32767.";
inline constexpr const char* kTooManyTitle = "Too many!";
} // namespace CountText

struct CountScreenSetup {
    std::string prompt;
    std::string count;
};

// The activity's count prompt, with its default count (or the count kept from before).
CountScreenSetup CountScreenOpening(const WorksheetRequest& request);

// The count offered when none was typed: the activity's default, lowered to what the request's
// numbers allow (the crossword's grid).
int DefaultCount(const WorksheetRequest& request);

// The magnitude of the whole part of the typed number ("-12" gives 12, "7.8" gives 7);
// nullopt when the text does not start with a number or the count does not fit in 16 bits.
std::optional<int16_t> ParseProblemCount(std::string_view text);

// The "Too many!" message for a count above the activity's limit, or nullopt.
std::optional<WizardMessage> CountLimitRefusal(Activity activity, int count);

// "Continue": reads the count and stores it in ProblemCount before the limit check, so a
// refused count stays stored until the next confirmation; a text that is not a count is
// refused without storing. A count above what the request's numbers allow (the crossword's
// grid) is refused too, in the same message box. Returns the message to show, or nullopt when the
// wizard goes on.
std::optional<WizardMessage> ConfirmProblemCount(WorksheetRequest& request, std::string_view text);

} // namespace abacore
