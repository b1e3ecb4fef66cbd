#include "wizard/skill_rules.h"

namespace abacore {

bool ApplySkillChoice(WorksheetRequest& request, const std::array<bool, 4>& ticked) {
    request.SkillChecked.fill(std::nullopt);
    int tickedCount = 0;
    int lastTicked = 0;
    for (int k = 1; k <= 4; ++k) {
        if (ticked[static_cast<size_t>(k - 1)]) {
            request.SkillChecked[static_cast<size_t>(k)] = true;
            ++tickedCount;
            lastTicked = k;
        }
    }
    if (tickedCount == 0)
        return false;
    request.SkillMode = tickedCount == 1 ? static_cast<Skill>(lastTicked) : Skill::Mixed;
    request.MixedSkills = request.SkillMode == Skill::Mixed;
    return true;
}

bool ActivityLeavesRemainders(Activity activity) {
    switch (activity) {
    case Activity::SecretRiddle:
    case Activity::WordProblems:
    case Activity::ValueMatching:
    case Activity::Crossword:
        return false;
    default:
        return true;
    }
}

bool ActivityAllowsNegatives(Activity activity) {
    return activity != Activity::WordProblems && activity != Activity::Crossword;
}

bool AsksRemainders(const WorksheetRequest& request) {
    return request.isChecked(Skill::Division) && ActivityLeavesRemainders(request.ActivityType);
}

bool AsksNegatives(const WorksheetRequest& request) {
    return request.isChecked(Skill::Subtraction) && ActivityAllowsNegatives(request.ActivityType);
}

} // namespace abacore
