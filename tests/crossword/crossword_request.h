#pragma once
// Crossword requests with only what the problem set depends on.

#include "../worksheet/ranges_request.h"
#include "worksheet/activity_table.h"

namespace abacore {

// The crossword's rules, as its row hands them to the problem set.
inline const ProblemRules& CrosswordRules() {
    return RowOf(Activity::Crossword).problemRules;
}

inline WorksheetRequest CrosswordRequest(Skill skill, double firstMin, double firstMax,
                                         double secondMin, int16_t secondMax, int16_t count) {
    WorksheetRequest r = RangesRequest(skill, firstMin, firstMax, secondMin, secondMax);
    r.ActivityType = Activity::Crossword;
    r.ProblemCount = count;
    return r;
}

// Every skill, remainders and negative answers allowed: every kind of clue and answer occurs.
inline WorksheetRequest EverySkillRequest(int16_t count) {
    WorksheetRequest r =
        WithSkills(CrosswordRequest(Skill::Mixed, 0, 60, 0, 60, count),
                   {Skill::Addition, Skill::Subtraction, Skill::Multiplication, Skill::Division});
    r.AllowRemainders = true;
    r.AllowNegatives = true;
    return r;
}

} // namespace abacore
