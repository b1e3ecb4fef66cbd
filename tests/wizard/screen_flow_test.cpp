#include "wizard/screen_flow.h"

#include <gtest/gtest.h>
#include <vector>

using namespace abacore;

TEST(ScreenFlow, ContinueAndGoBackOfEachActivity) {
    using enum Screen;
    using A = Activity;
    // Every activity starts on the skill screen.
    const std::pair<Activity, std::vector<Screen>> chains[] = {
        {A::SkillsPractice, {ChooseStyle, ChooseMinMax, ChooseHeading, ChooseHowMany, Worksheet}},
        {A::SecretRiddle, {ChooseMinMax, ChooseHeading, ChooseRiddle, Worksheet}},
        {A::MathSquares,
         {ChooseMinMax, ChooseHeading, ChooseHowMany, ChooseSquaresOption, Worksheet}},
        {A::WordProblems, {ChooseMinMax, ChooseHeading, ChooseHowMany, Worksheet}},
        {A::FlashCards, {ChooseStyle, ChooseMinMax, FlashDirections, ChooseHowMany, Worksheet}},
        {A::ValueMatching, {ChooseMinMax, ChooseHeading, ChooseHowMany, Worksheet}},
        {A::Crossword, {ChooseMinMax, ChooseHeading, ChooseHowMany, Crossword}},
    };
    for (const auto& [activity, chain] : chains) {
        const int a = static_cast<int>(activity);
        EXPECT_EQ(NextScreen(activity, MainMenu), ChooseSkill);
        EXPECT_EQ(PreviousScreen(activity, ChooseSkill), MainMenu);
        Screen previous = ChooseSkill;
        for (Screen s : chain) {
            EXPECT_EQ(NextScreen(activity, previous), s) << "activity " << a;
            if (s == Worksheet || s == Crossword)
                break;
            // "Go Back" on the squares option skips the count.
            const Screen back = s == ChooseSquaresOption ? ChooseHeading : previous;
            EXPECT_EQ(PreviousScreen(activity, s), back) << "activity " << a;
            previous = s;
        }
    }
}
