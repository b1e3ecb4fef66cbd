// The main menu of an installed copy (the start-up steps themselves are tested in the logic):
// the shipped picture, the About box naming both folders; and a start that cannot go on.
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

// A settings file too short to use, or a user's folder that cannot be made: an error, and the
// program ends without opening anything or making any folder.
TEST(InstalledTitle, AStartThatCannotGoOnIsAnErrorThatEndsTheProgram) {
    for (const bool installed : {false, true}) {
        ProgramFolder shipped;
        QTemporaryDir home;
        TestApp app;
        if (installed) {
            ASSERT_TRUE(WriteBytes(home.filePath("data"), "a file, not a folder"));
            app.request.ProgramFolder = home.filePath("data/abacore-drill").toStdString();
            app.request.ShippedFolder = shipped.path().toStdString();
            app.request.DocumentsFolder = home.filePath("Documents").toStdString();
        } else {
            ASSERT_TRUE(WriteBytes(shipped.file("kvtdata.dat"), "one\r\ntwo\r\n"));
            app.request.ProgramFolder = shipped.path().toStdString();
        }
        Title window(app.context);
        window.show();
        SCOPED_TRACE(installed ? "installed" : "short settings file");
        ASSERT_EQ(app.dialogs.titles(), QStringList{"Error!"});
        EXPECT_TRUE(app.navigator.quitRequested && app.navigator.opened.empty());
        EXPECT_FALSE(QFileInfo::exists(home.filePath("Documents")) ||
                     QFileInfo::exists(shipped.file("worksheets")));
    }
}
