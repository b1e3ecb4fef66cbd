#pragma once

namespace abacore {

// The screens of the program, as the flow rules name them.

enum class Screen {
    MainMenu,
    ChooseSkill,
    ChooseStyle,
    ChooseMinMax,
    ChooseHeading,
    ChooseHowMany,
    ChooseRiddle,        // riddle worksheet's riddle choice
    FlashDirections,     // flash cards' directions
    ChooseSquaresOption, // math squares' option
    Worksheet,           // QuizForm
    Crossword,           // crossword problem set and builder window CrossPrint
};

} // namespace abacore
