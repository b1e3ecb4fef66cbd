#include "quiz_form_fixture.h"

#include "worksheet/screens/selection_format.h"

#include <QTest>
#include <QToolButton>

TEST_F(QuizFormTest, ToolbarOrderAvailabilityAndTheViewSwitch) {
    open();
    QStringList captions;
    for (QAction* action : window->findChild<QToolBar*>("Toolbar1")->actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{"Print", "Clipart", "Save", "QuickWord", "Answers", "Quit"}));
    EXPECT_FALSE(button("QuickWord")->isEnabled());
    EXPECT_TRUE(button("Answers")->isEnabled());

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    select(0, 4);
    QTest::keyClick(quizBox(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(WholeSelectionHas(quizBox()->textCursor(), IsBold));
    const QRect sheetPlace = quizBox()->geometry();
    const QString sheet = quizBox()->toHtml();
    QAction* view = button("Answers");
    view->trigger();
    EXPECT_EQ(view->text(), "Worksheet");
    EXPECT_TRUE(quizBox()->isHidden());
    EXPECT_EQ(answerBox()->geometry(), sheetPlace);
    EXPECT_TRUE(answerBox()->isVisible());
    // The font tools and their shortcuts leave the worksheet alone while it is out of sight.
    EXPECT_FALSE(window->findChild<QWidget*>("FontTools")->isEnabled());
    QTest::keyClick(answerBox(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(quizBox()->toHtml(), sheet);
    view->trigger();
    EXPECT_EQ(view->text(), "Answers");
    EXPECT_TRUE(answerBox()->isHidden());
    EXPECT_TRUE(window->findChild<QWidget*>("FontTools")->isEnabled());
}

TEST_F(QuizFormTest, ToolsFollowTheSelectionAndFormatIt) {
    open();
    window->show();
    QComboBox* name = list("cmbFontName");
    QComboBox* size = list("cmbFontSize");
    QComboBox* colour = list("cmbFontColor");
    // The worksheet opens at its start, and the tools show the heading's format there.
    EXPECT_EQ(name->currentText(), "Times New Roman");
    EXPECT_EQ(size->currentText(), "18");
    select(body(), body() + 5);
    EXPECT_EQ(name->currentText(), "Courier New");
    EXPECT_EQ(size->currentText(), "11");
    // Heading and body together: mixed sizes and fonts leave the lists as they were.
    select(2, body() + 5);
    EXPECT_EQ(size->currentText(), "11");

    select(body(), body() + 3);
    size->setFocus();
    Q_EMIT size->activated(size->findText("24"));
    Q_EMIT colour->activated(1); // Blue
    EXPECT_EQ(window->focusWidget(), quizBox());
    EXPECT_EQ(SelectionFontSize(quizBox()->textCursor()), 24.0);
    select(0, 4);
    EXPECT_EQ(colour->currentText(), "Black");
    select(body() + 1, body() + 2);
    EXPECT_EQ(colour->currentText(), "Blue");
    EXPECT_EQ(size->currentText(), "24");
    select(body() + 6, body() + 8); // the rest of the line is untouched
    EXPECT_EQ(size->currentText(), "11");
}

TEST_F(QuizFormTest, BoldOnAPartlyBoldSelectionMakesItAllBoldThenNone) {
    open();
    auto* bold = window->findChild<QToolButton*>("BoldButton");
    // The end of the bold heading and the start of the plain problems.
    select(body() - 5, body() + 5);
    bold->click();
    EXPECT_TRUE(WholeSelectionHas(quizBox()->textCursor(), IsBold));
    select(body() + 6, body() + 8); // outside the selection: unchanged
    EXPECT_FALSE(WholeSelectionHas(quizBox()->textCursor(), IsBold));
    select(body() - 5, body() + 5);
    bold->click();
    EXPECT_TRUE(WholeSelectionHas(quizBox()->textCursor(),
                                  [](const QTextCharFormat& f) { return !IsBold(f); }));
}

TEST_F(QuizFormTest, EditsCanBeUndoneButNotTheFilling) {
    open();
    EXPECT_FALSE(answerBox()->document()->isUndoAvailable());
    const QString before = quizBox()->toHtml();
    select(0, 4);
    window->findChild<QToolButton*>("BoldButton")->click();
    EXPECT_NE(quizBox()->toHtml(), before);
    quizBox()->undo();
    EXPECT_EQ(quizBox()->toHtml(), before);
    EXPECT_FALSE(quizBox()->document()->isUndoAvailable());
}

TEST_F(QuizFormTest, BackAndQuitCallTheNavigator) {
    open();
    menuItem("Back")->trigger();
    EXPECT_EQ(app.navigator.opened, std::vector<Screen>{Screen::MainMenu});
    EXPECT_FALSE(app.navigator.quitRequested);
    button("Quit")->trigger();
    EXPECT_TRUE(app.navigator.quitRequested);
    app.navigator.quitRequested = false;
    menuItem("Quit")->trigger();
    EXPECT_TRUE(app.navigator.quitRequested);
}
