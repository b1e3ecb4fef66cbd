// The math squares' option: what it stores and where its buttons lead (the flash cards'
// directions are walked through in the program flow).
#include "../../wizard/screens/wizard_test_helpers.h"
#include "worksheet/screens/choose_squares_option.h"

#include <QCheckBox>

using namespace abacore;

using SquaresScreen = ScreenUnderTest<ChooseSquaresOption>;

// The box opens unticked whatever an earlier request chose; its label toggles it; "Continue"
// stores it, ticked or not, and "Go Back" stores nothing and skips the count.
TEST(ChooseSquaresOptionWindow, TheLabelTogglesTheBoxContinueStoresItGoBackDoesNot) {
    for (const bool tick : {true, false}) {
        SquaresScreen s(Activity::MathSquares, {false, true, false, false});
        s.app.request.FirstSquareFilled = !tick;
        s.window = std::make_unique<ChooseSquaresOption>(s.app.context);
        ShowActive(*s.window);
        QCheckBox* box = s.get<QCheckBox>("Check1");
        EXPECT_FALSE(box->isChecked());
        s.click("Label2");
        s.click("Label2");
        EXPECT_TRUE(box->hasFocus());
        if (tick)
            QTest::keyClick(box, Qt::Key_Space);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(s.app.request.FirstSquareFilled, tick);
        EXPECT_EQ(s.opened(), std::vector{Screen::Worksheet});
    }
    SquaresScreen back(Activity::MathSquares, {false, true, false, false});
    back.click("Check1");
    back.click("Command2");
    EXPECT_FALSE(back.app.request.FirstSquareFilled);
    EXPECT_EQ(back.opened(), std::vector{Screen::ChooseHeading});
}
