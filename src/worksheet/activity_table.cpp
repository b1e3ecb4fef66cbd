#include "worksheet/activity_table.h"

#include "worksheet/skills_practice.h"
#include "worksheet/style_option.h"

#include <array>

namespace abacore {

namespace {

using enum Screen;

constexpr std::array kSkillsScreens{ChooseSkill,   ChooseStyle,   ChooseMinMax,
                                    ChooseHeading, ChooseHowMany, Worksheet};
constexpr std::array kRiddleScreens{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseRiddle,
                                    Worksheet};
constexpr std::array kSquaresScreens{ChooseSkill,   ChooseMinMax,        ChooseHeading,
                                     ChooseHowMany, ChooseSquaresOption, Worksheet};
constexpr std::array kPlainScreens{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany,
                                   Worksheet};
constexpr std::array kCardScreens{ChooseSkill,     ChooseStyle,   ChooseMinMax,
                                  FlashDirections, ChooseHowMany, Worksheet};
constexpr std::array kCrosswordScreens{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany,
                                       Crossword};

const std::array kStyleOptions{kStyleOption};

const std::array<ActivityRow, 7> kRows{{
    {Activity::SkillsPractice, "skills", "Skills Practice Sheet", &MakeSkillsPractice, nullptr,
     true, kSkillsScreens, std::nullopt, std::nullopt, "", 20, kStyleOptions},
    {Activity::SecretRiddle,
     "riddle",
     "Secret Riddle Worksheet",
     nullptr,
     nullptr,
     true,
     kRiddleScreens,
     std::nullopt,
     std::nullopt,
     "",
     20,
     {}},
    // The squares' option comes after the count, but its "Go Back" skips the count.
    {Activity::MathSquares,
     "squares",
     "Math Squares Puzzle",
     nullptr,
     nullptr,
     true,
     kSquaresScreens,
     std::pair{ChooseSquaresOption, ChooseHeading},
     15,
     "Math Squares",
     6,
     {}},
    {Activity::WordProblems,
     "words",
     "Word Problems Sheet",
     nullptr,
     nullptr,
     true,
     kPlainScreens,
     std::nullopt,
     20,
     "Word Problems",
     20,
     {}},
    {Activity::FlashCards, "cards", "Make Flash Cards", nullptr, nullptr, false, kCardScreens,
     std::nullopt, std::nullopt, "", 20, kStyleOptions},
    {Activity::ValueMatching,
     "matching",
     "Value-Matching Worksheet",
     nullptr,
     nullptr,
     true,
     kPlainScreens,
     std::nullopt,
     25,
     "problems",
     20,
     {}},
    // Each word of a crossword takes a grid line; a hundred is what the grid can hold.
    {Activity::Crossword,
     "crossword",
     "Math Crossword Puzzle",
     nullptr,
     nullptr,
     true,
     kCrosswordScreens,
     std::nullopt,
     100,
     "problems",
     20,
     {}},
}};

} // namespace

std::span<const ActivityRow> Activities() {
    return kRows;
}

const ActivityRow& RowOf(Activity activity) {
    for (const ActivityRow& row : kRows)
        if (row.activity == activity)
            return row;
    return kRows.front();
}

const ActivityRow* RowByBatchName(std::string_view name) {
    for (const ActivityRow& row : kRows)
        if (row.batchName == name)
            return &row;
    return nullptr;
}

} // namespace abacore
