#include "wizard/skill_signs.h"

#include "worksheet/problem.h"

namespace abacore {

std::string SignText(Skill skill) {
    const std::string_view sign = SkillSign(skill);
    return std::string(sign.empty() ? SkillSign(Skill::Division) : sign);
}

} // namespace abacore
