// The count screen's hand-over to the crossword: the crossword is made before its window, and a
// crossword that cannot be made leads back to where the user can change the request.
#include "app/screen_factory.h"
#include "crossword/grid_builder.h"
#include "crossword/screens/crossword_handover.h"
#include "crossword_fixture.h"
#include "ui/screen_host.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace abacore;

namespace {

QString ClassOf(const QWidget* window) {
    return window ? QString(window->metaObject()->className()).remove("abacore::") : "nothing";
}

struct HandOver {
    ProgramFolder folder;
    TestApp app;
    std::unique_ptr<QWidget> window;

    explicit HandOver(WorksheetRequest request) {
        app.request = std::move(request);
        app.request.ProgramFolder = folder.path().toStdString();
        window.reset(MakeScreen(Screen::Crossword, app.context, nullptr));
    }
};

} // namespace

TEST(CrosswordHandOver, RangesThatCannotMakeTheProblemsLeadBackToTheRangeScreen) {
    // Subtraction without negative answers, every second number above every first.
    HandOver h(CrosswordRequest(Skill::Subtraction, 0, 100, 500, 1000, 10));
    EXPECT_EQ(h.app.navigator.handedTo, std::vector{Screen::ChooseMinMax});
    ASSERT_EQ(h.app.dialogs.titles(), QStringList{"Hey!"});
    EXPECT_TRUE(h.app.dialogs.shown[0].text.contains("Subtraction"));
}

TEST(CrosswordHandOver, ABuilderThatGivesUpSaysFailedAndLeadsToTheMainMenu) {
    // Products of 17 digits and more fit nowhere beside the first.
    WorksheetRequest request =
        CrosswordRequest(Skill::Multiplication, 1e14, 999999999999999.0, 1000, 32767, 3);
    request.Heading = "Kept";
    HandOver h(request);
    EXPECT_EQ(h.app.navigator.handedTo, std::vector{Screen::MainMenu});
    const auto messages = h.app.dialogs.ofKind("message");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].title, "Failed.");
    EXPECT_EQ(messages[0].text, CrosswordText::kFailedMessage);
    EXPECT_EQ(h.app.request.Heading, "Kept");
    EXPECT_FALSE(h.app.navigator.quitRequested);
}

// The count screen opens the builder window on a puzzle of the count asked for (the way there
// from the main menu is the program flow tests').
TEST(CrosswordHandOver, TheCountScreenOpensThePuzzleOfTheCountAskedFor) {
    ProgramFolder folder;
    WorksheetRequest request = CrosswordRequest(Skill::Addition, 0, 1000, 0, 1000, 20);
    request.ProgramFolder = folder.path().toStdString();
    RandomSource random(7);
    ScriptedDialogs dialogs;
    ScreenHost host(request, random, dialogs, MakeScreen);
    host.open(Screen::ChooseHowMany);
    Control<QLineEdit>(*host.current(), "Text1")->setText("25");
    QTest::mouseClick(Control<QWidget>(*host.current(), "Command1"), Qt::LeftButton);
    ASSERT_EQ(ClassOf(host.current()), "CrossPrint");
    EXPECT_EQ(request.CrosswordCount, 25);
    const QString list = Control<QTextEdit>(*host.current(), "Box1")->toPlainText();
    EXPECT_EQ(list.count(QRegularExpression("^ \\d+\\) ", QRegularExpression::MultilineOption)),
              25);
}
