#pragma once
// The request the benchmarks start from: all four skills, remainders allowed, every layout, so
// that every path of a sheet is taken.

#include "core/worksheet_request.h"

namespace abacore {

inline WorksheetRequest MixedSheetRequest(Activity activity, double firstMax, int16_t secondMax,
                                          int16_t count) {
    WorksheetRequest r;
    r.ActivityType = activity;
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    r.SkillChecked = {false, true, true, true, true};
    r.AllowRemainders = true;
    r.ProblemStyle = StyleBit::kAll;
    r.FirstMin = 0;
    r.FirstMax = firstMax;
    r.SecondMin = 0;
    r.SecondMax = secondMax;
    r.ProblemCount = count;
    r.Heading = "Benchmark Sheet";
    r.ProgramFolder = ABACORE_SOURCE_DIR "/data";
    return r;
}

} // namespace abacore
