#include "quiz_form_fixture.h"

#include "worksheet/screens/selection_format.h"

#include "ui/keyboard_access.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace abacore;

// The font tools and their shortcuts act on the document in sight only.
TEST_F(QuizFormTest, TheViewSwitchShowsTheKeyInTheSheetsPlaceAndTheToolsLeaveTheSheetAlone) {
    open();
    ShowActive(*window);
    select(0, 4);
    QTest::keyClick(quizBox(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(WholeSelectionHas(quizBox()->textCursor(), IsBold));
    const QRect sheetPlace = quizBox()->geometry();
    const QString sheet = quizBox()->toHtml();
    button("Answers")->trigger();
    EXPECT_TRUE(quizBox()->isHidden() && answerBox()->isVisible());
    EXPECT_EQ(answerBox()->geometry(), sheetPlace);
    EXPECT_FALSE(window->findChild<QWidget*>("FontTools")->isEnabled());
    QTest::keyClick(answerBox(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(quizBox()->toHtml(), sheet);
    ASSERT_NE(button("Worksheet"), nullptr); // the switch names the other view
    button("Worksheet")->trigger();
    EXPECT_TRUE(answerBox()->isHidden() && window->findChild<QWidget*>("FontTools")->isEnabled());
}

// The Edit menu acts on the document in sight, each command only while it can; a tool button
// is reached by Tab, and Return presses it.
TEST_F(QuizFormTest, TheEditMenuActsWhileItCanAndReturnPressesAFocusedTool) {
    SetUpKeyboardAccess(*qApp);
    open();
    ShowActive(*window);
    // Each command triggered in turn, and which of Undo Redo Cut Copy Paste SelectAll can act.
    const auto after = [this](const char* name) {
        window->findChild<QAction*>(name)->trigger();
        std::string on;
        for (const char* c : {"Undo", "Redo", "Cut", "Copy", "Paste", "SelectAll"})
            on += window->findChild<QAction*>(c)->isEnabled() ? '1' : '0';
        return on;
    };
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(after("Redo"), "000001");
    select(0, 4);
    EXPECT_EQ(after("Cut"), "100011");
    EXPECT_EQ(after("Undo"), "010011");
    button("Answers")->trigger(); // the key keeps its own history
    EXPECT_EQ(after("SelectAll"), "001111");
    QWidget* tool = window->findChild<QToolBar*>("Toolbar1")->widgetForAction(button("Worksheet"));
    tool->setFocus();
    QTest::keyClick(tool, Qt::Key_Return);
    EXPECT_TRUE(answerBox()->isHidden());
}

TEST_F(QuizFormTest, ToolsFollowTheSelectionAndFormatIt) {
    open();
    window->show();
    // The filling itself cannot be undone into an empty sheet.
    EXPECT_FALSE(quizBox()->document()->isUndoAvailable() ||
                 answerBox()->document()->isUndoAvailable());
    auto* size = window->findChild<QComboBox*>("cmbFontSize");
    auto* name = window->findChild<QComboBox*>("cmbFontName");
    auto* colour = window->findChild<QComboBox*>("cmbFontColor");
    // The worksheet opens at its start, and the tools show the heading's format there.
    EXPECT_EQ(name->currentText() + size->currentText(), "Times New Roman18");
    select(body(), body() + 3);
    size->setFocus();
    Q_EMIT size->activated(size->findText("24"));
    Q_EMIT colour->activated(1); // Blue
    EXPECT_EQ(window->focusWidget(), quizBox());
    select(body() + 1, body() + 2);
    EXPECT_EQ(colour->currentText() + size->currentText(), "Blue24");
    select(body() + 6, body() + 8); // the rest of the line is untouched
    EXPECT_EQ(colour->currentText() + size->currentText(), "Black11");

    // Bold on the end of the bold heading and the start of the plain problems: all bold, then
    // none, and nothing outside the selection.
    auto* bold = window->findChild<QToolButton*>("BoldButton");
    for (const bool all : {true, false}) {
        select(body() - 5, body() + 5);
        bold->click();
        EXPECT_TRUE(WholeSelectionHas(
            quizBox()->textCursor(), [all](const QTextCharFormat& f) { return IsBold(f) == all; }));
    }
    select(body() + 6, body() + 8);
    EXPECT_FALSE(WholeSelectionHas(quizBox()->textCursor(), IsBold));

    // A typed size outside the limits is refused, and the box shows the size in use again.
    const auto type = [size](const QString& text) {
        size->lineEdit()->selectAll();
        QTest::keyClicks(size->lineEdit(), text);
        QTest::keyClick(size->lineEdit(), Qt::Key_Return);
    };
    select(body() + 6, body() + 8);
    const QString before = quizBox()->toHtml();
    type("500");
    EXPECT_EQ(size->currentText(), "11");
    EXPECT_EQ(quizBox()->toHtml(), before);
    EXPECT_EQ(app.dialogs.titles(), QStringList{"Oops!"});
    type("144");
    select(body() + 6, body() + 8);
    EXPECT_EQ(size->currentText(), "144");
}

// Back, Quit (menu and toolbar) and closing the window ask before discarding an edit of either
// document that was not kept by a Save; No stays.
TEST_F(QuizFormTest, LeavingAsksBeforeDiscardingEditsThatWereNotKept) {
    open();
    window->show();
    window->findChild<QAction*>("Back")->trigger(); // nothing edited: no question
    EXPECT_TRUE(app.dialogs.shown.empty());
    QTextCursor(answerBox()->document()).insertText("x");
    app.dialogs.answers = {false, false, false, false};
    window->findChild<QAction*>("Back")->trigger();
    window->findChild<QAction*>("Quit")->trigger();
    button("Quit")->trigger();
    EXPECT_FALSE(window->close());
    EXPECT_EQ(app.dialogs.titles(), QStringList(4, "Discard Changes?"));
    EXPECT_EQ(app.dialogs.shown.front().preselected, DefaultAnswer::No);
    EXPECT_TRUE(app.navigator.opened.size() == 1 && !app.navigator.quitRequested);

    app.dialogs.inputs = {QString("Quiz")};
    button("Save")->trigger();
    button("Quit")->trigger();
    EXPECT_TRUE(app.navigator.quitRequested);
    EXPECT_EQ(app.dialogs.titles().size(), 5);
    QTextCursor(quizBox()->document()).insertText("y");
    app.dialogs.answers = {true};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(app.dialogs.titles().last(), "Discard Changes?");
}
