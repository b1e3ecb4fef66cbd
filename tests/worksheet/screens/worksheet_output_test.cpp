#include "quiz_form_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The number of `red`'s entry in an RTF colour table, or -1.
int ColourNumber(const QByteArray& rtf, const QByteArray& red) {
    const int start = rtf.indexOf("{\\colortbl");
    if (start < 0)
        return -1;
    const int end = rtf.indexOf('}', start);
    const QByteArray table = rtf.mid(start + 10, end - start - 10);
    const QList<QByteArray> entries = table.split(';');
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].trimmed() == red)
            return i;
    return -1;
}

// Whether the control word `word` (e.g. "\cf2") occurs, not as the start of a longer number.
bool UsesControlWord(const QByteArray& rtf, const QByteArray& word) {
    for (int at = rtf.indexOf(word); at >= 0; at = rtf.indexOf(word, at + 1)) {
        const int next = at + word.size();
        if (next >= rtf.size() || !std::isdigit(static_cast<unsigned char>(rtf[next])))
            return true;
    }
    return false;
}

bool IsPdf(const QString& path) {
    return ReadFile(path).startsWith("%PDF");
}

} // namespace

TEST_F(QuizFormTest, SaveWritesTheEditedWorksheetAndRenamesTheHeading) {
    open();
    const int body = quizBox()->toPlainText().indexOf(" 1)");
    select(body, body + 5);
    choose(list("cmbFontColor"), 2); // Red
    app.dialogs.inputs.push_back(QString("Quiz 1"));
    button("Save")->trigger();

    const auto inputs = app.dialogs.ofKind("input");
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].title, "Name Saved File");
    EXPECT_EQ(inputs[0].text, "What would you like to call this file?");
    EXPECT_EQ(inputs[0].arguments, QStringList{"Math Skills Practice Worksheet"});

    const QByteArray rtf = ReadFile(worksheetFile("Quiz 1.rtf"));
    ASSERT_TRUE(rtf.startsWith("{\\rtf1"));
    const int red = ColourNumber(rtf, "\\red255\\green0\\blue0");
    ASSERT_GT(red, 0) << rtf.left(400).toStdString();
    EXPECT_TRUE(UsesControlWord(rtf, "\\cf" + QByteArray::number(red)));
    EXPECT_TRUE(rtf.contains("12 + 3="));
    EXPECT_FALSE(QFileInfo::exists(worksheetFile("Quiz 1(Answer Key).rtf")));

    EXPECT_EQ(app.request.Heading, "Quiz 1");
    const auto messages = app.dialogs.ofKind("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Worksheet Saved");
    EXPECT_EQ(messages[0].text,
              "This worksheet has been saved in the \"worksheets\" folder of your Abacore "
              "directory as \"Quiz 1.rtf\" .  You can now open it with a word processor for "
              "further editing.");

    // The next Save offers the saved name, and overwrites without asking.
    app.dialogs.inputs.push_back(QString("Quiz 1"));
    button("Save")->trigger();
    EXPECT_EQ(app.dialogs.ofKind("input").back().arguments, QStringList{"Quiz 1"});
    EXPECT_EQ(app.dialogs.ofKind("message").size(), 2u);
}

TEST_F(QuizFormTest, SaveCancelledOrEmptyDoesNothing) {
    open();
    app.dialogs.inputs.push_back(std::nullopt);
    app.dialogs.inputs.push_back(QString());
    button("Save")->trigger();
    button("Save")->trigger();
    EXPECT_EQ(app.request.Heading, "Math Skills Practice Worksheet");
    EXPECT_TRUE(app.dialogs.ofKind("message").empty());
    EXPECT_TRUE(QDir(folder.file("worksheets")).isEmpty());
}

