#pragma once
// A skills-practice request with only what problem making depends on set.

#include "core/worksheet_request.h"

#include <initializer_list>

namespace abacore {

inline WorksheetRequest RangesRequest(Skill skill, double firstMin, double firstMax,
                                      double secondMin, int16_t secondMax, bool remainders = false,
                                      int16_t style = 2, int16_t count = 20) {
    WorksheetRequest r;
    r.ActivityType = Activity::SkillsPractice;
    r.SkillMode = skill;
    r.MixedSkills = skill == Skill::Mixed;
    r.FirstMin = firstMin;
    r.FirstMax = firstMax;
    r.SecondMin = secondMin;
    r.SecondMax = secondMax;
    r.AllowRemainders = remainders;
    r.ProblemStyle = style;
    r.ProblemCount = count;
    return r;
}

// The request with mixed skills, those listed ticked; none listed leaves it as it was.
inline WorksheetRequest WithSkills(WorksheetRequest r, std::initializer_list<Skill> mixed) {
    if (mixed.size() == 0)
        return r;
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    for (Skill s : mixed)
        r.SkillChecked[static_cast<size_t>(s)] = true;
    return r;
}

} // namespace abacore
