#include "program_folder.h"
#include "recording_navigator.h"
#include "shell/screens/about_form.h"
#include "shell/screens/quick_word_option.h"
#include "shell/screens/title.h"
#include "shell/shell_messages.h"

#include <QAction>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Records how many dialogs had been shown when each screen was asked for.
class OrderNavigator final : public Navigator {
public:
    explicit OrderNavigator(const ScriptedDialogs& dialogs) : m_dialogs(dialogs) {}
    std::vector<std::pair<Screen, size_t>> opened;
    void open(Screen screen) override { opened.emplace_back(screen, m_dialogs.shown.size()); }
    void quit() override { quitRequested = true; }
    bool quitRequested = false;

private:
    const ScriptedDialogs& m_dialogs;
};

} // namespace

TEST(Title, FirstStartThanksOnceAndLaterStartsAreSilent) {
    ProgramFolder folder;
    QByteArray expected = ReadBytes(folder.file("kvtdata.dat"));
    ASSERT_TRUE(expected.contains("\r\n+++++\r\n"));
    expected.replace("\r\n+++++\r\n", "\r\n*****\r\n");
    TestApp app;
    for (int start = 0; start < 2; ++start) {
        Title window(app.context);
        window.show();
        EXPECT_EQ(app.dialogs.titles(), QStringList{"Thank you!"}) << start;
        EXPECT_EQ(ReadBytes(folder.file("kvtdata.dat")), expected) << start;
    }
    EXPECT_EQ(app.dialogs.shown[0].text, ShellText::ThankYou);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"worksheets"});
    EXPECT_EQ(QFileInfo(QString::fromStdString(app.request.ProgramFolder)).canonicalFilePath(),
              QFileInfo(folder.path()).canonicalFilePath());
    EXPECT_FALSE(app.navigator.quitRequested);
}

TEST(Title, MissingOrShortSettingsFileShowsAnErrorAndEndsTheProgram) {
    for (const bool twoLines : {false, true}) {
        ProgramFolder folder;
        QFile file(folder.file("kvtdata.dat"));
        ASSERT_TRUE(twoLines ? file.open(QIODevice::WriteOnly) && file.write("one\r\ntwo\r\n")
                             : file.remove());
        file.close();
        TestApp app;
        Title window(app.context);
        window.show();
        EXPECT_EQ(app.dialogs.titles(), QStringList{"Error!"}) << twoLines;
        EXPECT_EQ(app.dialogs.shown[0].text, ShellText::MissingFiles);
        EXPECT_TRUE(app.navigator.quitRequested);
        EXPECT_TRUE(app.navigator.opened.empty());
        EXPECT_FALSE(QFileInfo::exists(folder.file("worksheets")));
    }
}

TEST(Title, ActivityButtonsCrosswordHelpAndToolbar) {
    const std::pair<const char*, Activity> buttons[] = {
        {"Command1", Activity::SkillsPractice}, {"Command2", Activity::SecretRiddle},
        {"Command3", Activity::MathSquares},    {"Command6", Activity::WordProblems},
        {"Command7", Activity::FlashCards},     {"Command8", Activity::ValueMatching},
        {"Command4", Activity::Crossword},
    };
    ProgramFolder folder;
    TestApp app;
    OrderNavigator navigator(app.dialogs);
    AppContext context{app.request, app.random, app.dialogs, navigator};
    Title window(context);
    window.show();
    app.dialogs.shown.clear(); // the thanks of the first start
    for (const auto& [name, activity] : buttons) {
        QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
        EXPECT_EQ(app.request.ActivityType, activity) << name;
        EXPECT_EQ(navigator.opened.back().first, Screen::ChooseSkill) << name;
    }
    EXPECT_EQ(navigator.opened.size(), std::size(buttons));
    // Only the crossword shows a message, and before the skill screen is asked for.
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Crossword Help."});
    EXPECT_EQ(app.dialogs.shown[0].text, ShellText::CrosswordHelp);
    EXPECT_EQ(navigator.opened.back().second, 1u);

    // The toolbar opens the option and About boxes over the menu, and quits.
    const QList<QAction*> tools = window.findChild<QToolBar*>("Toolbar1")->actions();
    tools[0]->trigger();
    tools[1]->trigger();
    EXPECT_TRUE(window.findChild<QuickWordOption*>()->isVisible());
    EXPECT_TRUE(window.findChild<AboutForm*>()->isVisible());
    EXPECT_FALSE(navigator.quitRequested);
    tools[2]->trigger();
    EXPECT_TRUE(navigator.quitRequested);
}
