#include "wizard/style_rules.h"

#include "wizard/skill_signs.h"

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
    const std::string sign = SignText(RepresentativeSkill(request));
    return {"3 ) 12", "12 " + sign + " 3=", "   12      " + sign + " 3"};
}

bool OffersBracket(const WorksheetRequest& request) {
    return request.isChecked(Skill::Division);
}

int16_t ProblemStyleOf(const std::array<bool, 3>& ticked) {
    int16_t style = 0;
    if (ticked[0])
        style += StyleBit::kBracket;
    if (ticked[1])
        style += StyleBit::kHorizontal;
    if (ticked[2])
        style += StyleBit::kVertical;
    return style;
}

} // namespace abacore
