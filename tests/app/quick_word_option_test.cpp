#include "app/quick_word_option.h"
#include "file_bytes.h"
#include "program_folder_fixture.h"
#include "recording_navigator.h"

#include <QCheckBox>
#include <QTest>

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
    OptionScreen s("*****");
    const QString program = "/home/teacher/My Programs/writer";
    s.app.dialogs.files = {std::nullopt, program};
    s.click("Checks1");
    EXPECT_EQ(s.app.dialogs.titles(), QStringList{"Find the program"});
    EXPECT_FALSE(s.ticked());
    s.click("Checks1");
    s.app.dialogs.answers = {false, true};
    s.click("Command1");
    EXPECT_TRUE(s.app.dialogs.ofKind("question").back().text.contains(program));
    EXPECT_EQ(s.app.dialogs.shown.back().kind, "beep");
    EXPECT_EQ(ReadBytes(s.file), Settings("*****"));
    EXPECT_FALSE(s.app.navigator.quitRequested);

    s.click("Command1");
    EXPECT_EQ(ReadBytes(s.file), Settings(program.toUtf8()));
    EXPECT_EQ(s.app.dialogs.titles().back(), "Success!");
    EXPECT_TRUE(s.app.navigator.quitRequested);
}

TEST(QuickWordOption, AFailedWriteKeepsTheScreenAndDoneUntickedWritesTheOffMarker) {
    OptionScreen s("/usr/bin/writer");
    // The file turns into a folder with something in it: nothing can replace it.
    ASSERT_TRUE(QFile::remove(s.file));
    ASSERT_TRUE(QDir(s.folder.path()).mkpath("kvtdata.dat/inside"));
    s.click("Command1");
    EXPECT_EQ(s.app.dialogs.titles(), QStringList{"Error!"});
    EXPECT_FALSE(s.app.navigator.quitRequested);
    // No temporary file left behind.
    EXPECT_TRUE(QDir(s.folder.path()).entryList({".*"}, QDir::Files | QDir::Hidden).isEmpty());

    ASSERT_TRUE(QDir(s.file).removeRecursively() && WriteBytes(s.file, Settings("/w")));
    s.click("Label1"); // the caption works like the box; unticking asks nothing
    s.click("Command1");
    EXPECT_EQ(ReadBytes(s.file), Settings("*****"));
    EXPECT_EQ(s.app.dialogs.titles(), (QStringList{"Error!", "Restart"}));
    EXPECT_TRUE(s.app.navigator.quitRequested);
}
