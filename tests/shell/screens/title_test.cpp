#include "program_folder.h"
#include "recording_navigator.h"
#include "shell/screens/about_form.h"
#include "shell/screens/quick_word_option.h"
#include "shell/screens/title.h"
#include "shell/shell_messages.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QStringList Subfolders(const QString& path) {
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// Opens the main menu the way the program does: construct and show.
struct OpenTitle {
    explicit OpenTitle(TestApp& app) : window(app.context) { window.show(); }
    Title window;
};

} // namespace

TEST(Title, FirstStartThanksOnceAndTurnsTheMarkerOff) {
    ProgramFolder folder;
    const QByteArray shipped = ReadBytes(folder.file("kvtdata.dat"));
    ASSERT_TRUE(shipped.contains("\r\n+++++\r\n"));
    TestApp app;
    {
        OpenTitle title(app);
        ASSERT_EQ(app.dialogs.shown.size(), 1u);
        EXPECT_EQ(app.dialogs.shown[0].title, ShellText::ThankYouTitle);
        EXPECT_EQ(app.dialogs.shown[0].text, ShellText::ThankYou);
    }
    QByteArray expected = shipped;
    expected.replace("\r\n+++++\r\n", "\r\n*****\r\n");
    EXPECT_EQ(ReadBytes(folder.file("kvtdata.dat")), expected);
    EXPECT_FALSE(app.request.QuickWordEnabled);
    EXPECT_EQ(QFileInfo(QString::fromStdString(app.request.ProgramFolder)).canonicalFilePath(),
              QFileInfo(folder.path()).canonicalFilePath());
    EXPECT_EQ(Subfolders(folder.path()), QStringList{"worksheets"});
    EXPECT_FALSE(app.navigator.quitRequested);

    // Every later opening is silent and leaves the file alone.
    const QDateTime written = QFileInfo(folder.file("kvtdata.dat")).lastModified();
    OpenTitle again(app);
    EXPECT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_EQ(ReadBytes(folder.file("kvtdata.dat")), expected);
    EXPECT_EQ(QFileInfo(folder.file("kvtdata.dat")).lastModified(), written);
}

TEST(Title, ReadsTheQuickWordSettingOnEveryOpening) {
    ProgramFolder folder;
    WriteBytes(folder.file("kvtdata.dat"), "one\r\ntwo\r\n/usr/bin/writer\r\n");
    TestApp app;
    OpenTitle title(app);
    EXPECT_TRUE(app.dialogs.shown.empty());
    EXPECT_TRUE(app.request.QuickWordEnabled);
    EXPECT_EQ(app.request.WordProcessorPath, "/usr/bin/writer");
}

TEST(Title, UnusableSettingsFileEndsTheProgram) {
    for (const QByteArray& bytes : {QByteArray(), QByteArray("one\r\ntwo\r\n")}) {
        ProgramFolder folder;
        if (bytes.isNull())
            QFile::remove(folder.file("kvtdata.dat"));
        else
            WriteBytes(folder.file("kvtdata.dat"), bytes);
        TestApp app;
        OpenTitle title(app);
        ASSERT_EQ(app.dialogs.shown.size(), 1u) << bytes.constData();
        EXPECT_EQ(app.dialogs.shown[0].title, ShellText::ErrorTitle);
        EXPECT_EQ(app.dialogs.shown[0].text, ShellText::MissingFiles);
        EXPECT_TRUE(app.navigator.quitRequested);
        EXPECT_TRUE(app.navigator.opened.empty());
    }
}

TEST(Title, ReusesAWorksheetsFolderOfAnyLetterCase) {
    ProgramFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("WORKSHEETS"));
    TestApp app;
    OpenTitle title(app);
    EXPECT_EQ(Subfolders(folder.path()), QStringList{"WORKSHEETS"});
}

TEST(Title, AWorksheetsFolderThatCannotBeMadeIsReportedAndTheProgramGoesOn) {
    ProgramFolder folder;
    WriteBytes(folder.file("worksheets"), "a file in the way");
    TestApp app;
    OpenTitle title(app);
    ASSERT_EQ(app.dialogs.titles(), (QStringList{"Thank you!", "Oops!"}));
    EXPECT_TRUE(app.dialogs.shown[1].text.contains(folder.file("worksheets")));
    EXPECT_FALSE(app.navigator.quitRequested);
    EXPECT_TRUE(title.window.isVisible());
}

TEST(Title, ShowsTheBackgroundPictureOrOpensWithoutIt) {
    ProgramFolder folder;
    TestApp app;
    {
        OpenTitle title(app);
        EXPECT_FALSE(
            title.window.centralWidget()->palette().brush(QPalette::Window).texture().isNull());
    }
    QFile::remove(folder.file("AbacoreBack.jpg"));
    OpenTitle title(app);
    EXPECT_TRUE(title.window.isVisible());
    EXPECT_TRUE(title.window.centralWidget()->palette().brush(QPalette::Window).texture().isNull());
}

