// The math squares' option: what it stores and where its buttons lead (the flash cards'
// directions are walked through in the program flow).
#include "../../wizard/screens/wizard_test_helpers.h"
#include "worksheet/screens/choose_squares_option.h"

#include <QCheckBox>

using namespace abacore;

using SquaresScreen = ScreenUnderTest<ChooseSquaresOption>;

TEST(ChooseSquaresOptionWindow, TheLabelTogglesTheBoxAndContinueStoresIt) {
    SquaresScreen s(Activity::MathSquares, {true, false, false, false});
    QCheckBox* box = s.get<QCheckBox>("Check1");
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(box->isChecked());
    s.click("Label2");
    EXPECT_TRUE(box->isChecked());
    s.click("Label2");
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->isChecked());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(s.app.request.FirstSquareFilled);
    EXPECT_EQ(s.opened(), std::vector{Screen::Worksheet});
}

// An earlier request's choice does not show, and is overwritten by an unticked box; "Go Back"
// skips the count and stores nothing.
TEST(ChooseSquaresOptionWindow, OpensUntickedAndGoBackSkipsTheCount) {
    SquaresScreen s(Activity::MathSquares, {false, true, false, false});
    s.app.request.FirstSquareFilled = true;
    s.click("Check1");
    s.click("Command2");
    EXPECT_TRUE(s.app.request.FirstSquareFilled);

    SquaresScreen again(Activity::MathSquares, {false, true, false, false});
    again.app.request.FirstSquareFilled = true;
    EXPECT_FALSE(again.get<QCheckBox>("Check1")->isChecked());
    again.click("Command1");
    EXPECT_FALSE(again.app.request.FirstSquareFilled);

    EXPECT_EQ(s.opened(), std::vector{Screen::ChooseHeading});
    EXPECT_EQ(again.opened(), std::vector{Screen::Worksheet});
}
