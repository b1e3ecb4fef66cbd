#include "quiz_form_fixture.h"

#include "worksheet/screens/selection_format.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>

using namespace abacore;

TEST_F(QuizFormTest, ToolbarAvailabilityTheViewSwitchAndLeaving) {
    open();
    EXPECT_TRUE(!button("QuickWord")->isEnabled() && button("Answers")->isEnabled());

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
    EXPECT_TRUE(quizBox()->isHidden() && answerBox()->isVisible());
    EXPECT_EQ(answerBox()->geometry(), sheetPlace);
    // The font tools and their shortcuts leave the worksheet alone while it is out of sight.
    EXPECT_FALSE(window->findChild<QWidget*>("FontTools")->isEnabled());
    QTest::keyClick(answerBox(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(quizBox()->toHtml(), sheet);
    view->trigger();
    EXPECT_EQ(view->text(), "Answers");
    EXPECT_TRUE(answerBox()->isHidden() && window->findChild<QWidget*>("FontTools")->isEnabled());

    app.dialogs.answers = {true}; // the heading lost its bold: leaving asks first
    window->findChild<QAction*>("Back")->trigger();
    EXPECT_EQ(app.dialogs.titles(), QStringList{"Discard Changes?"});
    EXPECT_EQ(app.navigator.opened, std::vector<Screen>{Screen::MainMenu});
}

TEST_F(QuizFormTest, ToolsFollowTheSelectionAndFormatIt) {
    open();
    window->show();
    auto* size = window->findChild<QComboBox*>("cmbFontSize");
    auto* name = window->findChild<QComboBox*>("cmbFontName");
    auto* colour = window->findChild<QComboBox*>("cmbFontColor");
    // The worksheet opens at its start, and the tools show the heading's format there.
    EXPECT_EQ(name->currentText() + size->currentText(), "Times New Roman18");
    select(body(), body() + 5);
    EXPECT_EQ(name->currentText() + size->currentText(), "Courier New11");

    select(body(), body() + 3);
    size->setFocus();
    Q_EMIT size->activated(size->findText("24"));
    Q_EMIT colour->activated(1); // Blue
    EXPECT_EQ(window->focusWidget(), quizBox());
    select(body() + 1, body() + 2);
    EXPECT_EQ(colour->currentText() + size->currentText(), "Blue24");
    select(body() + 6, body() + 8); // the rest of the line is untouched
    EXPECT_EQ(colour->currentText() + size->currentText(), "Black11");
}

TEST_F(QuizFormTest, BoldOnAPartlyBoldSelectionMakesItAllBoldThenNone) {
    open();
    // The filling itself cannot be undone into an empty sheet.
    EXPECT_FALSE(quizBox()->document()->isUndoAvailable() ||
                 answerBox()->document()->isUndoAvailable());
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

TEST_F(QuizFormTest, FontListNamesEachFamilyOnceAndTypedSizesOutsideTheLimitsAreRefused) {
    open();
    window->show();
    auto* names = window->findChild<QComboBox*>("cmbFontName");
    QStringList listed;
    for (int i = 0; i < names->count(); ++i)
        listed << names->itemText(i);
    EXPECT_EQ(listed.filter("[").size(), 0) << listed.join(", ").toStdString();

    auto* size = window->findChild<QComboBox*>("cmbFontSize");
    const auto type = [size](const QString& text) {
        size->lineEdit()->selectAll();
        QTest::keyClicks(size->lineEdit(), text);
        QTest::keyClick(size->lineEdit(), Qt::Key_Return);
    };
    select(body(), body() + 5);
    const QString before = quizBox()->toHtml();
    for (const QString refused : {"500", "12.5"}) {
        type(refused);
        EXPECT_EQ(size->currentText().toStdString(), "11")
            << "shows the size in use after " << refused.toStdString();
    }
    EXPECT_EQ(quizBox()->toHtml(), before);
    EXPECT_EQ(app.dialogs.titles(), QStringList(2, "Oops!"));
    EXPECT_EQ(app.dialogs.shown.back().text, "The font size must be a whole number from 6 to 144.");
    type("144");
    select(body(), body() + 5);
    EXPECT_EQ(size->currentText(), "144");
}

// Rows of the grid are as long as the printed page allows; wrapped at the window's edge their
// columns would fall apart.
TEST_F(QuizFormTest, TextIsLaidOutAtThePageWidthAndScrollsSidewaysInANarrowWindow) {
    open();
    QTextCursor end(quizBox()->document());
    end.movePosition(QTextCursor::End);
    QTextCharFormat courier;
    courier.setFontFamilies({"Courier New"});
    courier.setFontPointSize(11);
    end.insertText("\n" + QString(75, 'x'), courier); // a skills sheet's grid row
    const QTextBlock row = quizBox()->document()->lastBlock();
    window->show();
    window->resize(1000, 700);
    QApplication::processEvents();
    const qreal pageWidth = quizBox()->document()->textWidth();
    EXPECT_EQ(row.layout()->lineCount(), 1);
    EXPECT_EQ(quizBox()->horizontalScrollBar()->maximum(), 0);

    window->resize(300, 700);
    QApplication::processEvents();
    ASSERT_LT(quizBox()->viewport()->width(), pageWidth);
    EXPECT_EQ(quizBox()->document()->textWidth(), pageWidth);
    EXPECT_EQ(row.layout()->lineCount(), 1);
    EXPECT_GT(quizBox()->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(answerBox()->lineWrapMode(), QTextEdit::FixedPixelWidth);
}

TEST_F(QuizFormTest, LeavingAsksBeforeDiscardingEditsThatWereNotKept) {
    open();
    window->show();
    window->findChild<QAction*>("Back")->trigger(); // nothing edited: no question
    EXPECT_TRUE(app.dialogs.shown.empty());
    EXPECT_EQ(app.navigator.opened, std::vector<Screen>{Screen::MainMenu});

    QTextCursor(answerBox()->document()).insertText("x"); // either document counts
    app.dialogs.answers = {false, false, false, false};
    window->findChild<QAction*>("Back")->trigger();
    window->findChild<QAction*>("Quit")->trigger();
    button("Quit")->trigger();
    EXPECT_FALSE(window->close());
    EXPECT_EQ(app.dialogs.titles(), QStringList(4, "Discard Changes?"));
    EXPECT_TRUE(app.navigator.opened.size() == 1 && !app.navigator.quitRequested);
    EXPECT_TRUE(window->isVisible());

    // Saved, the edits are kept: no question.
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
