#include "recording_navigator.h"
#include "wizard/screens/choose_heading.h"
#include "wizard/skill_rules.h"
#include "wizard_test_helpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct HeadingScreen {
    HeadingScreen(Activity activity, const std::array<bool, 4>& skills) {
        app.request.ActivityType = activity;
        ApplySkillChoice(app.request, skills);
        app.request.Heading = "Earlier heading";
        window = std::make_unique<ChooseHeading>(app.context);
        ShowActive(*window);
    }
    QLineEdit* text() { return Control<QLineEdit>(*window, "Text1"); }
    void click(const char* name) {
        QTest::mouseClick(Control<QPushButton>(*window, name), Qt::LeftButton);
    }

    TestApp app;
    std::unique_ptr<ChooseHeading> window;
};

} // namespace

TEST(ChooseHeadingWindow, OffersTheDefaultHeadingAndStoresIt) {
    HeadingScreen s(Activity::MathSquares, {false, false, true, false});
    EXPECT_EQ(s.window->windowTitle(), "Choose a Heading");
    EXPECT_EQ(Control<QLabel>(*s.window, "Label1")->text(), "Type a heading for this worksheet");
    EXPECT_EQ(s.text()->text(), "Multipication Math Squares");
    s.click("Command1");
    EXPECT_EQ(s.app.request.Heading, "Multipication Math Squares");
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseHowMany}));
}

TEST(ChooseHeadingWindow, EditedOrEmptyHeadingIsStoredAsTyped) {
    HeadingScreen s(Activity::Crossword, {true, true, false, false});
    EXPECT_EQ(s.text()->text(), "Math Skills Crossword Puzzle");
    TypeInto(s.text(), "Fractions of pizza ");
    s.text()->insert("\u00E9t\u00E9"); // key clicks are ASCII only
    QTest::keyClick(s.text(), Qt::Key_Return);
    EXPECT_EQ(s.app.request.Heading, "Fractions of pizza \u00E9t\u00E9");
    TypeInto(s.text(), "");
    s.click("Command1");
    EXPECT_EQ(s.app.request.Heading, "");
}

TEST(ChooseHeadingWindow, GoBackAndEscapeKeepTheStoredHeading) {
    HeadingScreen s(Activity::SkillsPractice, {true, false, false, false});
    TypeInto(s.text(), "Not this one");
    s.click("Command2");
    QTest::keyClick(s.text(), Qt::Key_Escape);
    EXPECT_EQ(s.app.request.Heading, "Earlier heading");
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseMinMax, Screen::ChooseMinMax}));
}
