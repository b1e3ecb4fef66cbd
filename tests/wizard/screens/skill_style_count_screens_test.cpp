// The skill, style and count screens: what each stores and refuses, and where it leads.
#include "wizard/screens/choose_how_many.h"
#include "wizard/screens/choose_skill.h"
#include "wizard/screens/choose_style.h"
#include "wizard_test_helpers.h"

using namespace abacore;

TEST(ChooseSkillWindow, AnyClickEnablesContinueWhichRefusesNothingTickedThenAsksTheQuestions) {
    ScreenUnderTest<ChooseSkill> s(Activity::SkillsPractice);
    EXPECT_FALSE(s.get("Command1")->isEnabled());
    s.click("Label2_1"); // the name ticks its box, and unticks it again
    s.click("Label2_1");
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

using StyleScreen = ScreenUnderTest<ChooseStyle>;

TEST(ChooseStyleWindow, BracketOnlyWithDivisionAndContinueOnlyWhileAStyleIsTicked) {
    StyleScreen added(Activity::SkillsPractice, {true, false, false, false});
    EXPECT_FALSE(added.get("StyleCheck_0")->isVisible());
    // The missing-number layout is the skills sheet's own.
    added.click("StyleCheck_3");
    added.click("Command1");
    EXPECT_EQ(added.app.request.ProblemStyle, StyleBit::kMissing);
    StyleScreen s(Activity::FlashCards, {false, false, false, true});
    EXPECT_TRUE(s.get("StyleCheck_0")->isVisible());
    EXPECT_FALSE(s.get("StyleCheck_3")->isVisible());
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

TEST(ChooseHowManyWindow, RefusedCountKeepsTheScreenOpen) {
    ScreenUnderTest<ChooseHowMany> s(Activity::MathSquares);
    const auto confirm = [&](const QString& typed) {
        TypeInto(s.get<QLineEdit>("Text1"), typed);
        s.click("Command1");
    };
    confirm("16");
    EXPECT_EQ(s.titles(), (QStringList{"Too many!"}));
    confirm("15");
    EXPECT_EQ(s.opened(), (std::vector{Screen::ChooseSquaresOption}));
}
