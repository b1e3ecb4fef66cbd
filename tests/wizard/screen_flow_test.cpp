#include "wizard/screen_flow.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Follows "Continue" from the main menu to the document.
std::vector<Screen> forwardChain(Activity activity) {
    std::vector<Screen> chain;
    Screen s = Screen::MainMenu;
    for (int guard = 0; guard < 12; ++guard) {
        s = NextScreen(activity, s);
        chain.push_back(s);
        if (s == Screen::Worksheet || s == Screen::Crossword)
            break;
    }
    return chain;
}

} // namespace

TEST(ScreenFlow, ContinueChainOfEachActivity) {
    using enum Screen;
    EXPECT_EQ(forwardChain(Activity::SkillsPractice),
              (std::vector{ChooseSkill, ChooseStyle, ChooseMinMax, ChooseHeading, ChooseHowMany,
                           Worksheet}));
    EXPECT_EQ(forwardChain(Activity::SecretRiddle),
              (std::vector{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseRiddle, Worksheet}));
    EXPECT_EQ(forwardChain(Activity::MathSquares),
              (std::vector{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany,
                           ChooseSquaresOption, Worksheet}));
    EXPECT_EQ(forwardChain(Activity::WordProblems),
              (std::vector{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany, Worksheet}));
    EXPECT_EQ(forwardChain(Activity::FlashCards),
              (std::vector{ChooseSkill, ChooseStyle, ChooseMinMax, FlashDirections, ChooseHowMany,
                           Worksheet}));
    EXPECT_EQ(forwardChain(Activity::ValueMatching),
              (std::vector{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany, Worksheet}));
    EXPECT_EQ(forwardChain(Activity::Crossword),
              (std::vector{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany, Crossword}));
}

TEST(ScreenFlow, GoBackRetracesTheChainOfTheWizardScreens) {
    for (int a = 1; a <= 7; ++a) {
        const auto activity = static_cast<Activity>(a);
        Screen previous = Screen::MainMenu;
        for (Screen s : forwardChain(activity)) {
            if (s == Screen::Worksheet || s == Screen::Crossword)
                break;
            if (s == Screen::ChooseSquaresOption)
                EXPECT_EQ(PreviousScreen(activity, s), Screen::ChooseHeading);
            else
                EXPECT_EQ(PreviousScreen(activity, s), previous) << "activity " << a;
            previous = s;
        }
    }
}
