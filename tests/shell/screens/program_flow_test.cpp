// The whole program as a user meets it: the real screen host and screens, from the main menu
// to the worksheet window, with scripted dialogs.
#include "../../wizard/screens/wizard_test_helpers.h"
#include "program_folder.h"
#include "recording_navigator.h"
#include "shell/screens/screen_factory.h"
#include "ui/screen_host.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

struct Program {
    ProgramFolder folder;
    WorksheetRequest request;
    RandomSource random{99};
    ScriptedDialogs dialogs;
    ScreenHost host{request, random, dialogs, MakeScreen};

    Program() { host.open(Screen::MainMenu); }

    QWidget& screen() {
        QWidget* w = host.current();
        EXPECT_NE(w, nullptr);
        return *w;
    }
    QString screenName() { return screen().metaObject()->className(); }
    void click(const QString& button) {
        QTest::mouseClick(Control<QPushButton>(screen(), button), Qt::LeftButton);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void tick(const QString& box) {
        QTest::mouseClick(Control<QCheckBox>(screen(), box), Qt::LeftButton);
    }
    void type(const QString& box, const QString& text) {
        QLineEdit* edit = Control<QLineEdit>(screen(), box);
        edit->setText(text);
    }
};

} // namespace

TEST(ProgramFlow, FromTheMainMenuToASkillsSheetOnScreen) {
    Program p;
    p.dialogs.answers = {false}; // "Allow negative answers?" No
    EXPECT_EQ(p.screenName(), "Title");
    p.click("Command1");
    EXPECT_EQ(p.screenName(), "ChooseSkill");
    p.tick("Check1_0");
    p.tick("Check1_1");
    p.click("Command1");
    EXPECT_EQ(p.screenName(), "ChooseStyle");
    p.tick("StyleCheck_1");
    p.click("Command1");
    EXPECT_EQ(p.screenName(), "ChooseMinMax");
    p.click("Command1");
    EXPECT_EQ(p.screenName(), "ChooseHeading");
    p.click("Command1");
    EXPECT_EQ(p.screenName(), "ChooseHowMany");
    p.click("Command1");
    ASSERT_EQ(p.screenName(), "QuizForm");
    const QString text = Control<QTextEdit>(p.screen(), "QuizBox")->toPlainText();
    EXPECT_TRUE(text.startsWith("Math Skills Practice Worksheet\n"));
    EXPECT_TRUE(text.contains("20) "));
    EXPECT_EQ(p.request.ProblemCount, 20);
    EXPECT_FALSE(p.request.AllowNegatives);
}

TEST(ProgramFlow, RangesThatCannotMakeTheProblemsLeadBackToTheRangeScreen) {
    Program p;
    p.dialogs.answers = {false};
    p.click("Command1");
    p.tick("Check1_1"); // subtraction alone, no negative answers
    p.click("Command1");
    p.tick("StyleCheck_1");
    p.click("Command1");
    ASSERT_EQ(p.screenName(), "ChooseMinMax");
    p.type("NumValue_0", "0");
    p.type("NumValue_1", "10");
    p.type("NumValue_3", "60");
    p.type("NumValue_2", "50");
    p.click("Command1");
    p.click("Command1"); // heading
    p.click("Command1"); // count
    EXPECT_EQ(p.screenName(), "ChooseMinMax");
    const auto messages = p.dialogs.ofKind("message");
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back().text.contains("Subtraction")) << messages.back().text.toStdString();
}

TEST(ProgramFlow, ActivitiesOfLaterVersionsStopWithAMessageOnTheirLastScreen) {
    Program p;
    p.click("Command6"); // word problems: skill, ranges, heading, count, then the worksheet
    p.tick("Check1_0");
    p.click("Command1");
    p.click("Command1");
    p.click("Command1");
    p.click("Command1");
    EXPECT_EQ(p.screenName(), "ChooseHowMany");
    EXPECT_EQ(p.dialogs.titles().back(), "Sorry!");
}

TEST(ProgramFlow, BackToTheMainScreenAndARequestThatKeepsItsValues) {
    Program p;
    p.click("Command1");
    p.tick("Check1_2");
    p.click("Command1");
    p.tick("StyleCheck_2");
    p.click("Command1");
    p.click("Command1");
    p.click("Command1");
    p.type("Text1", "5");
    p.click("Command1");
    ASSERT_EQ(p.screenName(), "QuizForm");
    p.host.open(Screen::MainMenu); // what "Back to Main Screen" asks for
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(p.screenName(), "Title");
    EXPECT_EQ(p.request.ProblemCount, 5);
    EXPECT_EQ(p.request.SkillMode, Skill::Multiplication);
}
