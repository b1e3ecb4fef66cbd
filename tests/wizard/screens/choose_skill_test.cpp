#include "wizard/screens/choose_skill.h"
#include "wizard_test_helpers.h"

#include <QCheckBox>

using namespace abacore;

TEST(ChooseSkillWindow, AnyClickEnablesContinueWhichRefusesNothingTickedThenAsksTheQuestions) {
    ScreenUnderTest<ChooseSkill> s(Activity::SkillsPractice);
    EXPECT_FALSE(s.get("Command1")->isEnabled());
    s.click("Label2_1"); // the name ticks its box, and unticks it again
    s.click("Label2_1");
    EXPECT_FALSE(s.get<QCheckBox>("Check1_1")->isChecked());
    ASSERT_TRUE(s.get("Command1")->isEnabled());
    s.click("Command1");
    EXPECT_EQ(s.titles(), (QStringList{"Hey!"}));

    // Remainders are asked before negatives.
    s.click("Check1_1");
    s.click("Check1_3");
    s.app.dialogs.answers = {false, true}; // neither answer is what the request holds before
    s.click("Command1");
    EXPECT_EQ(s.titles(), (QStringList{"Hey!", "Allow Remainders?", "Allow negative answers?"}));
    EXPECT_EQ(s.app.request.AllowRemainders, std::optional<bool>(false));
    EXPECT_TRUE(s.app.request.AllowNegatives);
    EXPECT_EQ(s.opened(), (std::vector{Screen::ChooseStyle}));
}
