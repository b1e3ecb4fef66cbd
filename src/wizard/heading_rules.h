#pragma once
// The heading screen's default: skill word, one blank, activity word.

#include "shell/worksheet_request.h"

#include <string>

namespace abacore {

namespace HeadingText {
inline constexpr const char* kCaption = "Choose a Heading";
inline constexpr const char* kPrompt = "Type a heading for this worksheet";
} // namespace HeadingText

// "Math Skills" for mixed skills, else the skill's name; empty when neither applies.
std::string SkillWord(const WorksheetRequest& request);
// The activity's name on its documents; empty for the flash cards, which have no heading.
std::string ActivityWord(Activity activity);
std::string DefaultHeading(const WorksheetRequest& request);

} // namespace abacore
