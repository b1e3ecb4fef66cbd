#include "wizard/style_rules.h"

#include "wizard/skill_signs.h"
#include "worksheet/activity_table.h"

namespace abacore {

Skill RepresentativeSkill(const WorksheetRequest& request) {
    if (!request.MixedSkills)
        return request.SkillMode;
    if (request.isChecked(Skill::Division))
        return Skill::Division;
    if (request.isChecked(Skill::Addition))
        return Skill::Addition;
    return Skill::Subtraction;
}

StyleSamples SampleTexts(const WorksheetRequest& request) {
    const Skill skill = RepresentativeSkill(request);
    const std::string sign = SignText(skill);
    const char* answer = skill == Skill::Addition         ? "15"
                         : skill == Skill::Subtraction    ? "9"
                         : skill == Skill::Multiplication ? "36"
                                                          : "4";
    return {"3 ) 12", "12 " + sign + " 3=", "   12      " + sign + " 3",
            "12" + sign + "___=" + answer};
}

bool OffersMissing(const WorksheetRequest& request) {
    return RowOf(request.ActivityType).missingLayout;
}

bool OffersBracket(const WorksheetRequest& request) {
    return request.isChecked(Skill::Division);
}

int16_t ProblemStyleOf(const std::array<bool, 4>& ticked) {
    int16_t style = 0;
    if (ticked[0])
        style += StyleBit::kBracket;
    if (ticked[1])
        style += StyleBit::kHorizontal;
    if (ticked[2])
        style += StyleBit::kVertical;
    if (ticked[3])
        style += StyleBit::kMissing;
    return style;
}

} // namespace abacore
