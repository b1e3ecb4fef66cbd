// The whole program as a user meets it: the real screen host and screens, with scripted dialogs.
#include "../../wizard/screens/wizard_test_helpers.h"
#include "program_folder.h"
#include "shell/screens/screen_factory.h"
#include "ui/screen_host.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

using namespace abacore;

namespace {

struct Program {
    ProgramFolder folder;
    WorksheetRequest request;
    RandomSource random{99};
    ScriptedDialogs dialogs;
    ScreenHost host{request, random, dialogs, MakeScreen};

    Program() {
        request.ProgramFolder = folder.path().toStdString();
        host.open(Screen::MainMenu);
    }
    QWidget& screen() { return *host.current(); }
    QString screenName() {
        return QString(screen().metaObject()->className()).remove(QStringLiteral("abacore::"));
    }
    // Clicks the named controls in turn, letting each screen replace the last.
    void click(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            QTest::mouseClick(Control<QWidget>(screen(), name), Qt::LeftButton);
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

} // namespace

// Ranges that cannot make the problems lead back to the range screen; fixed, the sheet comes up,
// and going back to the main menu keeps the request.
TEST(ProgramFlow, FromTheMenuThroughARefusalToASheetAndBack) {
    Program p;
    p.dialogs.answers = {false}; // no negative answers
    p.click({"Command1", "Check1_1", "Command1", "StyleCheck_1", "Command1"});
    ASSERT_EQ(p.screenName(), "ChooseMinMax");
    Control<QLineEdit>(p.screen(), "NumValue_1")->setText("10");
    Control<QLineEdit>(p.screen(), "NumValue_3")->setText("60");
    Control<QLineEdit>(p.screen(), "NumValue_2")->setText("50");
    p.click({"Command1", "Command1", "Command1"}); // ranges, heading, count
    ASSERT_EQ(p.screenName(), "ChooseMinMax");
    ASSERT_FALSE(p.dialogs.ofKind("message").empty());
    EXPECT_TRUE(p.dialogs.ofKind("message").back().text.contains("Subtraction"));

    Control<QLineEdit>(p.screen(), "NumValue_2")->setText("1");
    Control<QLineEdit>(p.screen(), "NumValue_3")->setText("5");
    p.click({"Command1", "Command1"});
    Control<QLineEdit>(p.screen(), "Text1")->setText("5");
    p.click({"Command1"});
    ASSERT_EQ(p.screenName(), "QuizForm");
    const QString text = Control<QTextEdit>(p.screen(), "QuizBox")->toPlainText();
    EXPECT_TRUE(text.startsWith("Subtraction Practice Worksheet\n"));
    EXPECT_TRUE(text.contains("5) ") && !text.contains("6) "));
    p.host.open(Screen::MainMenu); // what "Back to Main Screen" asks for
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(p.screenName(), "Title");
    EXPECT_TRUE(p.request.ProblemCount == 5 && p.request.SkillMode == Skill::Subtraction);
}

TEST(ProgramFlow, ActivitiesOfLaterVersionsStopWithAMessageOnTheirLastScreen) {
    Program p;
    p.click({"Command4", "Check1_0", "Command1", "Command1", "Command1", "Command1"});
    EXPECT_EQ(p.screenName(), "ChooseHowMany");
    EXPECT_EQ(p.dialogs.titles().back(), "Sorry!");
}

// Word problems and value matching have no screens of their own: the count screen opens their
// sheets. A missing story file is named, and no sheet opens.
TEST(ProgramFlow, WordProblemsAndMatchingOpenTheirSheetsAndAMissingStoryFileIsNamed) {
    const std::pair<const char*, const char*> activities[] = {
        {"Command6", "Directions: Solve the word problems below."},
        {"Command8", "Directions: Fill in the letter of the problem"}};
    for (const auto& [button, directions] : activities) {
        Program p;
        p.click({button, "Check1_0", "Command1", "Command1", "Command1", "Command1"});
        ASSERT_EQ(p.screenName(), "QuizForm") << button;
        const QString text = Control<QTextEdit>(p.screen(), "QuizBox")->toPlainText();
        EXPECT_TRUE(text.contains(directions) && text.contains("20) ")) << button;
    }
    Program p;
    ASSERT_TRUE(QFile::remove(p.folder.file("add.dat")));
    p.click({"Command6", "Check1_0", "Command1", "Command1", "Command1", "Command1"});
    EXPECT_NE(p.screenName(), "QuizForm");
    ASSERT_FALSE(p.dialogs.ofKind("message").empty());
    EXPECT_TRUE(p.dialogs.ofKind("message").back().text.contains("add.dat"));
}
