#include "wizard/screens/choose_style.h"
#include "wizard_test_helpers.h"

using namespace abacore;

using StyleScreen = ScreenUnderTest<ChooseStyle>;

TEST(ChooseStyleWindow, BracketOnlyWithDivisionAndContinueOnlyWhileAStyleIsTicked) {
    StyleScreen added(Activity::SkillsPractice, {true, false, false, false});
    EXPECT_FALSE(added.get("StyleCheck_0")->isVisible());
    StyleScreen s(Activity::FlashCards, {false, false, false, true});
    EXPECT_TRUE(s.get("StyleCheck_0")->isVisible());
    EXPECT_FALSE(s.get("Command1")->isEnabled());
    s.click("Label4"); // the name ticks the vertical box
    EXPECT_TRUE(s.get("Command1")->isEnabled());
    EXPECT_TRUE(s.get("StyleLabel_2")->isVisible() && s.get("Line1")->isVisible());
    s.click("StyleCheck_2");
    EXPECT_FALSE(s.get("Command1")->isEnabled());
    EXPECT_FALSE(s.get("StyleLabel_2")->isVisible() || s.get("Line1")->isVisible());

    // The bracket alone is refused for mixed skills.
    StyleScreen mixed(Activity::SkillsPractice, {true, false, false, true});
    mixed.click("StyleCheck_0");
    mixed.click("Command1");
    EXPECT_EQ(mixed.titles(), (QStringList{"Hey!"}));
    EXPECT_TRUE(mixed.opened().empty());
}
