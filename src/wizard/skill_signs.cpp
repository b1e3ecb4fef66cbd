#include "wizard/skill_signs.h"

std::string SignText(Skill skill) {
    switch (skill) {
    case Skill::Addition:
        return "+";
    case Skill::Subtraction:
        return "-";
    case Skill::Multiplication:
        return "x";
    default:
        return DivisionSign;
    }
}
