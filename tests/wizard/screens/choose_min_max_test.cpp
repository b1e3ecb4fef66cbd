#include "recording_navigator.h"
#include "wizard/screens/choose_min_max.h"
#include "wizard/skill_rules.h"
#include "wizard_test_helpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

struct RangeScreen {
    RangeScreen(Activity activity, const std::array<bool, 4>& skills) {
        app.request.ActivityType = activity;
        ApplySkillChoice(app.request, skills);
        window = std::make_unique<ChooseMinMax>(app.context);
        ShowActive(*window);
    }
    QLineEdit* box(int i) { return Control<QLineEdit>(*window, QString("NumValue_%1").arg(i)); }
    QScrollBar* arrow(int i) {
        return Control<QScrollBar>(*window, QString("NumScroll_%1").arg(i));
    }
    QPushButton* button(const char* name) { return Control<QPushButton>(*window, name); }
    QStringList texts() { return {box(0)->text(), box(1)->text(), box(2)->text(), box(3)->text()}; }
    // Types into box i and leaves it with Tab, which runs the box's check.
    void enter(int i, const QString& text) {
        TypeInto(box(i), text);
        QTest::keyClick(box(i), Qt::Key_Tab);
    }
    void clickUpperArrow(int i) {
        QTest::mouseClick(arrow(i), Qt::LeftButton, {}, QPoint(arrow(i)->width() / 2, 3));
    }

    TestApp app;
    std::unique_ptr<ChooseMinMax> window;
};

constexpr std::array<bool, 4> AdditionOnly{true, false, false, false};
constexpr std::array<bool, 4> DivisionOnly{false, false, false, true};

} // namespace

TEST(ChooseMinMaxWindow, DivisionKeepsDivisorsAboveZero) {
    RangeScreen s(Activity::SkillsPractice, DivisionOnly);
    EXPECT_EQ(s.window->windowTitle(), "Choose Minimum and Maximum");
    EXPECT_EQ(s.texts(), (QStringList{"0", "100", "1", "100"}));
    EXPECT_EQ(Control<QLabel>(*s.window, "TypeLabel")->text(), "\u00F7");
    EXPECT_EQ(s.arrow(2)->minimum(), 1);
    EXPECT_EQ(s.arrow(3)->minimum(), 1);

    s.enter(2, "0");
    ASSERT_EQ(s.app.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.app.dialogs.shown[0].title, "Oops!");
    EXPECT_EQ(s.app.dialogs.shown[0].text, "Invalid entry...");
    EXPECT_EQ(s.box(2)->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), s.box(2)) << "the box gets the focus back";
    EXPECT_EQ(s.arrow(2)->value(), 1);
}

TEST(ChooseMinMaxWindow, CrosswordOpensWideAndItsMaximaStopAtHundred) {
    RangeScreen s(Activity::Crossword, AdditionOnly);
    EXPECT_EQ(s.texts(), (QStringList{"0", "1000", "0", "1000"}));
    EXPECT_EQ(s.arrow(1)->minimum(), 100);
    EXPECT_EQ(s.arrow(3)->minimum(), 100);
    s.enter(1, "50");
    EXPECT_EQ(s.app.dialogs.titles(), (QStringList{"Oops!"}));
    EXPECT_EQ(s.box(1)->text(), "");
}

TEST(ChooseMinMaxWindow, TypedEntriesAreNormalisedWhenTheBoxIsLeft) {
    RangeScreen s(Activity::SkillsPractice, AdditionOnly);
    s.enter(1, "12.7");
    EXPECT_EQ(s.box(1)->text(), "12");
    EXPECT_EQ(s.arrow(1)->value(), 12);
    s.enter(3, "-7.9");
    EXPECT_EQ(s.box(3)->text(), "8");
    EXPECT_TRUE(s.app.dialogs.shown.empty());
    s.enter(3, "32768");
    EXPECT_EQ(s.app.dialogs.titles(), (QStringList{"Oops!"}));
    EXPECT_EQ(s.box(3)->text(), "");
}

TEST(ChooseMinMaxWindow, RaisedMinimumPullsTheMaximumSilently) {
    RangeScreen s(Activity::SkillsPractice, AdditionOnly);
    s.enter(0, "500");
    EXPECT_EQ(s.box(1)->text(), "500");
    EXPECT_EQ(s.arrow(1)->value(), 500);
    EXPECT_TRUE(s.app.dialogs.shown.empty());
}

TEST(ChooseMinMaxWindow, LoweredMaximumIsSetBackWithAMessage) {
    RangeScreen s(Activity::SkillsPractice, AdditionOnly);
    s.enter(0, "80");
    s.enter(1, "50");
    EXPECT_EQ(s.box(1)->text(), "80");
    ASSERT_EQ(s.app.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.app.dialogs.shown[0].title, "Hey!");
    EXPECT_EQ(s.app.dialogs.shown[0].text,
              "The maximum value must be higher or equal to the minimum.");
}

