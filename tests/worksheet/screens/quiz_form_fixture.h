#pragma once
// A worksheet window on a small hand-made sheet, with the helpers its tests share.

#include "../../wizard/screens/wizard_test_helpers.h"
#include "add_text.h"
#include "file_bytes.h"
#include "program_folder_fixture.h"
#include "worksheet/screens/quiz_form.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QTextEdit>
#include <QToolBar>
#include <memory>

namespace abacore {

class QuizFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.request.ActivityType = Activity::SkillsPractice;
        app.request.Heading = "Math Skills Practice Worksheet";
        app.request.ProgramFolder = folder.path().toStdString();
        QDir(folder.path()).mkdir("worksheets");
    }
    // A bold 18-point heading, two problems in 11-point Courier New, an answer key.
    void open() {
        WorksheetDocuments sheet;
        const std::string& heading = app.request.Heading;
        Add(sheet.worksheet, "Times New Roman", 18, "b", heading + "\n");
        Add(sheet.worksheet, "Courier New", 11, "", " 1)  12 + 3=\n 2)  40 + 2=");
        sheet.answerKey.Insert(heading + "\nAnswer Key\n\n1)  15\n2)  42");
        sheet.content.heading = heading;
        sheet.content.problems = {{"12 + 3 =", "15", {}, 0}, {"40 + 2 =", "42", {}, 0}};
        window = std::make_unique<QuizForm>(app.context, std::move(sheet));
    }
    QTextEdit* quizBox() { return window->findChild<QTextEdit*>("QuizBox"); }
    QTextEdit* answerBox() { return window->findChild<QTextEdit*>("AnswerBox"); }
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

} // namespace abacore
