#include "quiz_form_fixture.h"

#include "shell/screens/about_form.h"
#include "worksheet/screens/selection_format.h"

#include <QFile>
#include <QFontDatabase>
#include <QTest>
#include <QToolButton>

TEST_F(QuizFormTest, OpensOnTheWorksheetWithSixButtonsInOrder) {
    open();
    EXPECT_EQ(window->windowTitle(), "Abacore -Drill-  Worksheet");
    EXPECT_FALSE(quizBox()->isHidden());
    EXPECT_TRUE(answerBox()->isHidden());
    EXPECT_TRUE(
        quizBox()->toPlainText().startsWith("Math Skills Practice Worksheet\n 1)  12 + 3="));
    EXPECT_TRUE(answerBox()->toPlainText().contains("Answer Key"));

    const QStringList captions{"Print", "Clipart", "Save", "QuickWord", "Answers", "Quit"};
    const QStringList tips{"Print Worksheet",
                           "Add Clipart",
                           "Save as File",
                           "Open in Your Word Processor",
                           "View Answer Sheet/Worksheet",
                           "Exit Abacore"};
    const QList<QAction*> buttons = toolbar();
    ASSERT_EQ(buttons.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(buttons[i]->text(), captions[i]);
        EXPECT_EQ(buttons[i]->toolTip(), tips[i]);
        EXPECT_FALSE(buttons[i]->icon().isNull()) << captions[i].toStdString();
    }
    auto* style = window->findChild<QToolBar*>("Toolbar1");
    EXPECT_EQ(style->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    // QuickWord is off by default; the answer view is there for every sheet but flash cards.
    EXPECT_FALSE(button("QuickWord")->isEnabled());
    EXPECT_TRUE(button("Answers")->isEnabled());
    EXPECT_TRUE(button("Print")->isEnabled());
}

TEST_F(QuizFormTest, QuickWordSettingAndFlashCardsSetTheButtons) {
    app.request.QuickWordEnabled = true;
    app.request.ActivityType = Activity::FlashCards;
    open();
    EXPECT_TRUE(button("QuickWord")->isEnabled());
    EXPECT_FALSE(button("Answers")->isEnabled());
}

TEST_F(QuizFormTest, ViewButtonSwitchesBackAndForth) {
    open();
    window->show();
    QAction* view = button("Answers");
    const QRect sheetPlace = quizBox()->geometry();
    view->trigger();
    EXPECT_EQ(view->text(), "Worksheet");
    EXPECT_TRUE(view->isChecked());
    EXPECT_TRUE(quizBox()->isHidden());
    EXPECT_FALSE(answerBox()->isHidden());
    EXPECT_EQ(answerBox()->geometry(), sheetPlace);
    // The font tools belong to the worksheet, which is out of sight now.
    EXPECT_FALSE(window->findChild<QWidget*>("FontTools")->isEnabled());
    const QString sheet = quizBox()->toHtml();
    select(0, 6);
    QTest::keyClick(answerBox(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(quizBox()->toHtml(), sheet);
    view->trigger();
    EXPECT_TRUE(window->findChild<QWidget*>("FontTools")->isEnabled());
    EXPECT_EQ(view->text(), "Answers");
    EXPECT_FALSE(view->isChecked());
    view->trigger();
    view->trigger();
    EXPECT_EQ(view->text(), "Answers");
    EXPECT_FALSE(view->isChecked());
    EXPECT_FALSE(quizBox()->isHidden());
    EXPECT_TRUE(answerBox()->isHidden());
}

TEST_F(QuizFormTest, ToolListsOfferFontsSizesAndColours) {
    open();
    QComboBox* sizes = list("cmbFontSize");
    ASSERT_EQ(sizes->count(), 33);
    EXPECT_EQ(sizes->itemText(0), "8");
    EXPECT_EQ(sizes->itemText(1), "10");
    EXPECT_EQ(sizes->itemText(32), "72");
    QComboBox* colours = list("cmbFontColor");
    ASSERT_EQ(colours->count(), 4);
    EXPECT_EQ(colours->itemText(3), "Green");
    EXPECT_EQ(colours->currentText(), "Black");
    EXPECT_EQ(list("cmbFontName")->count(), QFontDatabase::families().size());
    // The worksheet opens at its start, and the tools show the heading's format there.
    EXPECT_EQ(quizBox()->textCursor().position(), 0);
    EXPECT_EQ(list("cmbFontName")->currentText(), "Times New Roman");
    EXPECT_EQ(sizes->currentText(), "18");
}

TEST_F(QuizFormTest, ToolsFollowTheSelection) {
    open();
    QComboBox* name = list("cmbFontName");
    QComboBox* size = list("cmbFontSize");
    QComboBox* colour = list("cmbFontColor");
    const int body = quizBox()->toPlainText().indexOf(" 1)");
    select(body, body + 5);
    EXPECT_EQ(name->currentText(), "Courier New");
    EXPECT_EQ(size->currentText(), "11");
    EXPECT_EQ(colour->currentText(), "Black");

    // Heading and body together: mixed size and font leave the lists as they were.
    select(2, body + 5);
    EXPECT_EQ(name->currentText(), "Courier New");
    EXPECT_EQ(size->currentText(), "11");

    select(body, body + 3);
    choose(colour, 1);
    select(0, 4);
    EXPECT_EQ(colour->currentText(), "Black");
    select(body + 1, body + 2);
    EXPECT_EQ(colour->currentText(), "Blue");

    // A colour that is not one of the four leaves the list alone.
    QTextCharFormat olive;
    olive.setForeground(QColor(128, 128, 0));
    select(body + 6, body + 8);
    quizBox()->mergeCurrentCharFormat(olive);
    select(0, 2);
    EXPECT_EQ(colour->currentText(), "Black");
    select(body + 6, body + 8);
    EXPECT_EQ(colour->currentText(), "Black");
}

TEST_F(QuizFormTest, ChoosingInTheListsFormatsTheSelectionAndReturnsToTheSheet) {
    open();
    window->show();
    const int body = quizBox()->toPlainText().indexOf(" 1)");
    select(body, body + 5);
    QComboBox* size = list("cmbFontSize");
    size->setFocus();
    choose(size, size->findText("24"));
    EXPECT_EQ(window->focusWidget(), quizBox());
    EXPECT_EQ(SelectionFontSize(quizBox()->textCursor()), 24.0);
    QComboBox* name = list("cmbFontName");
    const QString family = name->itemText(name->count() - 1);
    choose(name, name->count() - 1);
    EXPECT_EQ(SelectionFontName(quizBox()->textCursor()), family);
    // The rest of the line is untouched.
    select(body + 6, body + 8);
    EXPECT_EQ(SelectionFontSize(quizBox()->textCursor()), 11.0);
}

TEST_F(QuizFormTest, BoldOnPartlyBoldTextMakesAllBoldThenNone) {
    open();
    auto* bold = window->findChild<QToolButton*>("BoldButton");
    ASSERT_NE(bold, nullptr);
    EXPECT_EQ(bold->text(), "B");
    const int body = quizBox()->toPlainText().indexOf(" 1)");
    // The end of the bold heading and the start of the plain problems.
    select(body - 5, body + 5);
    bold->click();
    EXPECT_TRUE(WholeSelectionHas(quizBox()->textCursor(), IsBold));
    bold->click();
    EXPECT_TRUE(WholeSelectionHas(quizBox()->textCursor(),
                                  [](const QTextCharFormat& f) { return !IsBold(f); }));
    // Text outside the selection keeps its format.
    select(0, 3);
    EXPECT_TRUE(WholeSelectionHas(quizBox()->textCursor(), IsBold));
}

TEST_F(QuizFormTest, ItalicAndUnderlineFollowTheSameRule) {
    open();
    auto* italic = window->findChild<QToolButton*>("ItalicButton");
    auto* underline = window->findChild<QToolButton*>("UnderlineButton");
    EXPECT_EQ(italic->text(), "I");
    EXPECT_EQ(underline->text(), "U");
    const auto isItalic = [](const QTextCharFormat& f) { return f.fontItalic(); };
    const auto isUnderlined = [](const QTextCharFormat& f) { return f.fontUnderline(); };
    select(3, 6);
    italic->click();
    select(0, 10);
    EXPECT_FALSE(WholeSelectionHas(quizBox()->textCursor(), isItalic));
    italic->click();
    EXPECT_TRUE(WholeSelectionHas(quizBox()->textCursor(), isItalic));
    underline->click();
    EXPECT_TRUE(WholeSelectionHas(quizBox()->textCursor(), isUnderlined));
    underline->click();
    EXPECT_TRUE(WholeSelectionHas(quizBox()->textCursor(),
                                  [&](const QTextCharFormat& f) { return !isUnderlined(f); }));
}

TEST_F(QuizFormTest, EditsCanBeUndoneButNotTheFilling) {
    open();
    EXPECT_FALSE(quizBox()->document()->isUndoAvailable());
    EXPECT_FALSE(answerBox()->document()->isUndoAvailable());
    const QString before = quizBox()->toHtml();
    select(0, 4);
    window->findChild<QToolButton*>("BoldButton")->click();
    EXPECT_NE(quizBox()->toHtml(), before);
    quizBox()->undo();
    EXPECT_EQ(quizBox()->toHtml(), before);
    EXPECT_FALSE(quizBox()->document()->isUndoAvailable());
}

TEST_F(QuizFormTest, KeyboardShortcuts) {
    open();
    EXPECT_EQ(button("Save")->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(button("Print")->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(menuItem("Quit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    select(0, 4);
    QTest::keyClick(quizBox(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(WholeSelectionHas(quizBox()->textCursor(), IsBold));
    QTest::keyClick(quizBox(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(app.navigator.quitRequested);
}

TEST_F(QuizFormTest, BackOpensTheMainMenuAndQuitEndsTheProgram) {
    open();
    menuItem("Back")->trigger();
    EXPECT_EQ(app.navigator.opened, std::vector<Screen>{Screen::MainMenu});
    EXPECT_FALSE(app.navigator.quitRequested);
    button("Quit")->trigger();
    EXPECT_TRUE(app.navigator.quitRequested);
    app.navigator.quitRequested = false;
    menuItem("Quit")->trigger();
    EXPECT_TRUE(app.navigator.quitRequested);
    EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST_F(QuizFormTest, ClipartMarksThePictureForTheWorksheet) {
    open();
    button("Clipart")->trigger();
    EXPECT_TRUE(app.request.ClipArtForWorksheet);
    EXPECT_EQ(app.dialogs.ofKind("message").size(), 1u);
}

TEST_F(QuizFormTest, AboutOpensTheAboutBoxAndTheSheetStays) {
    open();
    window->show();
    menuItem("About")->trigger();
    EXPECT_NE(window->findChild<AboutForm*>(), nullptr);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(QuizFormTest, GeneratedSheetShowsItsProblemsAndSavesThem) {
    WorksheetRequest& request = app.request;
    request.SkillMode = Skill::Addition;
    request.SkillChecked[1] = true;
    request.ProblemStyle = StyleBit::Horizontal;
    request.FirstMin = 0;
    request.FirstMax = 100;
    request.SecondMin = 0;
    request.SecondMax = 100;
    request.ProblemCount = 20;
    WorksheetDocuments documents = BuildWorksheet(request, app.random);
    const std::string text = documents.worksheet.plainText();
    window = std::make_unique<QuizForm>(app.context, std::move(documents));

    EXPECT_EQ(quizBox()->toPlainText().toStdString(), text);
    const int problem = quizBox()->toPlainText().indexOf("1)");
    ASSERT_GT(problem, 0);
    select(problem, problem + 2);
    EXPECT_EQ(list("cmbFontName")->currentText(), "Courier New");
    EXPECT_EQ(list("cmbFontSize")->currentText(), "11");
    EXPECT_TRUE(window->findChild<QToolButton*>("BoldButton")->isChecked());

    app.dialogs.inputs.push_back(QString("Sums"));
    button("Save")->trigger();
    QFile saved(worksheetFile("Sums.rtf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray rtf = saved.readAll();
    EXPECT_TRUE(rtf.contains("Math Skills Practice Worksheet"));
    EXPECT_TRUE(rtf.contains("Courier New"));
}
