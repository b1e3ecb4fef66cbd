#include "worksheet/directions.h"

#include "core/skill_names.h"

#include <array>

namespace abacore {

SkillWords SkillWordsFor(Skill skill) {
    switch (skill) {
    case Skill::Addition:
        return {SkillName(skill), "add", "sum"};
    case Skill::Subtraction:
        return {SkillName(skill), "subtract", "difference"};
    case Skill::Multiplication:
        return {SkillName(skill), "multiply", "product"};
    case Skill::Division:
        return {SkillName(skill), "divide", "quotient"};
    default:
        return {};
    }
}

std::string LowerCaseSkillName(Skill skill) {
    std::string name(SkillWordsFor(skill).name);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return name;
}

std::string SkillListText(const WorksheetRequest& request) {
    static constexpr std::array<std::string_view, 4> kWords = {"addition", "subtraction",
                                                               "multipication", "division"};
    std::string list;
    for (int k = 1; k <= 4; ++k) {
        if (request.isChecked(static_cast<Skill>(k))) {
            list += ", ";
            list += kWords[static_cast<size_t>(k - 1)];
        }
    }
    list.erase(0, 2);
    const size_t lastComma = list.rfind(',');
    if (lastComma != std::string::npos)
        list.replace(lastComma, 1, " or");
    return list;
}

} // namespace abacore
