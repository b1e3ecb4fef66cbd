// The whole program as a user meets it: the real screen host and screens, with scripted dialogs.
#include "../wizard/screens/wizard_test_helpers.h"
#include "app/screen_factory.h"
#include "program_folder_fixture.h"
#include "ui/screen_host.h"

#include <QLineEdit>
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
            settle();
        }
    }
    // Presses a key on the current screen.
    void key(Qt::Key k) {
        QTest::keyClick(&screen(), k);
        settle();
    }
    // Runs what the screens left for later: closing the last one, a notice on opening.
    static void settle() {
        QApplication::sendPostedEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString text(const char* name) {
        const QWidget* control = Control<QWidget>(screen(), name);
        if (const auto* box = qobject_cast<const QLineEdit*>(control))
            return box->text();
        return control->property("text").toString();
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
    EXPECT_EQ(p.text("NumValue_2"), "50"); // as typed

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

// A riddle the ranges cannot make (1..1 gives one answer; the punch line has five letters) leads
// back to the riddle screen with everything as typed, and the screens before it keep what was
// typed there too. A sheet made, a new start from the menu opens at the defaults again.
TEST(ProgramFlow, ARefusedRiddleKeepsWhatTheTeacherTyped) {
    Program p;
    p.dialogs.shown.clear(); // the first start's thanks
    p.click({"Command2", "Check1_0", "Command1"});
    ASSERT_EQ(p.screenName(), "ChooseMinMax");
    for (const char* box : {"NumValue_1", "NumValue_3", "NumValue_0", "NumValue_2"})
        Control<QLineEdit>(p.screen(), box)->setText("1");
    p.click({"Command1"});
    Control<QLineEdit>(p.screen(), "Text1")->setText("Riddle test");
    p.click({"Command1"});
    Control<QLineEdit>(p.screen(), "RiddleBox")->setText("What ticks?");
    Control<QLineEdit>(p.screen(), "Punchbox")->setText("Tick tock");
    p.click({"Command1"});
    ASSERT_EQ(p.dialogs.titles(), QStringList{"Hey!"});
    ASSERT_EQ(p.screenName(), "ChooseRiddle");
    EXPECT_EQ(QStringList({p.text("RiddleBox"), p.text("Punchbox")}),
              QStringList({"What ticks?", "Tick tock"}));
    p.key(Qt::Key_Escape);
    EXPECT_EQ(p.text("Text1"), "Riddle test");
    p.key(Qt::Key_Escape);
    ASSERT_EQ(p.screenName(), "ChooseMinMax");
    for (const char* box : {"NumValue_0", "NumValue_1", "NumValue_2", "NumValue_3"})
        EXPECT_EQ(p.text(box), "1") << box;

    p.key(Qt::Key_Return);
    p.key(Qt::Key_Return);
    ASSERT_EQ(p.screenName(), "ChooseRiddle");
    Control<QLineEdit>(p.screen(), "Punchbox")->setText("I");
    p.key(Qt::Key_Return);
    ASSERT_EQ(p.screenName(), "QuizForm");
    EXPECT_TRUE(
        Control<QTextEdit>(p.screen(), "QuizBox")->toPlainText().startsWith("Riddle test\n"));
    p.host.open(Screen::MainMenu);
    p.settle();
    p.click({"Command2", "Check1_0", "Command1"});
    EXPECT_EQ(p.text("NumValue_1"), "100");
}
