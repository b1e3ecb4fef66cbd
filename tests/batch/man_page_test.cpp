// The manual page and --help come from one option list: every option --help shows is in the
// page with the same words, and the page is clean roff.
#include "batch/man_page.h"
#include "run_make.h"

#include <QRegularExpression>

using namespace abacore;

TEST(ManPage, EveryOptionAndActivityOfHelpIsInThePageWithItsText) {
    const QString help = HelpText();
    const QString page = HelpText("--man");
    ASSERT_TRUE(page.startsWith(".TH ABACORE\\-DRILL 1"));
    const auto inPage = [&page](const QString& text) {
        return page.contains(QString::fromStdString(RoffText(text.simplified().toStdString())));
    };
    // An option line: "  -o, --output FILE        text", text continued under column 27.
    static const QRegularExpression option("^  (?:-\\w, )?--([a-z-]+).*(?:\n {27}.*)*",
                                           QRegularExpression::MultilineOption);
    int options = 0;
    for (auto it = option.globalMatch(help); it.hasNext(); ++options) {
        const auto m = it.next();
        QStringList text;
        for (const QString& line : m.captured(0).split('\n'))
            text << line.mid(27);
        EXPECT_TRUE(inPage("--" + m.captured(1))) << m.captured(1).toStdString();
        EXPECT_TRUE(inPage(text.join(' '))) << text.join(' ').toStdString();
    }
    EXPECT_GE(options, 12);
    const auto list = QRegularExpression("ACTIVITY is one of:\\s+([a-z, ]+)\\.").match(help);
    ASSERT_TRUE(list.hasMatch());
    for (const QString& activity : list.captured(1).split(", "))
        EXPECT_TRUE(page.contains(activity)) << activity.toStdString();
}

// A leading dot or quote would be a roff request; man itself finds nothing to warn about.
TEST(ManPage, TextIsPrintedAsWritten) {
    EXPECT_EQ(RoffText("a-b \\n\nnext"), "a\\-b \\en next");
    EXPECT_EQ(RoffText(".rtf"), "\\&.rtf");
    EXPECT_EQ(RoffText("'quoted'"), "\\&'quoted'");
    EXPECT_EQ(RoffText("x.y"), "x.y");
    if (QStandardPaths::findExecutable("man").isEmpty())
        GTEST_SKIP() << "man is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath("abacore-drill.1");
    ASSERT_TRUE(WriteBytes(file, HelpText("--man").toUtf8()));
    QProcess man;
    man.start("man", {"--warnings", "-E", "UTF-8", "-l", file});
    ASSERT_TRUE(man.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(man.readAllStandardError()), QString());
    EXPECT_TRUE(QString::fromUtf8(man.readAllStandardOutput()).contains("--count"));
}
