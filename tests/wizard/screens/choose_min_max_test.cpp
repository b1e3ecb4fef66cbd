#include "wizard/screens/choose_min_max.h"
#include "wizard/screens/number_box.h"
#include "wizard_test_helpers.h"

#include <QCheckBox>
#include <QComboBox>
using namespace abacore;

namespace {

struct RangeScreen : ScreenUnderTest<ChooseMinMax> {
    using ScreenUnderTest::ScreenUnderTest;
    NumberBox* box(int i) { return get<NumberBox>(QString("NumValue_%1").arg(i)); }
    // Types into box i and leaves it with Tab, which runs the box's check.
    void enter(int i, const QString& text) {
        TypeInto(box(i), text);
        QTest::keyClick(box(i), Qt::Key_Tab);
    }
};

constexpr std::array<bool, 4> Division{0, 0, 0, 1};

} // namespace

// Leaving a box runs its check: a raised minimum pulls its maximum silently, an invalid entry is
// emptied and refused again by "Continue". "Go Back" checks nothing and stores nothing.
TEST(ChooseMinMaxWindow, LeavingABoxChecksItContinueRefusesAnEmptiedBoxGoBackDoesNot) {
    RangeScreen s(Activity::SkillsPractice, Division);
    s.enter(0, "500");
    EXPECT_EQ(s.box(1)->text(), "500");
    s.enter(2, "0");
    EXPECT_EQ(s.box(2)->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), s.box(2)) << "the box gets the focus back";
    s.click("Command1");
    EXPECT_EQ(s.titles(), (QStringList{"Oops!", "Oops!"}));
    TypeInto(s.box(2), "0");
    s.click("Command2");
    EXPECT_TRUE(!s.app.request.FirstMin && !s.app.request.SecondMin);
    EXPECT_EQ(s.opened(), (std::vector{Screen::ChooseStyle}));
}

// The arrows step from the typed value (the box's check moves them first); an emptied box
// steps from its lowest value without a word, but left for another control it is refused again.
TEST(ChooseMinMaxWindow, ArrowsStepFromTheTypedValueOrFromTheLowest) {
    RangeScreen s(Activity::SkillsPractice, Division);
    const auto clickUpperArrow = [&](int i) {
        QTest::mouseClick(s.box(i), Qt::LeftButton, {},
                          QPoint(s.box(i)->width() - 5, s.box(i)->height() / 4));
    };
    clickUpperArrow(1);
    EXPECT_EQ(s.box(1)->text(), "101");
    QTest::keyClick(s.box(1), Qt::Key_Down);
    EXPECT_EQ(s.box(1)->text(), "100");
    TypeInto(s.box(1), "60");
    clickUpperArrow(1);
    EXPECT_EQ(s.box(1)->text(), "61");

    s.enter(3, "0");
    QTest::keyClick(s.box(3), Qt::Key_Up);
    EXPECT_EQ(s.titles(), (QStringList(1, "Oops!")));
    EXPECT_FALSE(s.box(3)->text().isEmpty());
    s.enter(3, "0");
    QTest::keyClick(s.box(3), Qt::Key_Tab);
    EXPECT_EQ(s.titles(), (QStringList(3, "Oops!")));
    EXPECT_EQ(QApplication::focusWidget(), s.box(3));
}

// Return does not leave the box, so "Continue" checks it: unchecked, -50.5 would be refused.
TEST(ChooseMinMaxWindow, ReturnChecksTheEditedBoxAndTheCrosswordWarningLetsItGoOn) {
    RangeScreen s(Activity::Crossword, Division);
    TypeInto(s.box(3), "-50.5");
    QTest::keyClick(s.box(3), Qt::Key_Return);
    EXPECT_EQ(s.app.request.SecondMax, 51);
    EXPECT_EQ(s.titles(), (QStringList{"Hey!"}));
    EXPECT_EQ(s.opened(), (std::vector{Screen::ChooseHeading}));
}

// The lesson's choices sit under the ranges where the skills take them, are reached from the
// keyboard, go into the request as they change, and show again when the screen is come back to.
TEST(ChooseMinMaxWindow, ChoicesShowWhereTheyApplyAndAreKept) {
    RangeScreen s(Activity::SkillsPractice, {1, 0, 1, 0});
    auto* regrouping = s.get<QComboBox>("Regrouping");
    regrouping->setFocus();
    QTest::keyClick(regrouping, Qt::Key_Down);
    for (const char* name : {"Fact_2", "Fact_10", "NoRepeats"}) {
        s.get(name)->setFocus();
        QTest::keyClick(s.get(name), Qt::Key_Space);
    }
    // The answers' numbers wait for their box to be ticked.
    EXPECT_FALSE(s.get("AnswerMin")->isEnabled());
    QTest::keyClick(s.get("AnswerLimit"), Qt::Key_Space);
    EXPECT_TRUE(s.get("AnswerMax")->isEnabled());
    QTest::keyClick(s.get("AnswerLimit"), Qt::Key_Space);
    s.click("Command2");
    const ProblemChoices wanted{Regrouping::Never, false, 0, 0, 0x202, true};
    EXPECT_EQ(s.app.request.Choices.facts, wanted.facts);
    EXPECT_TRUE(s.app.request.Choices.regrouping == wanted.regrouping &&
                s.app.request.Choices.noRepeats);
    ChooseMinMax again(s.app.context);
    EXPECT_EQ(Control<QComboBox>(again, "Regrouping")->currentIndex(), 1);
    EXPECT_TRUE(Control<QCheckBox>(again, "Fact_10")->isChecked());
    // Skills without addition and subtraction drop the regrouping; squares take no choices.
    s.app.request = RequestFor(Activity::SkillsPractice, {0, 0, 1, 0});
    s.app.request.Choices = wanted;
    ChooseMinMax multiplication(s.app.context);
    EXPECT_EQ(s.app.request.Choices.regrouping, Regrouping::Any);
    EXPECT_TRUE(Control<QWidget>(multiplication, "Regrouping")->isHidden());
    s.app.request = RequestFor(Activity::MathSquares, {1, 0, 0, 0});
    s.app.request.Choices = wanted;
    ChooseMinMax squares(s.app.context);
    EXPECT_TRUE(Control<QWidget>(squares, "ProblemChoices")->isHidden());
    EXPECT_TRUE(s.app.request.Choices.isDefault());
}
