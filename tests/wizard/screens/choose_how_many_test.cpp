#include "wizard/screens/choose_how_many.h"
#include "wizard_test_helpers.h"

using namespace abacore;

TEST(ChooseHowManyWindow, RefusedCountKeepsTheScreenOpen) {
    ScreenUnderTest<ChooseHowMany> s(Activity::MathSquares);
    const auto confirm = [&](const QString& typed) {
        TypeInto(s.get<QLineEdit>("Text1"), typed);
        s.click("Command1");
    };
    confirm("16");
    EXPECT_EQ(s.titles(), (QStringList{"Too many!"}));
    EXPECT_EQ(s.app.request.ProblemCount, 16) << "stored before the limit check";
    confirm("15");
    EXPECT_EQ(s.opened(), (std::vector{Screen::ChooseSquaresOption}));
}
