#include "wizard/screen_flow.h"

namespace abacore {

namespace {

// Only the practice sheet and the flash cards print problems in a choice of styles.
bool hasStyleScreen(Activity activity) {
    return activity == Activity::SkillsPractice || activity == Activity::FlashCards;
}

} // namespace

Screen NextScreen(Activity activity, Screen from) {
    switch (from) {
    case Screen::MainMenu:
        return Screen::ChooseSkill;
    case Screen::ChooseSkill:
        return hasStyleScreen(activity) ? Screen::ChooseStyle : Screen::ChooseMinMax;
    case Screen::ChooseStyle:
        return Screen::ChooseMinMax;
    case Screen::ChooseMinMax:
        // Flash cards have no heading; their directions come instead.
        return activity == Activity::FlashCards ? Screen::FlashDirections : Screen::ChooseHeading;
    case Screen::FlashDirections:
        return Screen::ChooseHowMany;
    case Screen::ChooseHeading:
        // The riddle's punch line decides the count, so the riddle comes instead of the count.
        return activity == Activity::SecretRiddle ? Screen::ChooseRiddle : Screen::ChooseHowMany;
    case Screen::ChooseHowMany:
        if (activity == Activity::MathSquares)
            return Screen::ChooseSquaresOption;
        if (activity == Activity::Crossword)
            return Screen::Crossword;
        return Screen::Worksheet;
    case Screen::ChooseRiddle:
    case Screen::ChooseSquaresOption:
        return Screen::Worksheet;
    case Screen::Worksheet:
    case Screen::Crossword:
        return Screen::MainMenu;
    }
    return Screen::MainMenu;
}

Screen PreviousScreen(Activity activity, Screen from) {
    switch (from) {
    case Screen::MainMenu:
    case Screen::ChooseSkill:
        return Screen::MainMenu;
    case Screen::ChooseStyle:
        return Screen::ChooseSkill;
    case Screen::ChooseMinMax:
        return hasStyleScreen(activity) ? Screen::ChooseStyle : Screen::ChooseSkill;
    case Screen::FlashDirections:
    case Screen::ChooseHeading:
        return Screen::ChooseMinMax;
    case Screen::ChooseHowMany:
        return activity == Activity::FlashCards ? Screen::FlashDirections : Screen::ChooseHeading;
    case Screen::ChooseRiddle:
    case Screen::ChooseSquaresOption:
        // The squares option comes after the count, but its "Go Back" skips the count.
        return Screen::ChooseHeading;
    case Screen::Worksheet:
    case Screen::Crossword:
        return Screen::MainMenu;
    }
    return Screen::MainMenu;
}

} // namespace abacore
