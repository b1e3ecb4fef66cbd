#pragma once
// The heading screen's default: skill word, one blank, the activity's word (its row's
// headingWord).

#include "core/worksheet_request.h"

#include "wizard/wizard_message.h"

#include <optional>
#include <string>
#include <string_view>

namespace abacore {

namespace HeadingText {
inline constexpr const char* kCaption = "Choose a Heading";
inline constexpr const char* kPrompt = "Type a heading for this worksheet";
inline constexpr const char* kTooLongTitle = "Oops!";
inline constexpr const char* kLargePrint = "Large print";
inline constexpr const char* kSheetCode = "Print the sheet code";
inline constexpr const char* kSheetCodeHelp =
    "A short code at the foot of the sheet and its key: \"Open Sheet Code...\" on the main menu "
    "makes the same sheet and key again from it.";
inline constexpr const char* kLargePrintHelp =
    "The worksheet and its answer key in type one and a half times as large, with fewer "
    "problems to a row, for pupils with low vision.";
} // namespace HeadingText

// Far beyond any heading a page shows well, and short enough that every output stays quick.
inline constexpr int kLongestHeading = 200;

// "Math Skills" for mixed skills, else the skill's name; empty when neither applies.
std::string SkillWord(const WorksheetRequest& request);
std::string DefaultHeading(const WorksheetRequest& request);
// What the heading screen opens with: the default, or the heading typed before a refused sheet.
std::string OpeningHeading(const WorksheetRequest& request);

// The message for a heading longer than kLongestHeading characters, or nothing.
std::optional<WizardMessage> HeadingRefusal(std::string_view heading);

} // namespace abacore
