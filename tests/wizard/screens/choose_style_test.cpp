#include "recording_navigator.h"
#include "wizard/screens/choose_style.h"
#include "wizard/skill_rules.h"
#include "wizard_test_helpers.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

struct StyleScreen {
    StyleScreen(Activity activity, const std::array<bool, 4>& skills) {
        app.request.ActivityType = activity;
        ApplySkillChoice(app.request, skills);
        window = std::make_unique<ChooseStyle>(app.context);
        ShowActive(*window);
    }
    QCheckBox* box(int i) { return Control<QCheckBox>(*window, QString("StyleCheck_%1").arg(i)); }
    QLabel* sample(int i) { return Control<QLabel>(*window, QString("StyleLabel_%1").arg(i)); }
    QWidget* widget(const char* name) { return Control<QWidget>(*window, name); }
    QPushButton* button(const char* name) { return Control<QPushButton>(*window, name); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    TestApp app;
    std::unique_ptr<ChooseStyle> window;
};

constexpr std::array<bool, 4> AdditionOnly{true, false, false, false};
constexpr std::array<bool, 4> DivisionOnly{false, false, false, true};
constexpr std::array<bool, 4> AdditionAndDivision{true, false, false, true};

} // namespace

TEST(ChooseStyleWindow, WithoutDivisionTheBracketIsNeverOffered) {
    StyleScreen s(Activity::SkillsPractice, AdditionOnly);
    EXPECT_EQ(s.window->windowTitle(), "Choose Presentation Style");
    EXPECT_FALSE(s.box(0)->isVisible());
    EXPECT_FALSE(s.widget("Label2")->isVisible());
    EXPECT_TRUE(s.box(1)->isVisible());
    EXPECT_TRUE(s.box(2)->isVisible());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(s.sample(i)->isVisible());
    EXPECT_FALSE(s.button("Command1")->isEnabled());

    s.click(s.box(1));
    s.click(s.box(2));
    s.click(s.button("Command1"));
    EXPECT_EQ(s.app.request.ProblemStyle, 6);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseMinMax}));
}

TEST(ChooseStyleWindow, TickedStylesShowTheirSamplesAndLines) {
    StyleScreen s(Activity::FlashCards, DivisionOnly);
    ASSERT_TRUE(s.box(0)->isVisible());
    s.click(s.box(0));
    EXPECT_TRUE(s.sample(0)->isVisible());
    EXPECT_EQ(s.sample(0)->text(), "3 ) 12");
    EXPECT_TRUE(s.widget("Line2")->isVisible());
    EXPECT_FALSE(s.widget("Line1")->isVisible());

    s.click(s.widget("Label4")); // the name ticks the vertical box
    EXPECT_TRUE(s.box(2)->isChecked());
    EXPECT_TRUE(s.sample(2)->isVisible());
    EXPECT_EQ(s.sample(2)->text(), "   12      \u00F7 3");
    EXPECT_TRUE(s.widget("Line1")->isVisible());

    s.click(s.box(0));
    EXPECT_FALSE(s.sample(0)->isVisible());
    EXPECT_FALSE(s.widget("Line2")->isVisible());
}

TEST(ChooseStyleWindow, UntickingTheLastStyleDisablesContinueAgain) {
    StyleScreen s(Activity::SkillsPractice, AdditionOnly);
    s.click(s.widget("Label3"));
    EXPECT_TRUE(s.button("Command1")->isEnabled());
    EXPECT_TRUE(s.sample(1)->isVisible());
    s.click(s.box(1));
    EXPECT_FALSE(s.button("Command1")->isEnabled());
    EXPECT_FALSE(s.sample(1)->isVisible());
}

TEST(ChooseStyleWindow, BracketAloneIsRefusedForMixedSkills) {
    StyleScreen s(Activity::SkillsPractice, AdditionAndDivision);
    s.click(s.box(0));
    s.click(s.button("Command1"));
    ASSERT_EQ(s.app.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.app.dialogs.shown[0].title, "Hey!");
    EXPECT_EQ(s.app.dialogs.shown[0].text,
              "Brackets are fine for division, but you have also chosen other skills. Please "
              "choose an additional style.");
    EXPECT_TRUE(s.app.navigator.opened.empty());

    s.click(s.box(1));
    s.click(s.button("Command1"));
    EXPECT_EQ(s.app.request.ProblemStyle, 3);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseMinMax}));
}

TEST(ChooseStyleWindow, GoBackAndEscapeReturnToTheSkillsWithoutStoring) {
    StyleScreen s(Activity::SkillsPractice, AdditionOnly);
    s.app.request.ProblemStyle = 4;
    s.click(s.box(1));
    s.click(s.button("Command2"));
    QTest::keyClick(s.box(1), Qt::Key_Escape);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseSkill, Screen::ChooseSkill}));
    EXPECT_EQ(s.app.request.ProblemStyle, 4);
}
