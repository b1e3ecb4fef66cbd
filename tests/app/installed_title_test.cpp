// The main menu of an installed copy (the start-up steps themselves are tested in the logic):
// the shipped picture, the About box naming both folders, an error when the user's folder
// cannot be made.
#include "app/about_form.h"
#include "app/title.h"
#include "file_bytes.h"
#include "program_folder_fixture.h"
#include "recording_navigator.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace abacore;

TEST(InstalledTitle, TheAboutBoxSaysWhereOwnFilesGo) {
    ProgramFolder shipped;
    QTemporaryDir home;
    TestApp app;
    const QString own = home.filePath("data/abacore-drill");
    app.request.ProgramFolder = own.toStdString();
    app.request.ShippedFolder = shipped.path().toStdString();
    app.request.DocumentsFolder = home.filePath("Documents").toStdString();
    Title window(app.context);
    window.show();
    EXPECT_EQ(app.dialogs.titles(), QStringList{"Thank you!"});
    EXPECT_TRUE(QFileInfo(own + "/kvtdata.dat").isFile());
    // The picture comes from the shipped folder.
    EXPECT_FALSE(window.centralWidget()->palette().window().texture().isNull());
    window.findChild<QToolBar*>("Toolbar1")->actions()[1]->trigger();
    const QString note =
        window.findChild<AboutForm*>()->findChild<QLabel*>("DataFilesNote")->text();
    EXPECT_TRUE(note.contains("Riddles.dat") && note.contains("add.dat")) << note.toStdString();
    EXPECT_TRUE(note.contains("from \"" + shipped.path() + "\" into \"" + own + "\""))
        << note.toStdString();
}

TEST(InstalledTitle, AUserFolderThatCannotBeMadeIsAnErrorThatEndsTheProgram) {
    ProgramFolder shipped;
    QTemporaryDir home;
    ASSERT_TRUE(WriteBytes(home.filePath("data"), "a file, not a folder"));
    TestApp app;
    app.request.ProgramFolder = home.filePath("data/abacore-drill").toStdString();
    app.request.ShippedFolder = shipped.path().toStdString();
    app.request.DocumentsFolder = home.filePath("Documents").toStdString();
    Title window(app.context);
    window.show();
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Error!"});
    EXPECT_TRUE(
        app.dialogs.shown.back().text.startsWith("Your Abacore folder could not be set up."));
    EXPECT_TRUE(app.navigator.quitRequested && app.navigator.opened.empty());
    EXPECT_FALSE(QFileInfo::exists(home.filePath("Documents")));
}
