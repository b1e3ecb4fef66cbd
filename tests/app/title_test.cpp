#include "app/about_form.h"
#include "app/quick_word_option.h"
#include "app/title.h"
#include "file_bytes.h"
#include "program_folder_fixture.h"
#include "recording_navigator.h"

#include <QAction>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace abacore;

TEST(Title, FirstStartThanksOnceLaterStartsAreSilentAndTheButtonsWork) {
    ProgramFolder folder;
    QByteArray expected = ReadBytes(folder.file("kvtdata.dat"));
    expected.replace("\r\n+++++\r\n", "\r\n*****\r\n");
    TestApp app;
    app.request.ProgramFolder = folder.path().toStdString();
    QString firstNote;
    for (int start = 0; start < 2; ++start) {
        Title window(app.context);
        window.show();
        EXPECT_EQ(app.dialogs.titles(), QStringList{"Thank you!"}) << start;
        firstNote = app.dialogs.shown.at(0).text;
        EXPECT_EQ(ReadBytes(folder.file("kvtdata.dat")), expected) << start;
        // The picture comes from the program folder, not from the current folder.
        EXPECT_FALSE(window.centralWidget()->palette().window().texture().isNull());
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"worksheets"});

    const std::pair<const char*, Activity> buttons[] = {
        {"Command1", Activity::SkillsPractice}, {"Command2", Activity::SecretRiddle},
        {"Command3", Activity::MathSquares},    {"Command6", Activity::WordProblems},
        {"Command7", Activity::FlashCards},     {"Command8", Activity::ValueMatching},
        {"Command4", Activity::Crossword},
    };
    Title window(app.context);
    window.show();
    app.dialogs.shown.clear();
    for (const auto& [name, activity] : buttons) {
        QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
        EXPECT_EQ(app.request.ActivityType, activity) << name;
    }
    EXPECT_EQ(app.navigator.opened, std::vector<Screen>(std::size(buttons), Screen::ChooseSkill));
    // Only the crossword shows a message, and before the skill screen is asked for.
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Crossword Help."});
    EXPECT_EQ(app.navigator.dialogsBefore.back(), 1u);

    // The toolbar opens the option and About boxes over the menu, and quits.
    const QList<QAction*> tools = window.findChild<QToolBar*>("Toolbar1")->actions();
    // The thank-you note sends the teacher to a button that is there.
    const QString button = QRegularExpression("<([^>]+)> button").match(firstNote).captured(1);
    EXPECT_TRUE(std::any_of(tools.begin(), tools.end(), [&](const QAction* tool) {
        return tool->text() == button;
    })) << button.toStdString();
    tools[0]->trigger();
    tools[1]->trigger();
    EXPECT_TRUE(window.findChild<QuickWordOption*>()->isVisible());
    EXPECT_TRUE(window.findChild<AboutForm*>()->isVisible());
    EXPECT_FALSE(app.navigator.quitRequested);
    tools[2]->trigger();
    EXPECT_TRUE(app.navigator.quitRequested);
}
