#include "wizard/heading_rules.h"
#include "wizard/screens/choose_heading.h"
#include "wizard_test_helpers.h"

#include <QCheckBox>
#include <QLabel>

using namespace abacore;

// Return and Escape belong to every wizard screen; the heading screen stands for them all. A
// heading beyond the limit is refused and kept for correction, not cut off behind the user's back.
TEST(ChooseHeadingWindow, ReturnStoresTheTypedHeadingEscapeGoesBackAndTooLongIsRefused) {
    ScreenUnderTest<ChooseHeading> s(Activity::Crossword);
    QLineEdit* text = s.get<QLineEdit>("Text1");
    // The sheet code's box, ticked at first, is stored with the heading.
    ASSERT_TRUE(s.get<QCheckBox>("SheetCode")->isChecked());
    s.get<QCheckBox>("SheetCode")->setChecked(false);
    const QString tooLong(kLongestHeading + 1, QLatin1Char('w'));
    text->setText(tooLong);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(s.titles(), QStringList{"Oops!"});
    EXPECT_EQ(text->text(), tooLong);
    TypeInto(text, "Fractions of pizza ");
    text->insert("\u00E9t\u00E9"); // key clicks are ASCII only
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(s.app.request.Heading, "Fractions of pizza \u00E9t\u00E9");
    EXPECT_TRUE(s.app.request.NoSheetCode);
    TypeInto(text, "Not this one");
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_EQ(s.app.request.Heading, "Fractions of pizza \u00E9t\u00E9");
    EXPECT_EQ(s.opened(), (std::vector{Screen::ChooseHowMany, Screen::ChooseMinMax}));
}

// Large print is offered where the sheet can grow and keeps an earlier sheet's choice; where
// the layout cannot grow the box is off, cannot be ticked, and the screen says why.
TEST(ChooseHeadingWindow, LargePrintIsOfferedWhereTheSheetCanGrowAndExplainedWhereNot) {
    for (const auto& [activity, offered] :
         {std::pair{Activity::SkillsPractice, true}, std::pair{Activity::Crossword, false}}) {
        SCOPED_TRACE(static_cast<int>(activity));
        ScreenUnderTest<ChooseHeading> s(activity);
        s.app.request.LargePrint = true; // chosen for an earlier sheet
        s.window = std::make_unique<ChooseHeading>(s.app.context);
        ShowActive(*s.window);
        auto* box = s.get<QCheckBox>("LargePrint");
        EXPECT_EQ(box->isEnabled(), offered);
        EXPECT_EQ(box->isChecked(), offered);
        EXPECT_EQ(s.window->findChild<QLabel*>("LargePrintNote") == nullptr, offered);
        EXPECT_FALSE(box->accessibleDescription().isEmpty());
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_FALSE(box->isChecked());
        QTest::keyClick(box, Qt::Key_Space);
        s.click("Command1");
        EXPECT_EQ(s.app.request.LargePrint, offered);
    }
}