TEST(ChooseMinMaxWindow, ArrowsStepTheBoxAndFollowTypedValues) {
    RangeScreen s(Activity::SkillsPractice, AdditionOnly);
    s.clickUpperArrow(1);
    EXPECT_EQ(s.box(1)->text(), "101");
    QTest::keyClick(s.arrow(1), Qt::Key_Down);
    EXPECT_EQ(s.box(1)->text(), "100");
    // Clicking the arrow takes the focus from the box, so the arrow starts from the typed value.
    TypeInto(s.box(1), "60");
    s.clickUpperArrow(1);
    EXPECT_EQ(s.box(1)->text(), "61");
    // Leaving the arrow runs the same check as leaving the box.
    s.arrow(0)->setValue(70);
    s.arrow(0)->setFocus(Qt::MouseFocusReason);
    s.box(2)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(s.box(1)->text(), "70");
}

TEST(ChooseMinMaxWindow, ContinueStoresTheBoundsAndOpensTheHeading) {
    RangeScreen s(Activity::SkillsPractice, DivisionOnly);
    s.enter(0, "5");
    s.enter(1, "99");
    s.enter(2, "2");
    s.enter(3, "12");
    QTest::mouseClick(s.button("Command1"), Qt::LeftButton);
    EXPECT_EQ(s.app.request.FirstMin, 5.0);
    EXPECT_EQ(s.app.request.FirstMax, 99.0);
    EXPECT_EQ(s.app.request.SecondMin, 2.0);
    EXPECT_EQ(s.app.request.SecondMax, 12);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseHeading}));
}

TEST(ChooseMinMaxWindow, ReturnChecksTheBoxBeingEdited) {
    RangeScreen s(Activity::SkillsPractice, AdditionOnly);
    TypeInto(s.box(0), "500");
    QTest::keyClick(s.box(0), Qt::Key_Return);
    EXPECT_EQ(s.app.request.FirstMin, 500.0);
    EXPECT_EQ(s.app.request.FirstMax, 500.0);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseHeading}));

    RangeScreen divided(Activity::SkillsPractice, DivisionOnly);
    TypeInto(divided.box(3), "0");
    QTest::keyClick(divided.box(3), Qt::Key_Return);
    EXPECT_EQ(divided.app.dialogs.titles(), (QStringList{"Oops!"}));
    EXPECT_TRUE(divided.app.navigator.opened.empty());
}

TEST(ChooseMinMaxWindow, ContinueRefusesAnEmptiedBox) {
    RangeScreen s(Activity::SkillsPractice, DivisionOnly);
    s.enter(2, "0");
    ASSERT_EQ(s.box(2)->text(), "");
    QTest::mouseClick(s.button("Command1"), Qt::LeftButton);
    EXPECT_EQ(s.app.dialogs.titles(), (QStringList{"Oops!", "Oops!"}));
    EXPECT_TRUE(s.app.navigator.opened.empty());
    EXPECT_FALSE(s.app.request.FirstMin.has_value());
}

TEST(ChooseMinMaxWindow, ContinueRefusesABoxThatWouldAcceptZero) {
    RangeScreen s(Activity::SkillsPractice, AdditionOnly);
    TypeInto(s.box(1), "");
    QTest::mouseClick(s.button("Command1"), Qt::LeftButton);
    EXPECT_EQ(s.app.dialogs.titles(), (QStringList{"Oops!"}));
    EXPECT_EQ(QApplication::focusWidget(), s.box(1));
    EXPECT_TRUE(s.app.navigator.opened.empty());
}

TEST(ChooseMinMaxWindow, MathSquaresOfferOnlyTheFirstRowAndStoreTheHiddenOne) {
    RangeScreen s(Activity::MathSquares, AdditionOnly);
    for (const char* name :
         {"TypeLabel", "NumValue_2", "NumValue_3", "NumScroll_2", "NumScroll_3", "Label4", "Line1"})
        EXPECT_FALSE(Control<QWidget>(*s.window, name)->isVisible()) << name;
    EXPECT_TRUE(s.box(1)->isVisible());
    QTest::mouseClick(s.button("Command1"), Qt::LeftButton);
    EXPECT_EQ(s.app.request.SecondMin, 0.0);
    EXPECT_EQ(s.app.request.SecondMax, 100);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseHeading}));
}

TEST(ChooseMinMaxWindow, CrosswordWarnsOfSmallMaximaButGoesOn) {
    RangeScreen s(Activity::Crossword, DivisionOnly);
    s.enter(3, "50");
    EXPECT_TRUE(s.app.dialogs.shown.empty()) << "divisors may go down to 1";
    QTest::mouseClick(s.button("Command1"), Qt::LeftButton);
    EXPECT_EQ(s.app.dialogs.titles(), (QStringList{"Hey!"}));
    EXPECT_EQ(s.app.dialogs.shown[0].text,
              "For the crossword to be created properly, the maximum values should be at least "
              "100.");
    EXPECT_EQ(s.app.request.SecondMax, 50);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseHeading}));
}

TEST(ChooseMinMaxWindow, GoBackStoresNothingAndChecksNothing) {
    RangeScreen s(Activity::SecretRiddle, DivisionOnly);
    TypeInto(s.box(2), "0");
    QTest::mouseClick(s.button("Command2"), Qt::LeftButton);
    EXPECT_TRUE(s.app.dialogs.shown.empty());
    EXPECT_FALSE(s.app.request.FirstMin.has_value());
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseSkill}));
}
