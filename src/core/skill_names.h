#pragma once
// Each skill's name as the program spells it everywhere ("Multipication" included): the skill
// screen's labels, the default headings and the directions.

#include "core/worksheet_request.h"

#include <array>
#include <string_view>

namespace abacore {

inline constexpr std::array<const char*, 5> kSkillNames = {"", "Addition", "Subtraction",
                                                           "Multipication", "Division"};

// Empty for anything but a single skill.
inline std::string_view SkillName(Skill skill) {
    const auto k = static_cast<size_t>(skill);
    return k < kSkillNames.size() ? kSkillNames[k] : "";
}

} // namespace abacore
