#pragma once
// The sign the wizard screens show for a skill: the documents' sign (SkillSign), with the
// division sign standing in for several skills.

#include "core/worksheet_request.h"

#include <string>

namespace abacore {

// "+", "-", "x" or the division sign; the division sign also for anything else, which is
// what the screens show before a single skill replaces it.
std::string SignText(Skill skill);

} // namespace abacore
