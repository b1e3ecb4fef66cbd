#pragma once
// A worksheet window on a small hand-made sheet, with the helpers its tests share.

#include "program_folder.h"
#include "recording_navigator.h"
#include "worksheet/screens/quiz_form.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QTextEdit>
#include <QToolBar>
#include <memory>

// A bold 18-point Times New Roman heading, two problems in 11-point Courier New, an answer key.
inline WorksheetDocuments SmallSheet(const std::string& heading) {
    WorksheetDocuments documents;
    Document& sheet = documents.worksheet;
    sheet.SetFontName("Times New Roman");
    sheet.SetFontSize(18);
    sheet.SetBold(true);
    sheet.Insert(heading + "\n");
    sheet.SetFontName("Courier New");
    sheet.SetFontSize(11);
    sheet.SetBold(false);
    sheet.Insert(" 1)  12 + 3=\n 2)  40 + 2=");
    documents.answerKey.Insert(heading + "\nAnswer Key\n\n1)  15\n2)  42");
    return documents;
}

class QuizFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.request.ActivityType = Activity::SkillsPractice;
        app.request.Heading = "Math Skills Practice Worksheet";
        app.request.ProgramFolder = folder.path().toStdString();
        QDir(folder.path()).mkdir("worksheets");
    }
    void open() {
        window = std::make_unique<QuizForm>(app.context, SmallSheet(app.request.Heading));
    }
    QTextEdit* quizBox() { return window->findChild<QTextEdit*>("QuizBox"); }
    QTextEdit* answerBox() { return window->findChild<QTextEdit*>("AnswerBox"); }
    QComboBox* list(const char* name) { return window->findChild<QComboBox*>(name); }
    QAction* menuItem(const char* name) { return window->findChild<QAction*>(name); }
    QAction* button(const QString& caption) {
        for (QAction* action : window->findChild<QToolBar*>("Toolbar1")->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }
    // Selects the characters [from, to) of the worksheet, as a drag with the mouse would.
    void select(int from, int to) {
        QTextCursor cursor = quizBox()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        quizBox()->setTextCursor(cursor);
    }
    int body() { return quizBox()->toPlainText().indexOf(" 1)"); }
    QString worksheetFile(const QString& name) { return folder.file("worksheets/" + name); }

    ProgramFolder folder{false};
    TestApp app;
    std::unique_ptr<QuizForm> window;
};
