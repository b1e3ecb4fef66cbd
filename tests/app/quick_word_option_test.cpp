#include "app/quick_word_option.h"
#include "file_bytes.h"
#include "program_folder_fixture.h"
#include "recording_navigator.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

// The settings file with line 3 set, around reserved lines a careless rewrite would change:
// trailing blanks, a tab, a byte above 127, an empty line, a bare LF and no final ending.
QByteArray Settings(const QByteArray& line3) {
    return "reserved one \t\xE9 \r\n\r\n" + line3 + "\r\nlater\nlast";
}

struct OptionScreen {
    explicit OptionScreen(const QByteArray& line3) {
        EXPECT_TRUE(WriteBytes(file, Settings(line3)));
        app.request.ProgramFolder = folder.path().toStdString();
        window = std::make_unique<QuickWordOption>(app.context);
        window->show();
    }
    void click(const char* name) {
        QTest::mouseClick(window->findChild<QWidget*>(name), Qt::LeftButton);
    }
    bool ticked() { return window->findChild<QCheckBox*>("Checks1")->isChecked(); }

    ProgramFolder folder;
    QString file = folder.file("kvtdata.dat");
    TestApp app;
    std::unique_ptr<QuickWordOption> window;
};

} // namespace

TEST(QuickWordOption, CancelUnticksNoBeepsAndWritesNothingYesWritesOnlyLineThree) {
    OptionScreen screen("*****");
    EXPECT_FALSE(screen.ticked());
    ScriptedDialogs& dialogs = screen.app.dialogs;
    const QString program = "/home/teacher/My Programs/writer";
    dialogs.files = {std::nullopt, program};
    screen.click("Checks1");
    EXPECT_EQ(dialogs.titles(), QStringList{"Find the program"});
    EXPECT_FALSE(screen.ticked());
    screen.click("Checks1");
    EXPECT_TRUE(screen.ticked());
    dialogs.answers = {false, true};
    screen.click("Command1");
    EXPECT_EQ(dialogs.ofKind("question").back().text,
              "Do you want to set " + program + " as your default word processor for Abacore?");
    EXPECT_EQ(dialogs.shown.back().kind, "beep");
    EXPECT_EQ(ReadBytes(screen.file), Settings("*****"));
    EXPECT_FALSE(screen.app.navigator.quitRequested);

    screen.click("Command1");
    EXPECT_EQ(ReadBytes(screen.file), Settings(program.toUtf8()));
    EXPECT_EQ(dialogs.titles().back(), "Success!");
    EXPECT_TRUE(screen.app.navigator.quitRequested);
}

TEST(QuickWordOption, AFailedWriteKeepsTheScreenAndDoneUntickedWritesTheOffMarker) {
    OptionScreen screen("/usr/bin/writer");
    // The file turns into a folder with something in it: nothing can replace it.
    ASSERT_TRUE(QFile::remove(screen.file));
    ASSERT_TRUE(QDir(screen.folder.path()).mkpath("kvtdata.dat/inside"));
    screen.click("Command1");
    EXPECT_EQ(screen.app.dialogs.titles(), QStringList{"Error!"});
    EXPECT_FALSE(screen.app.navigator.quitRequested);
    // No temporary file left behind.
    EXPECT_TRUE(QDir(screen.folder.path()).entryList({".*"}, QDir::Files | QDir::Hidden).isEmpty());

    ASSERT_TRUE(QDir(screen.file).removeRecursively() && WriteBytes(screen.file, Settings("/w")));
    screen.click("Label1"); // the caption works like the box; unticking asks nothing
    EXPECT_FALSE(screen.ticked());
    screen.click("Command1");
    EXPECT_EQ(ReadBytes(screen.file), Settings("*****"));
    EXPECT_EQ(screen.app.dialogs.titles(), (QStringList{"Error!", "Restart"}));
    EXPECT_TRUE(screen.app.navigator.quitRequested);
}
