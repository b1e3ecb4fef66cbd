#include "recording_navigator.h"
#include "wizard/screens/choose_skill.h"
#include "wizard_test_helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

struct SkillScreen {
    explicit SkillScreen(Activity activity) {
        app.request.ActivityType = activity;
        window = std::make_unique<ChooseSkill>(app.context);
        ShowActive(*window);
    }
    QCheckBox* box(int i) { return Control<QCheckBox>(*window, QString("Check1_%1").arg(i)); }
    QPushButton* button(const char* name) { return Control<QPushButton>(*window, name); }

    TestApp app;
    std::unique_ptr<ChooseSkill> window;
};

} // namespace

TEST(ChooseSkillWindow, OpensWithNothingTickedAndContinueDisabled) {
    SkillScreen s(Activity::SkillsPractice);
    EXPECT_EQ(s.window->windowTitle(), "Choose a skill...");
    EXPECT_EQ(Control<QLabel>(*s.window, "Label1")->text(),
              "Choose the skill(s) for this worksheet");
    const QStringList names{"Addition", "Subtraction", "Multipication", "Division"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(s.box(i)->isChecked());
        EXPECT_EQ(Control<QLabel>(*s.window, QString("Label2_%1").arg(i))->text(), names[i]);
    }
    EXPECT_FALSE(s.button("Command1")->isEnabled());
    EXPECT_EQ(s.button("Command1")->text(), "Continue");
    EXPECT_EQ(s.button("Command2")->text(), "Go Back");
}

TEST(ChooseSkillWindow, TickingAndUntickingLeavesContinueToComplain) {
    SkillScreen s(Activity::SkillsPractice);
    QTest::mouseClick(s.box(1), Qt::LeftButton);
    QTest::mouseClick(s.box(1), Qt::LeftButton);
    ASSERT_TRUE(s.button("Command1")->isEnabled());
    QTest::mouseClick(s.button("Command1"), Qt::LeftButton);
    ASSERT_EQ(s.app.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.app.dialogs.shown[0].title, "Hey!");
    EXPECT_EQ(s.app.dialogs.shown[0].text, "Please choose at least one skill...");
    EXPECT_TRUE(s.app.navigator.opened.empty());
}

TEST(ChooseSkillWindow, ClickingANameTogglesItsBox) {
    SkillScreen s(Activity::SkillsPractice);
    auto* name = Control<QLabel>(*s.window, "Label2_2");
    QTest::mouseClick(name, Qt::LeftButton);
    EXPECT_TRUE(s.box(2)->isChecked());
    EXPECT_TRUE(s.button("Command1")->isEnabled());
    QTest::mouseClick(name, Qt::LeftButton);
    EXPECT_FALSE(s.box(2)->isChecked());
}

TEST(ChooseSkillWindow, AsksRemaindersBeforeNegativesAndStoresTheAnswers) {
    SkillScreen s(Activity::SkillsPractice);
    s.box(1)->click();
    s.box(3)->click();
    s.app.dialogs.answers = {true, false};
    QTest::mouseClick(s.button("Command1"), Qt::LeftButton);
    EXPECT_EQ(s.app.dialogs.titles(),
              (QStringList{"Allow Remainders?", "Allow negative answers?"}));
    EXPECT_EQ(s.app.dialogs.shown[0].text,
              "Do you want to allow remainders for the division problems?");
    EXPECT_EQ(s.app.dialogs.shown[1].text,
              "Do you want to allow negative answers for the subtraction problems?");
    EXPECT_EQ(s.app.request.AllowRemainders, std::optional<bool>(true));
    EXPECT_FALSE(s.app.request.AllowNegatives);
    EXPECT_EQ(s.app.request.SkillMode, Skill::Mixed);
    EXPECT_TRUE(s.app.request.MixedSkills);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseStyle}));
}

TEST(ChooseSkillWindow, ValueMatchingAsksNoRemainderQuestionAndKeepsTheOldAnswer) {
    SkillScreen s(Activity::ValueMatching);
    s.app.request.AllowNegatives = true;
    s.box(1)->click();
    s.box(3)->click();
    s.app.dialogs.answers = {false};
    QTest::mouseClick(s.button("Command1"), Qt::LeftButton);
    EXPECT_EQ(s.app.dialogs.titles(), (QStringList{"Allow negative answers?"}));
    EXPECT_FALSE(s.app.request.AllowRemainders.has_value());
    EXPECT_FALSE(s.app.request.AllowNegatives);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseMinMax}));
}

TEST(ChooseSkillWindow, GoBackReturnsToTheMenuWithoutStoring) {
    SkillScreen s(Activity::SkillsPractice);
    s.box(0)->click();
    QTest::mouseClick(s.button("Command2"), Qt::LeftButton);
    QTest::keyClick(s.box(0), Qt::Key_Escape);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::MainMenu, Screen::MainMenu}));
    EXPECT_EQ(s.app.request.SkillMode, Skill::None);
    EXPECT_FALSE(s.app.request.isChecked(Skill::Addition));
}

TEST(ChooseSkillWindow, ReturnContinuesOnlyOnceContinueIsEnabled) {
    SkillScreen s(Activity::SkillsPractice);
    QTest::keyClick(s.window.get(), Qt::Key_Return);
    EXPECT_TRUE(s.app.navigator.opened.empty());
    EXPECT_TRUE(s.app.dialogs.shown.empty());
    s.box(2)->setFocus();
    QTest::keyClick(s.box(2), Qt::Key_Space);
    ASSERT_TRUE(s.box(2)->isChecked());
    QTest::keyClick(s.box(2), Qt::Key_Return);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseStyle}));
    EXPECT_EQ(s.app.request.SkillMode, Skill::Multiplication);
}
