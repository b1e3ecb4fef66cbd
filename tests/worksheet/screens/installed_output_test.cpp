// The worksheet window of an installed copy: files go to "Abacore Worksheets" in the user's
// documents folder, which every message and dialog names.
#include "quiz_form_fixture.h"

#include <QAction>
#include <QTemporaryDir>

using namespace abacore;

TEST_F(QuizFormTest, AnInstalledCopySavesInTheDocumentsFolderAndSaysWhere) {
    QTemporaryDir documents;
    app.request.DocumentsFolder = documents.path().toStdString();
    ASSERT_TRUE(QDir(documents.path()).mkdir("Abacore Worksheets"));
    const QString worksheets = documents.filePath("Abacore Worksheets");
    app.request.QuickWordEnabled = true;
    app.request.WordProcessorPath = "/no/such/program";
    open();

    app.dialogs.inputs = {QString("Quiz 1")};
    button("Save")->trigger();
    EXPECT_TRUE(ReadBytes(worksheets + "/Quiz 1.rtf").contains("12 + 3="));
    EXPECT_TRUE(QDir(folder.file("worksheets")).isEmpty()); // the program folder's is not used
    ASSERT_EQ(app.dialogs.titles(), QStringList{"Worksheet Saved"});
    EXPECT_TRUE(app.dialogs.shown.back().text.contains("\"" + worksheets + "\""));

    // The word processor is given the files there, and the user is told where they are if it
    // cannot be started.
    app.dialogs.startSucceeds = false;
    app.dialogs.answers.push_back(true);
    button("QuickWord")->trigger();
    EXPECT_EQ(app.dialogs.ofKind("start").back().arguments,
              (QStringList{"/no/such/program", worksheets + "/Quiz 1(Answer Key).rtf",
                           worksheets + "/Quiz 1.rtf"}));
    EXPECT_TRUE(app.dialogs.shown.back().text.contains("\"" + worksheets + "\""))
        << app.dialogs.shown.back().text.toStdString();

    // Export PDF suggests the same folder.
    for (QAction* action : window->findChildren<QAction*>())
        if (action->text() == "&Export PDF...")
            action->trigger();
    EXPECT_EQ(app.dialogs.ofKind("saveFile").back().arguments,
              QStringList{worksheets + "/Quiz 1.pdf"});
}
