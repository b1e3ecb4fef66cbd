#include "wizard/screens/choose_heading.h"
#include "wizard_test_helpers.h"

using namespace abacore;

// Return and Escape belong to every wizard screen; the heading screen stands for them all.
TEST(ChooseHeadingWindow, ReturnStoresTheTypedHeadingAndEscapeGoesBack) {
    ScreenUnderTest<ChooseHeading> s(Activity::Crossword);
    QLineEdit* text = s.get<QLineEdit>("Text1");
    TypeInto(text, "Fractions of pizza ");
    text->insert("\u00E9t\u00E9"); // key clicks are ASCII only
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(s.app.request.Heading, "Fractions of pizza \u00E9t\u00E9");
    TypeInto(text, "Not this one");
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_EQ(s.app.request.Heading, "Fractions of pizza \u00E9t\u00E9");
    EXPECT_EQ(s.opened(), (std::vector{Screen::ChooseHowMany, Screen::ChooseMinMax}));
}
