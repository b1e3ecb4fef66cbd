#include "wizard/heading_rules.h"

#include "shell/skill_names.h"

namespace abacore {

std::string SkillWord(const WorksheetRequest& request) {
    if (request.MixedSkills)
        return "Math Skills";
    return std::string(SkillName(request.SkillMode));
}

std::string ActivityWord(Activity activity) {
    switch (activity) {
    case Activity::SkillsPractice:
        return "Practice Worksheet";
    case Activity::SecretRiddle:
        return "Solve-The-Riddle Worksheet";
    case Activity::MathSquares:
        return "Math Squares";
    case Activity::WordProblems:
        return "Word Problems Worksheet";
    case Activity::ValueMatching:
        return "Value-Matching Worksheet";
    case Activity::Crossword:
        return "Crossword Puzzle";
    default:
        return {};
    }
}

std::string DefaultHeading(const WorksheetRequest& request) {
    return SkillWord(request) + " " + ActivityWord(request.ActivityType);
}

} // namespace abacore
