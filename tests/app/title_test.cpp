// The main menu: its buttons and tools, and what its opening says (the start-up steps themselves
// are tested in the logic).
#include "app/about_form.h"
#include "app/quick_word_option.h"
#include "app/title.h"
#include "file_bytes.h"
#include "program_folder_fixture.h"
#include "recording_navigator.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace abacore;

// An installed copy: its own folder made on the first start, the picture and the data files
// from the shipped folder, and the About box naming both.
TEST(Title, AnInstalledCopyThanksOnceAndItsButtonsAndToolsWork) {
    ProgramFolder shipped;
    QTemporaryDir home;
    TestApp app;
    const QString own = home.filePath("data/abacore-drill");
    app.request.ProgramFolder = own.toStdString();
    app.request.ShippedFolder = shipped.path().toStdString();
    app.request.DocumentsFolder = home.filePath("Documents").toStdString();
    for (const QStringList& expected : {QStringList{"Thank you!"}, QStringList{}}) {
        app.dialogs.shown.clear();
        Title window(app.context);
        window.show();
        EXPECT_EQ(app.dialogs.titles(), expected);
        // The picture covers the area under the toolbar, made at that size by the time the
        // window is on the screen.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QSize area = window.centralWidget()->size();
        const QSize picture = window.centralWidget()->palette().window().texture().size();
        EXPECT_TRUE(picture.expandedTo(area) == picture &&
                    (picture.width() == area.width() || picture.height() == area.height()))
            << picture.width() << "x" << picture.height();
    }

    const std::pair<const char*, Activity> buttons[] = {
        {"Command1", Activity::SkillsPractice}, {"Command2", Activity::SecretRiddle},
        {"Command3", Activity::MathSquares},    {"Command6", Activity::WordProblems},
        {"Command7", Activity::FlashCards},     {"Command8", Activity::ValueMatching},
        {"Command4", Activity::Crossword},
    };
    Title window(app.context);
    window.show();
    for (const auto& [name, activity] : buttons) {
        QPushButton* button = window.findChild<QPushButton*>(name);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(button, &enter);
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor) << name;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(app.request.ActivityType, activity) << name;
    }
    EXPECT_EQ(app.navigator.opened, std::vector<Screen>(std::size(buttons), Screen::ChooseSkill));
    // Only the crossword (the last button) shows a message, before the skill screen is asked for.
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Crossword Help."});
    EXPECT_EQ(app.navigator.dialogsBefore, (std::vector<size_t>{0, 0, 0, 0, 0, 0, 1}));

    // The toolbar opens the option and About boxes over the menu, and quits.
    const QList<QAction*> tools = window.findChild<QToolBar*>("Toolbar1")->actions();
    tools[0]->trigger();
    tools[1]->trigger();
    EXPECT_TRUE(window.findChild<QuickWordOption*>()->isVisible());
    const QString note =
        window.findChild<AboutForm*>()->findChild<QLabel*>("DataFilesNote")->text();
    EXPECT_TRUE(note.contains("from \"" + shipped.path() + "\" into \"" + own + "\""))
        << note.toStdString();
    tools[2]->trigger();
    EXPECT_TRUE(app.navigator.quitRequested);
}

// A settings file too short to use, or a user's folder that cannot be made: an error, and the
// program ends without opening anything or making any folder.
TEST(Title, AStartThatCannotGoOnIsAnErrorThatEndsTheProgram) {
    for (const bool installed : {false, true}) {
        SCOPED_TRACE(installed ? "installed" : "short settings file");
        ProgramFolder shipped;
        QTemporaryDir home;
        TestApp app;
        app.request.ProgramFolder = shipped.path().toStdString();
        ASSERT_TRUE(installed ? WriteBytes(home.filePath("data"), "a file, not a folder")
                              : WriteBytes(shipped.file("kvtdata.dat"), "one\r\ntwo\r\n"));
        if (installed) {
            app.request.ProgramFolder = home.filePath("data/abacore-drill").toStdString();
            app.request.ShippedFolder = shipped.path().toStdString();
            app.request.DocumentsFolder = home.filePath("Documents").toStdString();
        }
        Title window(app.context);
        window.show();
        ASSERT_EQ(app.dialogs.titles(), QStringList{"Error!"});
        EXPECT_TRUE(app.navigator.quitRequested && app.navigator.opened.empty());
        EXPECT_FALSE(QFileInfo::exists(home.filePath("Documents")) ||
                     QFileInfo::exists(shipped.file("worksheets")));
    }
}
