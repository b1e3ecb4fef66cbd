#include "wizard/heading_rules.h"

#include "core/skill_names.h"
#include "worksheet/char_grid.h"

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

std::string OpeningHeading(const WorksheetRequest& request) {
    return request.KeepTyped ? request.Heading : DefaultHeading(request);
}

std::optional<WizardMessage> HeadingRefusal(std::string_view heading) {
    if (CharacterCount(heading) <= kLongestHeading)
        return std::nullopt;
    return WizardMessage{HeadingText::kTooLongTitle, "Please keep the heading to " +
                                                         std::to_string(kLongestHeading) +
                                                         " characters or fewer."};
}

} // namespace abacore
