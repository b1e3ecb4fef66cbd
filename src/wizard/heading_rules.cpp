#include "wizard/heading_rules.h"

std::string SkillWord(const WorksheetRequest& request) {
    if (request.MixedSkills)
        return "Math Skills";
    switch (request.SkillMode) {
    case Skill::Addition:
        return "Addition";
    case Skill::Subtraction:
        return "Subtraction";
    case Skill::Multiplication:
        return "Multipication";
    case Skill::Division:
        return "Division";
    default:
        return {};
    }
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
