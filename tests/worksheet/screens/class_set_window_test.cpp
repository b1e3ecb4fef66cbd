// "Class Set..." in the worksheet window: cancelled half-way it writes nothing and leaves an
// earlier file as it was (what a class set holds is tested through make).
#include "quiz_form_fixture.h"

#include <QProgressDialog>
#include <QTimer>

using namespace abacore;

TEST_F(QuizFormTest, ClassSetCancelledHalfWayWritesNothing) {
    ApplySkillChoice(app.request, {true, false, false, false});
    app.request.ProblemStyle = StyleBit::kHorizontal;
    app.request.FirstMax = 100;
    app.request.SecondMax = 100;
    app.request.ProblemCount = 20;
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
