#pragma once
// The directions printed under the Name/Date line, by activity, and the words that name each
// skill in them.

#include "core/worksheet_request.h"
#include "worksheet/document.h"

#include <string>
#include <string_view>

namespace abacore {

struct SkillWords {
    std::string_view name; // "Addition", ...; empty for several skills
    std::string_view verb; // "add", ...
    std::string_view noun; // "sum", ...
};
SkillWords SkillWordsFor(Skill skill);

// The directions as one insertion, line breaks included; empty for activities without
// directions (flash cards, the crossword).
std::string DirectionsText(const WorksheetRequest& request);

// The riddle worksheet's second line, printed in larger italics after the directions.
std::string RiddleLineText(const WorksheetRequest& request);
// Inserts it in 14-point italics and goes back to the directions' 10 points, upright.
void WriteRiddleLine(const WorksheetRequest& request, Document& worksheet);

// The checked skills in lower case, joined by ", " with the last comma turned into " or":
// "addition, subtraction or division".
std::string SkillListText(const WorksheetRequest& request);

} // namespace abacore
