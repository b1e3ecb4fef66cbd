// The whole program as a user meets it: the real screen host and screens, with scripted dialogs.
#include "program_driver.h"

#include "ui/document_bridge.h"

#include <QAction>
#include <QTextEdit>

using namespace abacore;

// A riddle the ranges cannot make (1..1 gives one answer; the punch line has five letters) leads
// back to the riddle screen with everything as typed, and the screens before it keep what was
// typed there too. A sheet made, a new start from the menu opens at the defaults again.
TEST(ProgramFlow, ARefusedRiddleKeepsWhatTheTeacherTyped) {
    Program p;
    p.dialogs.shown.clear(); // the first start's thanks
    p.click({"Command2", "Check1_0", "Command1"});
    ASSERT_EQ(p.screenName(), "ChooseMinMax");
    for (const char* box : {"NumValue_1", "NumValue_3", "NumValue_0", "NumValue_2"})
        p.type(box, "1");
    p.click({"Command1"});
    p.type("Text1", "Riddle test");
    p.click({"Command1"});
    p.type("RiddleBox", "What ticks?");
    p.type("Punchbox", "Tick tock");
    p.click({"Command1"});
    ASSERT_EQ(p.dialogs.titles(), QStringList{"Hey!"});
    ASSERT_EQ(p.screenName(), "ChooseRiddle");
    EXPECT_EQ(p.text("RiddleBox") + "/" + p.text("Punchbox"), "What ticks?/Tick tock");
    p.key(Qt::Key_Escape);
    EXPECT_EQ(p.text("Text1"), "Riddle test");
    p.key(Qt::Key_Escape);
    ASSERT_EQ(p.screenName(), "ChooseMinMax");
    for (const char* box : {"NumValue_0", "NumValue_1", "NumValue_2", "NumValue_3"})
        EXPECT_EQ(p.text(box), "1") << box;

    p.key(Qt::Key_Return);
    p.key(Qt::Key_Return);
    ASSERT_EQ(p.screenName(), "ChooseRiddle");
    p.type("Punchbox", "I");
    p.key(Qt::Key_Return);
    ASSERT_EQ(p.screenName(), "QuizForm");
    EXPECT_TRUE(
        Control<QTextEdit>(p.screen(), "QuizBox")->toPlainText().startsWith("Riddle test\n"));
    p.host.open(Screen::MainMenu);
    p.settle();
    p.click({"Command2", "Check1_0", "Command1"});
    EXPECT_EQ(p.text("NumValue_1"), "100");
}

// A sheet made in the window carries its code; "Open Sheet Code..." on the main menu makes the
// same sheet again in the worksheet window, after asking for the heading the code does not hold.
TEST(ProgramFlow, OpenSheetCodeMakesTheWindowsSheetAgain) {
    Program p;
    p.dialogs.shown.clear();
    p.click({"Command1", "Check1_0", "Command1", "StyleCheck_1", "Command1", "Command1"});
    p.type("Text1", "Tuesday");
    p.click({"Command1", "Command1"});
    ASSERT_EQ(p.screenName(), "QuizForm");
    const auto shown = [&p] {
        const QTextDocument* d = Control<QTextEdit>(p.screen(), "QuizBox")->document();
        return d->toPlainText() + "|" + d->property(kFooterProperty).toString();
    };
    const QString made = shown();
    ASSERT_TRUE(made.contains("|Sheet code ")) << made.toStdString();
    p.host.open(Screen::MainMenu);
    p.settle();
    p.dialogs.inputs = {made.section(' ', -1).toLower(), QStringLiteral("Tuesday")};
    p.screen().findChild<QAction*>("OpenSheetCode")->trigger();
    p.settle();
    ASSERT_EQ(p.screenName(), "QuizForm");
    EXPECT_EQ(shown(), made);
}
