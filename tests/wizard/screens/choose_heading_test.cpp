#include "wizard/heading_rules.h"
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

TEST(ChooseHeadingWindow, AHeadingBeyondTheLimitIsRefusedAndKeptForCorrection) {
    ScreenUnderTest<ChooseHeading> s(Activity::SkillsPractice);
    QLineEdit* text = s.get<QLineEdit>("Text1");
    const QString tooLong(kLongestHeading + 1, QLatin1Char('w'));
    text->setText(tooLong);
    s.click("Command1");
    EXPECT_EQ(s.titles(), QStringList{"Oops!"});
    EXPECT_TRUE(s.opened().empty());
    EXPECT_EQ(text->text(), tooLong); // nothing cut off behind the user's back
    text->setText(tooLong.chopped(1));
    s.click("Command1");
    EXPECT_EQ(s.opened(), std::vector{Screen::ChooseHowMany});
}
