#pragma once
// Crossword requests with only what the problem set depends on.

#include "core/worksheet_request.h"

#include <cstdint>

namespace abacore {

inline WorksheetRequest CrosswordRequest(Skill skill, double firstMin, double firstMax,
                                         double secondMin, int16_t secondMax, int16_t count) {
    WorksheetRequest r;
    r.ActivityType = Activity::Crossword;
    r.SkillMode = skill;
    r.FirstMin = firstMin;
    r.FirstMax = firstMax;
    r.SecondMin = secondMin;
    r.SecondMax = secondMax;
    r.ProblemCount = count;
    return r;
}

// Every skill, remainders and negative answers allowed: every kind of clue and answer occurs.
inline WorksheetRequest EverySkillRequest(int16_t count) {
    WorksheetRequest r = CrosswordRequest(Skill::Mixed, 0, 60, 0, 60, count);
    r.MixedSkills = true;
    r.SkillChecked = {false, true, true, true, true};
    r.AllowRemainders = true;
    r.AllowNegatives = true;
    return r;
}

} // namespace abacore
