#include "recording_navigator.h"
#include "wizard/screens/choose_how_many.h"
#include "wizard_test_helpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct CountScreen {
    explicit CountScreen(Activity activity) {
        app.request.ActivityType = activity;
        window = std::make_unique<ChooseHowMany>(app.context);
        ShowActive(*window);
    }
    QLineEdit* text() { return Control<QLineEdit>(*window, "Text1"); }
    void confirm(const QString& typed) {
        TypeInto(text(), typed);
        QTest::mouseClick(Control<QPushButton>(*window, "Command1"), Qt::LeftButton);
    }

    TestApp app;
    std::unique_ptr<ChooseHowMany> window;
};

} // namespace

TEST(ChooseHowManyWindow, OpensWithTwentyQuestions) {
    CountScreen s(Activity::SkillsPractice);
    EXPECT_EQ(s.window->windowTitle(), "Choose number of problems");
    EXPECT_EQ(Control<QLabel>(*s.window, "Label1")->text(),
              "How many questions on this worksheet?");
    EXPECT_EQ(s.text()->text(), "20");
    QTest::keyClick(s.text(), Qt::Key_Return);
    EXPECT_EQ(s.app.request.ProblemCount, 20);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::Worksheet}));
}

TEST(ChooseHowManyWindow, MathSquaresAskForSquaresUpToFifteen) {
    CountScreen s(Activity::MathSquares);
    EXPECT_EQ(Control<QLabel>(*s.window, "Label1")->text(),
              "How many squares do you want on this worksheet?");
    EXPECT_EQ(s.text()->text(), "6");
    s.confirm("16");
    ASSERT_EQ(s.app.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.app.dialogs.shown[0].title, "Too many!");
    EXPECT_EQ(s.app.dialogs.shown[0].text,
              "There is a limit of 15 Math Squares for this activity.");
    EXPECT_EQ(s.app.request.ProblemCount, 16) << "stored before the limit check";
    EXPECT_TRUE(s.app.navigator.opened.empty());
    s.confirm("15");
    EXPECT_EQ(s.app.request.ProblemCount, 15);
    EXPECT_EQ(s.app.navigator.opened, (std::vector{Screen::ChooseSquaresOption}));
}

TEST(ChooseHowManyWindow, TypedCountKeepsTheMagnitudeOfItsWholePart) {
    CountScreen s(Activity::FlashCards);
    s.confirm("-12");
    EXPECT_EQ(s.app.request.ProblemCount, 12);
    EXPECT_TRUE(s.app.dialogs.shown.empty());
}

TEST(ChooseHowManyWindow, TextThatIsNoCountIsRefusedAndTheScreenStays) {
    CountScreen s(Activity::SkillsPractice);
    s.app.request.ProblemCount = 9;
    s.confirm("abc");
    EXPECT_EQ(s.app.request.ProblemCount, 9);
    EXPECT_EQ(s.app.dialogs.titles(), (QStringList{"Oops!"}));
    EXPECT_EQ(s.app.dialogs.shown[0].text,
              "Please type the number of problems as a whole number from 0 to 32767.");
    EXPECT_TRUE(s.app.navigator.opened.empty());
}

TEST(ChooseHowManyWindow, CrosswordHandsOverAndFlashCardsGoBackToTheirDirections) {
    CountScreen crossword(Activity::Crossword);
    crossword.confirm("30");
    EXPECT_EQ(crossword.app.navigator.opened, (std::vector{Screen::Crossword}));

    CountScreen cards(Activity::FlashCards);
    QTest::keyClick(cards.text(), Qt::Key_Escape);
    CountScreen words(Activity::WordProblems);
    QTest::mouseClick(Control<QPushButton>(*words.window, "Command2"), Qt::LeftButton);
    EXPECT_EQ(cards.app.navigator.opened, (std::vector{Screen::FlashDirections}));
    EXPECT_EQ(words.app.navigator.opened, (std::vector{Screen::ChooseHeading}));
    EXPECT_EQ(words.app.request.ProblemCount, 0);
}
