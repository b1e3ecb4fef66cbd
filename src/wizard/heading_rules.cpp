#include "wizard/heading_rules.h"

#include "core/skill_names.h"
#include "core/utf8.h"
#include "worksheet/activity_table.h"
#include "worksheet/char_grid.h"

namespace abacore {

std::string SkillWord(const WorksheetRequest& request) {
    if (request.MixedSkills)
        return "Math Skills";
    return std::string(SkillName(request.SkillMode));
}

std::string DefaultHeading(const WorksheetRequest& request) {
    return SkillWord(request) + " " + std::string(RowOf(request.ActivityType).headingWord);
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
