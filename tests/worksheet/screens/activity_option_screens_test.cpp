// The math squares' option and the flash cards' directions: their texts, what they store and
// where their buttons lead.
#include "../../wizard/screens/wizard_test_helpers.h"
#include "worksheet/flash_directions.h"
#include "worksheet/screens/choose_squares_option.h"
#include "worksheet/screens/flash_directions.h"
#include "worksheet/squares_option_text.h"

#include <QCheckBox>
#include <QLabel>

using namespace abacore;

using SquaresScreen = ScreenUnderTest<ChooseSquaresOption>;

TEST(ChooseSquaresOptionWindow, TheLabelTogglesTheBoxAndContinueStoresIt) {
    SquaresScreen s(Activity::MathSquares, {true, false, false, false});
    EXPECT_EQ(s.window->windowTitle(), SquaresOptionText::kCaption);
    EXPECT_EQ(s.get<QLabel>("Label1")->text(), SquaresOptionText::kQuestion);
    EXPECT_EQ(s.get<QLabel>("Label2")->text(), SquaresOptionText::kYes);
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

TEST(FlashDirectionsWindow, ShowsItsDirectionsBetweenTheRangesAndTheCount) {
    ScreenUnderTest<FlashDirections> s(Activity::FlashCards, {false, false, true, false});
    EXPECT_EQ(s.window->windowTitle(), FlashDirectionsText::kCaption);
    EXPECT_EQ(s.get<QLabel>("Label1")->text(), FlashDirectionsText::kTitle);
    EXPECT_EQ(s.get<QLabel>("Label2")->text(), FlashDirectionsText::kStepCut);
    EXPECT_EQ(s.get<QLabel>("Label3")->text(), FlashDirectionsText::kStepFold);
    const WorksheetRequest before = s.app.request;
    QTest::keyClick(s.window.get(), Qt::Key_Return);
    QTest::keyClick(s.window.get(), Qt::Key_Escape);
    EXPECT_EQ(s.opened(), (std::vector{Screen::ChooseHowMany, Screen::ChooseMinMax}));
    EXPECT_EQ(s.app.request.ProblemCount, before.ProblemCount);
    EXPECT_EQ(s.app.request.ProblemStyle, before.ProblemStyle);
}
