#include "worksheet/directions.h"

#include "core/skill_names.h"
#include "worksheet/large_print.h"

#include <array>

namespace abacore {

namespace {

std::string lowerCase(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string mathSquaresDirections(const WorksheetRequest& request) {
    if (!request.MixedSkills) {
        const SkillWords words = SkillWordsFor(request.SkillMode);
        std::string text = "\nDirections: Fill in the squares so that the numbers ";
        text += words.verb;
        text += " left to right and downwards to equal the ";
        text += words.noun;
        text += request.FirstSquareFilled
                    ? "s provided.  The first square has been filled in to get you started."
                    : "s provided.";
        return text + "\n\n";
    }
    const std::string list = SkillListText(request);
    return "\nDirections: Using " + list +
           ", fill in the squares so that the numbers equal the answers provided. Each square "
           "will use only one skill (" +
           list +
           (request.FirstSquareFilled ? "). The first square has been filled in to get you started."
                                      : ").") +
           "\n\n";
}

} // namespace

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

std::string DirectionsText(const WorksheetRequest& request) {
    const std::string skillName = lowerCase(SkillWordsFor(request.SkillMode).name);
    switch (request.ActivityType) {
    case Activity::SkillsPractice:
        return "\nDirections: Practice your " + skillName +
               " skills by solving the problems below.\n\n";
    case Activity::SecretRiddle:
        return "\nDirections: Solve the " + skillName +
               " problems below, then use the answers to decipher the answer to the riddle.\n\n";
    case Activity::MathSquares:
        return mathSquaresDirections(request);
    case Activity::WordProblems:
        return "\nDirections: Solve the word problems below.\n\n";
    case Activity::ValueMatching:
        return "\nDirections: Fill in the letter of the problem that has an equal answer in the "
               "right column.\n\n";
    default:
        return {};
    }
}

std::string RiddleLineText(const WorksheetRequest& request) {
    return "Riddle: " + request.RiddleQuestion + "\n\n";
}

void WriteRiddleLine(const WorksheetRequest& request, Document& worksheet) {
    const double scale = TypeScale(request);
    worksheet.SetItalic(true);
    worksheet.SetFontSize(14 * scale);
    worksheet.Insert(RiddleLineText(request));
    worksheet.SetItalic(false);
    worksheet.SetFontSize(10 * scale);
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