TEST(Title, ActivityButtonsStoreTheActivityAndOpenTheSkillScreen) {
    const struct {
        const char* name;
        const char* caption;
        Activity activity;
    } buttons[] = {
        {"Command1", "Skills Practice Sheet", Activity::SkillsPractice},
        {"Command2", "Secret Riddle Worksheet", Activity::SecretRiddle},
        {"Command3", "Math Squares Puzzle", Activity::MathSquares},
        {"Command6", "Word Problems Sheet", Activity::WordProblems},
        {"Command7", "Make Flash Cards", Activity::FlashCards},
        {"Command8", "Value-Matching Worksheet", Activity::ValueMatching},
    };
    ProgramFolder folder;
    TestApp app;
    OpenTitle title(app);
    app.dialogs.shown.clear();
    int previousTop = -1;
    for (const auto& b : buttons) {
        auto* button = title.window.findChild<QPushButton*>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_GT(button->mapTo(&title.window, QPoint()).y(), previousTop) << b.name;
        previousTop = button->mapTo(&title.window, QPoint()).y();
        app.navigator.opened.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(app.request.ActivityType, b.activity) << b.name;
        EXPECT_EQ(app.navigator.opened, std::vector<Screen>{Screen::ChooseSkill}) << b.name;
    }
    EXPECT_TRUE(app.dialogs.shown.empty());
    auto* crossword = title.window.findChild<QPushButton*>("Command4");
    ASSERT_NE(crossword, nullptr);
    EXPECT_GT(crossword->mapTo(&title.window, QPoint()).y(), previousTop);
}

namespace {

// Notes how many messages had been shown when each screen was asked for.
class OrderNavigator final : public Navigator {
public:
    explicit OrderNavigator(const ScriptedDialogs& dialogs) : m_dialogs(dialogs) {}
    std::vector<std::pair<Screen, size_t>> opened;
    void open(Screen screen) override { opened.emplace_back(screen, m_dialogs.shown.size()); }
    void quit() override {}

private:
    const ScriptedDialogs& m_dialogs;
};

} // namespace

TEST(Title, CrosswordGivesItsHelpBeforeTheSkillScreen) {
    ProgramFolder folder;
    WriteBytes(folder.file("kvtdata.dat"), "one\r\ntwo\r\n*****\r\n");
    TestApp app;
    OrderNavigator navigator(app.dialogs);
    AppContext context{app.request, app.random, app.dialogs, navigator};
    Title window(context);
    window.show();
    ASSERT_TRUE(app.dialogs.shown.empty());

    auto* crossword = window.findChild<QPushButton*>("Command4");
    ASSERT_NE(crossword, nullptr);
    EXPECT_EQ(crossword->text(), "Math Crossword Puzzle");
    QTest::mouseClick(crossword, Qt::LeftButton);
    ASSERT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_EQ(app.dialogs.shown[0].title, ShellText::CrosswordHelpTitle);
    EXPECT_EQ(app.dialogs.shown[0].text, ShellText::CrosswordHelp);
    EXPECT_EQ(app.request.ActivityType, Activity::Crossword);
    ASSERT_EQ(navigator.opened.size(), 1u);
    EXPECT_EQ(navigator.opened[0], std::make_pair(Screen::ChooseSkill, size_t{1}));
}

TEST(Title, ToolbarOpensTheOptionAndAboutBoxesAndQuits) {
    ProgramFolder folder;
    TestApp app;
    OpenTitle title(app);
    app.dialogs.shown.clear();
    auto* toolbar = title.window.findChild<QToolBar*>("Toolbar1");
    ASSERT_NE(toolbar, nullptr);
    QStringList keys, tips;
    for (QAction* action : toolbar->actions()) {
        keys << action->objectName();
        tips << action->toolTip();
        EXPECT_FALSE(action->icon().isNull());
    }
    EXPECT_EQ(keys, (QStringList{"QuickWord", "Info", "Quit"}));
    EXPECT_EQ(tips,
              (QStringList{"Enable/Disable QuickWord Feature", "About Abacore", "Exit Abacore"}));

    toolbar->actions()[0]->trigger();
    auto* option = title.window.findChild<QuickWordOption*>();
    ASSERT_NE(option, nullptr);
    EXPECT_TRUE(option->isVisible());
    option->close();

    toolbar->actions()[1]->trigger();
    auto* about = title.window.findChild<AboutForm*>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());

    // Neither box closes the menu or ends the program; Quit does, without a question.
    EXPECT_TRUE(title.window.isVisible());
    EXPECT_TRUE(app.navigator.opened.empty());
    EXPECT_FALSE(app.navigator.quitRequested);
    toolbar->actions()[2]->trigger();
    EXPECT_TRUE(app.navigator.quitRequested);
    EXPECT_TRUE(app.dialogs.shown.empty());
}
