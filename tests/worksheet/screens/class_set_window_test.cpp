// "Class Set..." in the worksheet window: cancelled half-way it writes nothing and leaves an
// earlier file as it was; each file is written as its name says, or refused (what a class set
// holds is tested through make).
#include "quiz_form_fixture.h"

#include <QProgressDialog>
#include <QTimer>

using namespace abacore;

namespace {

// Twenty sums up to 100, written across.
void SetSums(WorksheetRequest& request) {
    ApplySkillChoice(request, {true, false, false, false});
    request.ProblemStyle = StyleBit::kHorizontal;
    request.FirstMax = 100;
    request.SecondMax = 100;
    request.ProblemCount = 20;
}

} // namespace

TEST_F(QuizFormTest, ClassSetCancelledHalfWayWritesNothing) {
    SetSums(app.request);
    open();
    QAction* classSet = window->findChild<QAction*>("ClassSet");
    ASSERT_NE(classSet, nullptr);
    const QString sheets = worksheetFile("set.pdf");
    const QString keys = worksheetFile("keys.pdf");
    ASSERT_TRUE(WriteBytes(sheets, "earlier"));

    // Cancel is clicked once half of ten versions are made.
    int cancelledAt = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* progress = window->findChild<QProgressDialog*>("ClassSetProgress");
        if (progress && !cancelledAt && progress->value() >= 5) {
            cancelledAt = progress->value();
            progress->cancel();
        }
    });
    watcher.start(0);
    app.dialogs.inputs = {QStringLiteral("10")};
    app.dialogs.files = {sheets, keys};
    classSet->trigger();
    watcher.stop();
    EXPECT_TRUE(cancelledAt && cancelledAt < 10);
    EXPECT_EQ(ReadBytes(sheets), "earlier");
    EXPECT_EQ(QDir(folder.file("worksheets")).entryList(QDir::Files), QStringList{"set.pdf"});
    for (const ShownDialog& shown : app.dialogs.shown)
        EXPECT_NE(shown.kind, "message") << shown.text.toStdString();
}

TEST_F(QuizFormTest, ClassSetWritesWhatTheNamesSayOrRefusesThem) {
    SetSums(app.request);
    open();
    const struct {
        QString sheets, keys;
        QByteArray sheetsBegin, keysBegin; // empty: refused, nothing written
        QString said;
    } rows[] = {
        {"Class Test.rtf", "keys.TXT", "{\\rtf", "Math Skills", "a rich-text file"},
        {"set.html", "keys", "<!DOCTYPE html>", "%PDF", "a web page"},
        {"set.doc", "", "", "", ".rtf, .txt or .html"},
        {"set.pdf", "keys.html", "", "", ".pdf, .rtf or .txt."},
    };
    for (const auto& row : rows) {
        app.dialogs.shown.clear();
        app.dialogs.inputs = {QStringLiteral("2")};
        app.dialogs.files = {worksheetFile(row.sheets), worksheetFile(row.keys)};
        window->findChild<QAction*>("ClassSet")->trigger();
        const QString said = app.dialogs.ofKind("message").back().text;
        EXPECT_TRUE(said.contains(row.said)) << said.toStdString();
        const QString keys =
            worksheetFile(QFileInfo(row.keys).suffix().isEmpty() ? row.keys + ".pdf" : row.keys);
        EXPECT_TRUE(ReadBytes(worksheetFile(row.sheets)).startsWith(row.sheetsBegin));
        EXPECT_TRUE(ReadBytes(keys).startsWith(row.keysBegin));
        EXPECT_EQ(QFile::exists(worksheetFile(row.sheets)), !row.sheetsBegin.isEmpty());
    }
}
