#pragma once
// The request as the skill screen leaves it for the later wizard screens.

#include "wizard/skill_rules.h"

namespace abacore {

inline WorksheetRequest RequestFor(Activity activity, const std::array<bool, 4>& skills) {
    WorksheetRequest r;
    r.ActivityType = activity;
    ApplySkillChoice(r, skills);
    return r;
}

} // namespace abacore
