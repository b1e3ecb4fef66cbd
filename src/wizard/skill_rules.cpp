#include "wizard/skill_rules.h"

#include "worksheet/activity_table.h"

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

bool AsksRemainders(const WorksheetRequest& request) {
    return request.isChecked(Skill::Division) && RowOf(request.ActivityType).asksRemainders;
}

bool AsksNegatives(const WorksheetRequest& request) {
    return request.isChecked(Skill::Subtraction) && RowOf(request.ActivityType).asksNegatives;
}

} // namespace abacore
