#pragma once
// The words that name the skills in the directions under the Name/Date line. Each activity
// writes its own directions (its row in the activity table points to them).

#include "core/worksheet_request.h"

#include <string>
#include <string_view>

namespace abacore {

struct SkillWords {
    std::string_view name; // "Addition", ...; empty for several skills
    std::string_view verb; // "add", ...
    std::string_view noun; // "sum", ...
};
SkillWords SkillWordsFor(Skill skill);

// The skill's name in lower case, "addition"; empty for several skills.
std::string LowerCaseSkillName(Skill skill);

// The checked skills in lower case, joined by ", " with the last comma turned into " or":
// "addition, subtraction or division".
std::string SkillListText(const WorksheetRequest& request);

} // namespace abacore
