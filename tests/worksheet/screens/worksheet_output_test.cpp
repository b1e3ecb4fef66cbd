#include "file_size_limit.h"
#include "quiz_form_fixture.h"
#include "worksheet/html_page.h"

#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

using namespace abacore;

TEST_F(QuizFormTest, SaveRefusesBadNamesWritesTheEditsAndKeepsTheEarlierFileOnAFailure) {
    open();
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    app.dialogs.inputs = {std::nullopt, QString(), QString("../sheet")}; // cancelled, empty, a path
    for (int i = 0; i < 3; ++i)
        button("Save")->trigger();
    EXPECT_EQ(app.dialogs.shown[0].arguments, QStringList{"Math Skills Practice Worksheet"});
    EXPECT_EQ(app.dialogs.titles(), QStringList{"Oops!"});
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);

    app.dialogs.shown.clear();
    select(body(), body() + 5);
    window->findChild<QToolButton*>("UnderlineButton")->click();
    app.dialogs.inputs = {QString("Quiz 1"), QString("Quiz 1")};
    button("Save")->trigger();
    const QByteArray rtf = ReadBytes(worksheetFile("Quiz 1.rtf"));
    EXPECT_TRUE(rtf.contains("12 + 3="));
    EXPECT_TRUE(QRegularExpression("\\\\ul(?!none)").match(rtf).hasMatch()); // the edit
    EXPECT_EQ(app.request.Heading, "Quiz 1");
    // The next Save offers the saved name and overwrites without asking.
    button("Save")->trigger();
    EXPECT_EQ(app.dialogs.ofKind("input").back().arguments, QStringList{"Quiz 1"});
    EXPECT_EQ(app.dialogs.titles(), (QStringList{"Worksheet Saved", "Worksheet Saved"}));

    app.dialogs.shown.clear();
    ASSERT_TRUE(WriteBytes(worksheetFile("Quiz.rtf"), "earlier"));
    app.dialogs.inputs.push_back(QString("Quiz"));
    app.dialogs.answers.push_back(true); // replace it
    {
        const FileSizeLimit fullDisk(16);
        button("Save")->trigger();
    }

    EXPECT_EQ(ReadBytes(worksheetFile("Quiz.rtf")), "earlier");
    EXPECT_EQ(app.request.Heading, "Quiz 1");
    ASSERT_EQ(app.dialogs.titles(), (QStringList{"Replace File?", "Oops!"}));
    EXPECT_TRUE(app.dialogs.shown[2].text.startsWith("The worksheet could not be saved."));
    EXPECT_EQ(QDir(folder.file("worksheets")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Quiz 1.rtf", "Quiz.rtf"}));
}

TEST_F(QuizFormTest, QuickWordRefusesABadHeadingAndStartsTheProgramWithTheAnswerKeyFirst) {
    // A stand-in word processor that writes its arguments, one a line, to a file.
    const QString record = folder.file("arguments.txt"), program = folder.file("word-processor");
    const QByteArray to = QFile::encodeName(record);
    ASSERT_TRUE(WriteBytes(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + to +
                                        ".part\"\nmv \"" + to + ".part\" \"" + to + "\"\n"));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    app.request.Heading = "Grade 3/4 Sums";
    app.request.QuickWordEnabled = true;
    app.request.WordProcessorPath = program.toStdString();
    open();
    app.dialogs.reallyStart = true;
    button("QuickWord")->trigger();
    EXPECT_EQ(app.dialogs.titles(), QStringList{"Oops!"});
    EXPECT_TRUE(app.dialogs.shown.back().text.contains("Save"));
    EXPECT_TRUE(app.dialogs.ofKind("start").empty() && QDir(folder.file("worksheets")).isEmpty());

    app.dialogs.shown.clear();
    app.request.Heading = "Quiz 1";
    app.dialogs.answers.push_back(true);
    button("QuickWord")->trigger();
    EXPECT_EQ(app.dialogs.titles(), QStringList{"Answer Key?"});
    for (int i = 0; i < 200 && !QFile::exists(record); ++i)
        QTest::qWait(50);
    const QString worksheet = folder.path() + "/worksheets/Quiz 1.rtf";
    const QString answerKey = folder.path() + "/worksheets/Quiz 1(Answer Key).rtf";
    EXPECT_EQ(QString::fromUtf8(ReadBytes(record)), answerKey + "\n" + worksheet + "\n");
    EXPECT_TRUE(ReadBytes(worksheet).contains("12 + 3="));
    EXPECT_TRUE(ReadBytes(answerKey).contains("Answer Key"));
}

// Flash cards keep the heading of the sheet before them, so QuickWord may name another sheet's
// files: a file the window did not write is replaced only after a Yes (the Save test answers
// Yes), and No writes nothing.
TEST_F(QuizFormTest, SaveAndQuickWordAskBeforeReplacingAFileTheWindowDidNotWrite) {
    app.request.Heading = "Riddle test";
    app.request.QuickWordEnabled = true;
    app.request.WordProcessorPath = "word-processor";
    open();
    ASSERT_TRUE(WriteBytes(worksheetFile("Riddle test.rtf"), "riddle sheet"));
    ASSERT_TRUE(WriteBytes(worksheetFile("Cards(Answer Key).rtf"), "cards key"));
    select(body(), body() + 3);
    window->findChild<QToolButton*>("BoldButton")->click();
    const auto files = [this] {
        return QDir(folder.file("worksheets")).entryList(QDir::Files | QDir::Hidden);
    };
    const QStringList before = files();

    app.dialogs.answers = {true, false}; // the answer key too; do not replace
    button("QuickWord")->trigger();
    ASSERT_EQ(app.dialogs.titles(), (QStringList{"Answer Key?", "Replace File?"}));
    EXPECT_TRUE(app.dialogs.shown[1].text.startsWith("Replace \"Riddle test.rtf\"?"))
        << app.dialogs.shown[1].text.toStdString();
    EXPECT_EQ(ReadBytes(worksheetFile("Riddle test.rtf")), "riddle sheet");
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(app.dialogs.ofKind("start").empty());
    EXPECT_TRUE(quizBox()->document()->isModified());

    // Save writes no key, so the other sheet's key is no concern of it; QuickWord's is.
    app.dialogs.shown.clear();
    app.dialogs.inputs = {QString("Cards")};
    app.dialogs.answers = {true, true};
    button("Save")->trigger();
    button("QuickWord")->trigger();
    ASSERT_EQ(app.dialogs.titles(),
              (QStringList{"Worksheet Saved", "Answer Key?", "Replace File?"}));
    EXPECT_TRUE(app.dialogs.shown[3].text.startsWith("Replace \"Cards(Answer Key).rtf\"?"));
    EXPECT_TRUE(ReadBytes(worksheetFile("Cards(Answer Key).rtf")).contains("Answer Key"));
    EXPECT_EQ(app.dialogs.ofKind("start").size(), 1u);
}

TEST_F(QuizFormTest, PrintAsksFirstReportsAFailureAndPrintsBothDocumentsInOrder) {
    open();
    answerBox()->document()->setModified(true); // an edit, kept only once printed
    app.dialogs.answers = {false, true, true, true};
    button("Print")->trigger();
    EXPECT_TRUE(app.dialogs.ofKind("print").empty());
    app.dialogs.printToPdf = {folder.file("no-such-folder/sheet.pdf"), folder.file("printed.pdf")};
    button("Print")->trigger();
    EXPECT_TRUE(answerBox()->document()->isModified());
    button("Print")->trigger();
    EXPECT_FALSE(answerBox()->document()->isModified());
    EXPECT_EQ(app.dialogs.titles(),
              (QStringList{"Confirm Print", "Confirm Print", "Oops!", "Confirm Print",
                           "Print Answer Key?", "Worksheet Printed"}));
    const QString pdf = folder.file("printed.pdf"), key = folder.file("printed(Answer Key).pdf");
    // Printed into files, the pages did not go to a printer: the message says where they are.
    EXPECT_EQ(app.dialogs.shown.back().text,
              "This activity has been printed to \"printed.pdf\" and \"printed(Answer Key).pdf\" "
              "in the folder \"" +
                  folder.path() + "\".");
    ASSERT_TRUE(ReadBytes(pdf).startsWith("%PDF") && ReadBytes(key).startsWith("%PDF"));
    // Each job is named after the sheet, as a print queue lists it.
    EXPECT_TRUE(HasPdfTitle(ReadBytes(pdf), "Math Skills Practice Worksheet"));
    EXPECT_TRUE(HasPdfTitle(ReadBytes(key), "Math Skills Practice Worksheet (Answer Key)"));
    if (const QString text = PdfText(pdf).simplified(); !text.isEmpty()) {
        EXPECT_EQ(text.toStdString(), "Math Skills Practice Worksheet 1) 12 + 3= 2) 40 + 2=");
        EXPECT_TRUE(PdfText(key).simplified().contains("Answer Key 1) 15 2) 42"));
    }
}

TEST_F(QuizFormTest, ExportPdfDrawsThePagesThePreviewShowsAndSaysWhyAWriteFailed) {
    open();
    app.dialogs.previewToPdf = folder.file("preview.pdf");
    window->findChild<QAction*>("PrintPreview")->trigger();
    const QString missing = folder.file("no-such-folder/sheet.pdf");
    app.dialogs.files = {missing, folder.file("exported")};
    app.dialogs.answers = {true, true};
    for (int i = 0; i < 2; ++i)
        window->findChild<QAction*>("ExportPdf")->trigger();
    EXPECT_EQ(app.dialogs.titles(),
              (QStringList{"Answer Key?", "Oops!", "Answer Key?", "PDF Saved"}));
    const QString failure = app.dialogs.ofKind("message").front().text;
    EXPECT_TRUE(failure.startsWith("The PDF could not be written.") && failure.contains(missing) &&
                failure.contains("does not exist"))
        << failure.toStdString();
    const QString exported = PdfText(folder.file("exported.pdf"));
    ASSERT_TRUE(ReadBytes(folder.file("exported.pdf")).startsWith("%PDF"));
    if (!exported.isEmpty()) {
        EXPECT_EQ(exported, PdfText(folder.file("preview.pdf")));
        EXPECT_EQ(exported.count('\f'), 2); // the worksheet's page, the answer key's
    }
}

// The page holds the problems as they were made; the window's edits are not in it.
TEST_F(QuizFormTest, ExportWebPageWritesTheSheetsProblemsAndSaysWhyAWriteFailed) {
    open();
    const QString missing = folder.file("no-such-folder/sheet.html");
    app.dialogs.files = {missing, folder.file("sheet")};
    for (int i = 0; i < 2; ++i)
        window->findChild<QAction*>("ExportWebPage")->trigger();
    EXPECT_EQ(app.dialogs.ofKind("saveFile").back().arguments.front(),
              folder.file("worksheets/Math Skills Practice Worksheet.html"));
    EXPECT_EQ(app.dialogs.titles(), (QStringList{"Oops!", "Web Page Saved"}));
    const QString failure = app.dialogs.ofKind("message").front().text;
    EXPECT_TRUE(failure.startsWith("The web page could not be written.") &&
                failure.contains(missing))
        << failure.toStdString();
    const QByteArray page = ReadBytes(folder.file("sheet.html"));
    EXPECT_TRUE(page.startsWith("<!DOCTYPE html>"));
    EXPECT_TRUE(page.contains("<span class=\"q\">40 + 2 =</span>"));
    EXPECT_TRUE(
        page.contains(QByteArray::fromStdString(AnswerHash(2, "40 + 2 =", "answer", "42"))));
}
