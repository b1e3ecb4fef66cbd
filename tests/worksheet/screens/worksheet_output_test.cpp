#include "core/paper.h"
#include "file_size_limit.h"
#include "quiz_form_fixture.h"
#include "ui/document_bridge.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>

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

// QuickWord saves under the heading, which must be a file name. Flash cards keep the heading of
// the sheet before them, so QuickWord may name another sheet's files: a file the window did not
// write is replaced only after a Yes (the Save test answers Yes), and No writes nothing.
TEST_F(QuizFormTest, QuickWordRefusesABadHeadingAndAsksBeforeReplacingAFileItDidNotWrite) {
    app.request.Heading = "Grade 3/4 Sums";
    app.request.QuickWordEnabled = true;
    app.request.WordProcessorPath = "word-processor";
    open();
    button("QuickWord")->trigger();
    EXPECT_EQ(app.dialogs.titles(), QStringList{"Oops!"});
    EXPECT_TRUE(app.dialogs.ofKind("start").empty() && QDir(folder.file("worksheets")).isEmpty());

    app.dialogs.shown.clear();
    app.request.Heading = "Riddle test";
    ASSERT_TRUE(WriteBytes(worksheetFile("Riddle test.rtf"), "riddle sheet"));
    ASSERT_TRUE(WriteBytes(worksheetFile("Riddle test(Answer Key).rtf"), "riddle key"));
    select(body(), body() + 3);
    window->findChild<QToolButton*>("BoldButton")->click();
    const auto files = [this] {
        return QDir(folder.file("worksheets")).entryList(QDir::Files | QDir::Hidden);
    };
    const QStringList before = files();

    app.dialogs.answers = {true, false}; // the answer key too; do not replace
    button("QuickWord")->trigger();
    ASSERT_EQ(app.dialogs.titles(), (QStringList{"Answer Key?", "Replace File?"}));
    EXPECT_TRUE(app.dialogs.shown[1].text.startsWith(
        "Replace \"Riddle test.rtf\" and \"Riddle test(Answer Key).rtf\"?"))
        << app.dialogs.shown[1].text.toStdString();
    EXPECT_EQ(ReadBytes(worksheetFile("Riddle test.rtf")), "riddle sheet");
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(app.dialogs.ofKind("start").empty());
    EXPECT_TRUE(quizBox()->document()->isModified());

    // A sheet never sits beside another sheet's key: declined, the key is replaced all the same
    // (after a Yes, No being preselected), and the word processor gets the sheet alone.
    app.dialogs.shown.clear();
    app.dialogs.answers = {false, true}; // no answer key; replace
    button("QuickWord")->trigger();
    ASSERT_EQ(app.dialogs.titles(), (QStringList{"Answer Key?", "Replace File?"}));
    EXPECT_EQ(app.dialogs.shown[1].preselected, DefaultAnswer::No);
    EXPECT_TRUE(app.dialogs.shown[1].text.contains("\"Riddle test(Answer Key).rtf\"?"));
    EXPECT_TRUE(ReadBytes(worksheetFile("Riddle test(Answer Key).rtf")).contains("1)  15"));
    EXPECT_EQ(app.dialogs.ofKind("start").back().arguments.size(), 2);
}

// Flash cards have no key to put in place of another sheet's: Save removes it, after a Yes.
TEST_F(QuizFormTest, SavingASheetWithoutAKeyRemovesAnotherSheetsKey) {
    app.request.ActivityType = Activity::FlashCards;
    open();
    ASSERT_TRUE(WriteBytes(worksheetFile("Cards(Answer Key).rtf"), "cards key"));
    app.dialogs.inputs = {QString("Cards"), QString("Cards")};
    app.dialogs.answers = {false, true};
    button("Save")->trigger();
    button("Save")->trigger();
    EXPECT_EQ(app.dialogs.titles(),
              (QStringList{"Replace File?", "Replace File?", "Worksheet Saved"}));
    EXPECT_TRUE(app.dialogs.shown[1].text.contains("Remove it?"));
    EXPECT_EQ(QDir(folder.file("worksheets")).entryList(QDir::Files), QStringList{"Cards.rtf"});
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
    window->findChild<QAction*>("Paper_a4")->trigger();
    button("Print")->trigger();
    EXPECT_FALSE(answerBox()->document()->isModified());
    EXPECT_EQ(app.dialogs.titles(),
              (QStringList{"Confirm Print", "Confirm Print", "Oops!", "Confirm Print",
                           "Print Answer Key?", "Worksheet Printed"}));
    const QString pdf = folder.file("printed.pdf"), key = folder.file("printed(Answer Key).pdf");
    // Printed into files, the pages did not go to a printer: the message says where they are.
    EXPECT_TRUE(app.dialogs.shown.back().text.contains("(Answer Key).pdf\" in the folder \"" +
                                                       folder.path()));
    ASSERT_TRUE(ReadBytes(pdf).startsWith("%PDF") && ReadBytes(key).startsWith("%PDF"));
    // Each job is named after the sheet, as a print queue lists it.
    EXPECT_TRUE(HasPdfTitle(ReadBytes(pdf), "Math Skills Practice Worksheet"));
    EXPECT_TRUE(HasPdfTitle(ReadBytes(key), "Math Skills Practice Worksheet (Answer Key)"));
    // The paper chosen in the File menu is remembered, and the print dialog starts with it.
    EXPECT_EQ(RememberedPaper(folder.path().toStdString()), Paper::A4);
    EXPECT_TRUE(ReadBytes(key).contains("/MediaBox [0 0 595.000000 842"));
}

