#include "program_folder.h"
#include "recording_navigator.h"
#include "shell/screens/quick_word_option.h"
#include "shell/shell_messages.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Reserved lines a careless rewrite would change: trailing blanks, a tab, a byte above 127,
// an empty line, a bare LF ending and a last line without an ending.
const QByteArray Head = "reserved one \t\xE9 \r\n\r\n";
const QByteArray Tail = "later\nlast";

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray Settings(const QByteArray& line3) {
    return Head + line3 + "\r\n" + Tail;
}

struct OptionScreen {
    OptionScreen(TestApp& app, ProgramFolder& folder, const QByteArray& line3)
        : file(folder.file("kvtdata.dat")) {
        WriteBytes(file, Settings(line3));
        app.request.ProgramFolder = folder.path().toStdString();
        window = new QuickWordOption(app.context);
        window->show();
        checks = window->findChild<QCheckBox*>("Checks1");
        label1 = window->findChild<QLabel*>("Label1");
        done = window->findChild<QPushButton*>("Command1");
    }
    ~OptionScreen() { delete window; }
    QString file;
    QuickWordOption* window = nullptr;
    QCheckBox* checks = nullptr;
    QLabel* label1 = nullptr;
    QPushButton* done = nullptr;
};

} // namespace

TEST(QuickWordOption, OpensWithTheBoxShowingTheSetting) {
    ProgramFolder folder;
    TestApp app;
    {
        OptionScreen off(app, folder, "*****");
        ASSERT_TRUE(off.window->isUsable());
        EXPECT_EQ(off.window->windowTitle(), "Quick Word Option");
        EXPECT_TRUE(off.window->findChild<QLabel*>("Label2")->text().startsWith(
            "The \"Quick Word\" option, if enabled,"));
        EXPECT_EQ(off.label1->text(), "Enable Quick Word Option");
        EXPECT_EQ(off.done->text(), "Done");
        EXPECT_FALSE(off.checks->isChecked());
    }
    OptionScreen on(app, folder, "/usr/bin/writer");
    EXPECT_TRUE(on.checks->isChecked());
    EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST(QuickWordOption, TickingAsksForTheProgramAndCancellingUnticks) {
    ProgramFolder folder;
    TestApp app;
    OptionScreen screen(app, folder, "*****");
    app.dialogs.files.push_back(std::nullopt);
    QTest::mouseClick(screen.checks, Qt::LeftButton);
    ASSERT_EQ(app.dialogs.shown.size(), 2u);
    EXPECT_EQ(app.dialogs.shown[0].title, ShellText::FindProgramTitle);
    EXPECT_EQ(app.dialogs.shown[0].text, ShellText::FindProgram);
    EXPECT_EQ(app.dialogs.shown[1].kind, "openFile");
    EXPECT_EQ(app.dialogs.shown[1].title, "Find Word processor");
    EXPECT_EQ(app.dialogs.shown[1].arguments, QStringList{QDir::homePath()});
    EXPECT_FALSE(screen.checks->isChecked());

    // The caption ticks the box just the same.
    app.dialogs.files.push_back(std::nullopt);
    QTest::mouseClick(screen.label1, Qt::LeftButton);
    EXPECT_EQ(app.dialogs.ofKind("openFile").size(), 2u);
    EXPECT_FALSE(screen.checks->isChecked());
}

TEST(QuickWordOption, AnsweringNoBeepsAndWritesNothing) {
    ProgramFolder folder;
    TestApp app;
    OptionScreen screen(app, folder, "*****");
    app.dialogs.files.push_back(QStringLiteral("/usr/bin/writer"));
    QTest::mouseClick(screen.checks, Qt::LeftButton);
    EXPECT_TRUE(screen.checks->isChecked());
    app.dialogs.answers.push_back(false);
    QTest::mouseClick(screen.done, Qt::LeftButton);
    ASSERT_EQ(app.dialogs.ofKind("question").size(), 1u);
    EXPECT_EQ(app.dialogs.ofKind("question")[0].title, "Enable QuickWord option?");
    EXPECT_EQ(app.dialogs.ofKind("question")[0].text,
              "Do you want to set /usr/bin/writer as your default word processor for Abacore?");
    EXPECT_EQ(app.dialogs.shown.back().kind, "beep");
    EXPECT_EQ(ReadBytes(screen.file), Settings("*****"));
    EXPECT_FALSE(app.navigator.quitRequested);
    EXPECT_TRUE(screen.window->isVisible());
}

TEST(QuickWordOption, AnsweringYesWritesThePathAndEndsTheProgram) {
    ProgramFolder folder;
    TestApp app;
    OptionScreen screen(app, folder, "*****");
    const QString program = QStringLiteral("/home/teacher/My Programs/writer");
    app.dialogs.files.push_back(program);
    QTest::mouseClick(screen.checks, Qt::LeftButton);
    app.dialogs.answers.push_back(true);
    QTest::mouseClick(screen.done, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(screen.file), Settings(program.toUtf8()));
    EXPECT_EQ(app.dialogs.shown.back().title, ShellText::SuccessTitle);
    EXPECT_EQ(app.dialogs.shown.back().text, ShellText::Success);
    EXPECT_TRUE(app.navigator.quitRequested);
    // The setting takes effect at the next start, not now.
    EXPECT_FALSE(app.request.QuickWordEnabled);
}

TEST(QuickWordOption, DoneWithTheBoxUntickedSwitchesQuickWordOff) {
    ProgramFolder folder;
    TestApp app;
    OptionScreen screen(app, folder, "/usr/bin/writer");
    QTest::mouseClick(screen.label1, Qt::LeftButton); // unticks: no dialog
    EXPECT_FALSE(screen.checks->isChecked());
    EXPECT_TRUE(app.dialogs.shown.empty());
    QTest::mouseClick(screen.done, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(screen.file), Settings("*****"));
    EXPECT_EQ(app.dialogs.titles(), QStringList{ShellText::RestartTitle});
    EXPECT_EQ(app.dialogs.shown.back().text, ShellText::Restart);
    EXPECT_TRUE(app.navigator.quitRequested);
}

TEST(QuickWordOption, DoneWithTheBoxStillTickedKeepsTheProgram) {
    ProgramFolder folder;
    TestApp app;
    OptionScreen screen(app, folder, "/usr/bin/writer");
    QTest::mouseClick(screen.done, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(screen.file), Settings("/usr/bin/writer"));
    EXPECT_EQ(app.dialogs.titles(), QStringList{ShellText::RestartTitle});
    EXPECT_TRUE(app.navigator.quitRequested);
}

TEST(QuickWordOption, AFailedWriteIsReportedAndTheScreenStays) {
    ProgramFolder folder;
    TestApp app;
    OptionScreen screen(app, folder, "/usr/bin/writer");
    // The file turns into a folder with something in it: nothing can replace it.
    ASSERT_TRUE(QFile::remove(screen.file));
    ASSERT_TRUE(QDir(folder.path()).mkpath("kvtdata.dat/inside"));
    QTest::mouseClick(screen.done, Qt::LeftButton);
    ASSERT_EQ(app.dialogs.titles(), QStringList{ShellText::ErrorTitle});
    EXPECT_TRUE(app.dialogs.shown[0].text.startsWith("The QuickWord setting could not be saved."))
        << app.dialogs.shown[0].text.toStdString();
    EXPECT_FALSE(app.navigator.quitRequested);
    EXPECT_TRUE(QDir(folder.file("kvtdata.dat/inside")).exists());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"AbacoreBack.jpg"}); // no temporary file left behind
}

TEST(QuickWordOption, AMissingSettingsFileEndsTheProgram) {
    ProgramFolder folder;
    QFile::remove(folder.file("kvtdata.dat"));
    TestApp app;
    QuickWordOption window(app.context);
    EXPECT_FALSE(window.isUsable());
    EXPECT_EQ(app.dialogs.titles(), QStringList{ShellText::ErrorTitle});
    EXPECT_TRUE(app.navigator.quitRequested);
}