TEST_F(QuizFormTest, SaveRefusesNamesThatLeaveTheWorksheetsFolder) {
    open();
    const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    for (const QString& name : {QString("../escape"), QString(".."), QString("sub/sheet"),
                                QString("/tmp/abacore-escape"), QString(240, 'x')}) {
        app.dialogs.shown.clear();
        app.dialogs.inputs.push_back(name);
        button("Save")->trigger();
        const auto messages = app.dialogs.ofKind("message");
        ASSERT_EQ(messages.size(), 1u) << name.toStdString();
        EXPECT_EQ(messages[0].title, "Oops!");
        EXPECT_EQ(app.request.Heading, "Math Skills Practice Worksheet");
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    EXPECT_TRUE(QDir(folder.file("worksheets")).isEmpty());
    EXPECT_FALSE(QFileInfo::exists("/tmp/abacore-escape.rtf"));
    EXPECT_TRUE(quizBox()->toPlainText().contains("40 + 2="));
}

TEST_F(QuizFormTest, FailedWriteKeepsTheEarlierFileAndTheHeading) {
    if (geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop root";
    open();
    ASSERT_TRUE(WriteFile(worksheetFile("Quiz.rtf"), "earlier"));
    ASSERT_EQ(chmod(QFile::encodeName(folder.file("worksheets")).constData(), 0555), 0);
    app.dialogs.inputs.push_back(QString("Quiz"));
    button("Save")->trigger();
    chmod(QFile::encodeName(folder.file("worksheets")).constData(), 0755);

    EXPECT_EQ(ReadFile(worksheetFile("Quiz.rtf")), "earlier");
    EXPECT_EQ(app.request.Heading, "Math Skills Practice Worksheet");
    const auto messages = app.dialogs.ofKind("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Oops!");
    EXPECT_TRUE(messages[0].text.startsWith("The worksheet could not be saved."));
    EXPECT_EQ(QDir(folder.file("worksheets")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Quiz.rtf"});
}

TEST_F(QuizFormTest, FullDiskKeepsTheEarlierFile) {
    open();
    ASSERT_TRUE(WriteFile(worksheetFile("Quiz.rtf"), "earlier"));
    // A file-size limit fails the write as a full disk would, whoever runs the test.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit tiny = previous;
    tiny.rlim_cur = 16;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    app.dialogs.inputs.push_back(QString("Quiz"));
    button("Save")->trigger();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(ReadFile(worksheetFile("Quiz.rtf")), "earlier");
    EXPECT_EQ(app.request.Heading, "Math Skills Practice Worksheet");
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Oops!"});
    EXPECT_EQ(QDir(folder.file("worksheets")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Quiz.rtf"});
}

TEST_F(QuizFormTest, MissingWorksheetsFolderIsReported) {
    open();
    QDir(folder.file("worksheets")).removeRecursively();
    app.dialogs.inputs.push_back(QString("Quiz"));
    button("Save")->trigger();
    ASSERT_EQ(app.dialogs.ofKind("message").size(), 1u);
    EXPECT_EQ(app.dialogs.ofKind("message")[0].title, "Oops!");
    EXPECT_EQ(app.request.Heading, "Math Skills Practice Worksheet");
    EXPECT_FALSE(QFileInfo::exists(folder.file("worksheets")));
}

TEST_F(QuizFormTest, QuickWordStartsTheWordProcessorWithTheAnswerKeyFirst) {
    QTemporaryDir helperDir;
    const QString record = helperDir.filePath("arguments.txt");
    const QString program = helperDir.filePath("fake-word-processor");
    ASSERT_TRUE(WriteFile(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" +
                                       QFile::encodeName(record) + ".part\"\nmv \"" +
                                       QFile::encodeName(record) + ".part\" \"" +
                                       QFile::encodeName(record) + "\"\n"));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    app.request.ActivityType = Activity::SecretRiddle;
    app.request.Heading = "Quiz 1";
    app.request.QuickWordEnabled = true;
    app.request.WordProcessorPath = program.toStdString();
    open();
    app.dialogs.reallyStart = true;
    app.dialogs.answers.push_back(true);
    button("QuickWord")->trigger();

    const auto questions = app.dialogs.ofKind("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].title, "Answer Key?");
    EXPECT_EQ(questions[0].text, "Send Answer Key to Word Processor as well?");
    EXPECT_TRUE(app.dialogs.ofKind("message").empty());

    for (int i = 0; i < 200 && !QFileInfo::exists(record); ++i)
        QTest::qWait(50);
    const QString worksheet = folder.path() + "/worksheets/Quiz 1.rtf";
    const QString answerKey = folder.path() + "/worksheets/Quiz 1(Answer Key).rtf";
    EXPECT_EQ(QString::fromUtf8(ReadFile(record)), answerKey + "\n" + worksheet + "\n");
    EXPECT_TRUE(ReadFile(worksheet).contains("12 + 3="));
    EXPECT_TRUE(ReadFile(answerKey).contains("Answer Key"));
}

TEST_F(QuizFormTest, QuickWordOnFlashCardsSendsTheWorksheetAlone) {
    app.request.ActivityType = Activity::FlashCards;
    app.request.Heading = "Cards";
    app.request.QuickWordEnabled = true;
    app.request.WordProcessorPath = "/usr/bin/wp";
    open();
    button("QuickWord")->trigger();
    EXPECT_TRUE(app.dialogs.ofKind("question").empty());
    const auto starts = app.dialogs.ofKind("start");
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].arguments,
              (QStringList{"/usr/bin/wp", folder.path() + "/worksheets/Cards.rtf"}));
    EXPECT_TRUE(QFileInfo::exists(worksheetFile("Cards.rtf")));
    EXPECT_FALSE(QFileInfo::exists(worksheetFile("Cards(Answer Key).rtf")));
}

TEST_F(QuizFormTest, QuickWordReportsAProgramThatCannotStart) {
    app.request.Heading = "Quiz 1";
    app.request.QuickWordEnabled = true;
    app.request.WordProcessorPath = "/nonexistent/word-processor";
    open();
    app.dialogs.reallyStart = true;
    app.dialogs.answers.push_back(false);
    button("QuickWord")->trigger();
    const auto messages = app.dialogs.ofKind("message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Oops!");
    EXPECT_TRUE(messages[0].text.contains("/nonexistent/word-processor"));
}

TEST_F(QuizFormTest, QuickWordRefusesAHeadingThatCannotNameAFile) {
    app.request.Heading = "Grade 3/4 Sums";
    app.request.QuickWordEnabled = true;
    app.request.WordProcessorPath = "/usr/bin/wp";
    open();
    button("QuickWord")->trigger();
    EXPECT_TRUE(app.dialogs.ofKind("start").empty());
    ASSERT_EQ(app.dialogs.ofKind("message").size(), 1u);
    EXPECT_TRUE(app.dialogs.ofKind("message")[0].text.contains("Save"));
    EXPECT_TRUE(QDir(folder.file("worksheets")).isEmpty());
}

TEST_F(QuizFormTest, PrintAsksThenPrintsWorksheetAndAnswerKeyAsTwoJobs) {
    open();
    const QString pdf = folder.file("printed.pdf");
    app.dialogs.printToPdf.push_back(pdf);
    app.dialogs.answers = {true, true};
    button("Print")->trigger();
    EXPECT_EQ(app.dialogs.titles(),
              (QStringList{"Confirm Print", "Print Answer Key?", "Worksheet Printed"}));
    EXPECT_EQ(app.dialogs.ofKind("question")[0].text, "Print this worksheet?");
    EXPECT_EQ(app.dialogs.ofKind("question")[1].text, "Print Answer Key?");
    EXPECT_EQ(app.dialogs.ofKind("message")[0].text,
              "This activity has been sent to your printer.");
    EXPECT_TRUE(IsPdf(pdf));
    EXPECT_TRUE(IsPdf(folder.file("printed(Answer Key).pdf")));
}

TEST_F(QuizFormTest, PrintStopsWhenDeclinedOrCancelled) {
    open();
    app.dialogs.answers = {false};
    button("Print")->trigger();
    EXPECT_EQ(app.dialogs.titles(), QStringList{"Confirm Print"});
    EXPECT_TRUE(app.dialogs.ofKind("print").empty());

    // The print dialog cancelled: no printing, no "printed" message.
    app.dialogs.shown.clear();
    app.dialogs.answers = {true};
    button("Print")->trigger();
    EXPECT_EQ(app.dialogs.titles(), QStringList{"Confirm Print"});
    EXPECT_EQ(app.dialogs.ofKind("print").size(), 1u);

    // Declining the answer key still reports the worksheet printed.
    app.dialogs.shown.clear();
    app.dialogs.answers = {true, false};
    app.dialogs.printToPdf.push_back(folder.file("sheet.pdf"));
    button("Print")->trigger();
    EXPECT_EQ(app.dialogs.titles(),
              (QStringList{"Confirm Print", "Print Answer Key?", "Worksheet Printed"}));
    EXPECT_TRUE(IsPdf(folder.file("sheet.pdf")));
    EXPECT_FALSE(QFileInfo::exists(folder.file("sheet(Answer Key).pdf")));
}

TEST_F(QuizFormTest, FlashCardsPrintWithoutAnAnswerKeyQuestion) {
    app.request.ActivityType = Activity::FlashCards;
    open();
    app.dialogs.answers = {true};
    app.dialogs.printToPdf.push_back(folder.file("cards.pdf"));
    button("Print")->trigger();
    EXPECT_EQ(app.dialogs.titles(), (QStringList{"Confirm Print", "Worksheet Printed"}));
    EXPECT_TRUE(IsPdf(folder.file("cards.pdf")));
}

TEST_F(QuizFormTest, PrintingIntoAnUnwritableFileIsReported) {
    open();
    app.dialogs.answers = {true};
    app.dialogs.printToPdf.push_back(folder.file("no-such-folder/sheet.pdf"));
    button("Print")->trigger();
    EXPECT_EQ(app.dialogs.titles(), (QStringList{"Confirm Print", "Oops!"}));
}

TEST_F(QuizFormTest, ExportPdfWritesWorksheetAndAnswerKey) {
    open();
    app.dialogs.files.push_back(folder.file("export"));
    app.dialogs.answers = {true};
    menuItem("ExportPdf")->trigger();
    const auto dialogs = app.dialogs.ofKind("saveFile");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].arguments,
              QStringList{folder.path() + "/worksheets/Math Skills Practice Worksheet.pdf"});
    EXPECT_TRUE(IsPdf(folder.file("export.pdf")));
    EXPECT_EQ(app.dialogs.titles(), (QStringList{"Answer Key?", "PDF Saved"}));
}

TEST_F(QuizFormTest, PrintPreviewPaintsThePages) {
    open();
    menuItem("PrintPreview")->trigger();
    EXPECT_EQ(app.dialogs.ofKind("preview").size(), 1u);
    EXPECT_TRUE(app.dialogs.ofKind("message").empty());
}