// Export PDF draws the pages the preview shows (the sheet's, then the key's), Export Web Page
// the problems as they were made. Each offers the heading in the worksheets folder, adds its
// extension, and says why a write failed.
TEST_F(QuizFormTest, ExportsWriteTheirFileOrSayWhyNot) {
    open();
    // The sheet as shown is its model's whole: Export PDF lays it out from the model.
    EXPECT_TRUE(ExactModel(*quizBox()->document()).has_value());
    app.dialogs.previewToPdf = folder.file("preview.pdf");
    window->findChild<QAction*>("PrintPreview")->trigger();
    const struct {
        const char* action;
        QString extension;
        QStringList titles;
        QString failed;
    } rows[] = {
        {"ExportPdf",
         ".pdf",
         {"Answer Key?", "Oops!", "Answer Key?", "PDF Saved"},
         "The PDF could not be written."},
        {"ExportWebPage",
         ".html",
         {"Oops!", "Web Page Saved"},
         "The web page could not be written."},
    };
    for (const auto& row : rows) {
        app.dialogs.shown.clear();
        const QString missing = folder.file("no-such-folder/sheet" + row.extension);
        app.dialogs.files = {missing, folder.file("exported")};
        app.dialogs.answers = {true, true};
        for (int i = 0; i < 2; ++i)
            window->findChild<QAction*>(row.action)->trigger();
        EXPECT_EQ(app.dialogs.ofKind("saveFile").back().arguments.front(),
                  worksheetFile("Math Skills Practice Worksheet" + row.extension));
        EXPECT_EQ(app.dialogs.titles(), row.titles);
        const QString failure = app.dialogs.ofKind("message").front().text;
        EXPECT_TRUE(failure.startsWith(row.failed) && failure.contains(missing) &&
                    failure.contains("does not exist"))
            << failure.toStdString();
        EXPECT_TRUE(QFile::exists(folder.file("exported" + row.extension))) << row.action;
    }
    const QString exported = PdfText(folder.file("exported.pdf"));
    EXPECT_EQ(exported, PdfText(folder.file("preview.pdf")));
    EXPECT_EQ(exported.count('\f'), exported.isEmpty() ? 0 : 2);
    EXPECT_TRUE(ReadBytes(folder.file("exported.html")).contains("40 + 2 ="));

    // A file picked whose name is not UTF-8 comes back from Qt's dialog with U+FFFD for its
    // bytes: it is that file that is replaced, not one named with U+FFFD.
    const std::string picked = folder.path().toStdString() + "/picked\xff.html";
    std::ofstream(picked) << "earlier";
    app.dialogs.files = {folder.file(QStringLiteral("picked\uFFFD.html"))};
    window->findChild<QAction*>("ExportWebPage")->trigger();
    std::ifstream written(picked);
    EXPECT_NE(std::string(std::istreambuf_iterator<char>(written), {}).find("40 + 2 ="),
              std::string::npos);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("picked\uFFFD.html"))));
}

// An installed copy: files go to "Abacore Worksheets" in the user's documents folder, which
// the messages name (the word processor is handed the files the logic names).
TEST_F(QuizFormTest, AnInstalledCopySavesInTheDocumentsFolderAndSaysWhere) {
    QTemporaryDir documents;
    app.request.DocumentsFolder = documents.path().toStdString();
    const QString worksheets = documents.filePath("Abacore Worksheets");
    ASSERT_TRUE(QDir().mkdir(worksheets));
    app.request.QuickWordEnabled = true;
    app.request.WordProcessorPath = "/no/such/program";
    open();
    app.dialogs.inputs = {QString("Quiz 1")};
    app.dialogs.answers = {true}; // the answer key too
    app.dialogs.startSucceeds = false;
    button("Save")->trigger();
    button("QuickWord")->trigger();
    EXPECT_TRUE(ReadBytes(worksheets + "/Quiz 1.rtf").contains("12 + 3="));
    EXPECT_TRUE(QDir(folder.file("worksheets")).isEmpty()); // the program folder's is not used
    ASSERT_EQ(app.dialogs.titles(), (QStringList{"Worksheet Saved", "Answer Key?", "Oops!"}));
    for (const ShownDialog& message : app.dialogs.ofKind("message"))
        EXPECT_TRUE(message.text.contains("\"" + worksheets + "\"")) << message.text.toStdString();
}
