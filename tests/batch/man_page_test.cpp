// The manual page and --help come from one option list: every option --help shows is in the
// page with the same words, and the page is clean roff.
#include "batch/man_page.h"
#include "run_make.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace abacore;

TEST(ManPage, EveryOptionOfHelpIsInThePageWithItsText) {
    const QString help = HelpText();
    const QString page = HelpText("--man");
    ASSERT_TRUE(page.startsWith(".TH ABACORE\\-DRILL 1"));
    // An option line: "  -o, --output FILE        text", text continued under column 27.
    constexpr int kTextColumn = 27;
    std::vector<std::pair<QString, QString>> options; // names, text
    for (const QString& line : help.split('\n')) {
        if (line.startsWith(QStringLiteral("  -")))
            options.emplace_back(line.left(kTextColumn).trimmed(), line.mid(kTextColumn));
        else if (line.startsWith(QString(kTextColumn, ' ')) && !options.empty())
            options.back().second += ' ' + line.mid(kTextColumn);
    }
    ASSERT_GE(options.size(), 12u);
    for (const auto& [names, text] : options) {
        for (const QString& name : names.split(QRegularExpression(QStringLiteral("[, ]+")))) {
            if (!name.startsWith('-'))
                continue; // the value's name
            EXPECT_TRUE(page.contains(QString::fromStdString(RoffText(name.toStdString()))))
                << name.toStdString();
        }
        EXPECT_TRUE(page.contains(QString::fromStdString(RoffText(text.toStdString()))))
            << text.toStdString();
    }
    // Each activity that make takes is named in both.
    const auto list =
        QRegularExpression(QStringLiteral("ACTIVITY is one of:\\s+([a-z, ]+)\\.")).match(help);
    ASSERT_TRUE(list.hasMatch());
    for (const QString& activity : list.captured(1).split(QStringLiteral(", ")))
        EXPECT_TRUE(page.contains(activity)) << activity.toStdString();
    for (const QString& line : help.split('\n'))
        EXPECT_LE(line.size(), 100) << line.toStdString();
}

TEST(ManPage, TextIsPrintedAsWritten) {
    EXPECT_EQ(RoffText("a-b \\n\nnext"), "a\\-b \\en next");
    // A leading dot or quote would be a roff request.
    EXPECT_EQ(RoffText(".rtf"), "\\&.rtf");
    EXPECT_EQ(RoffText("'quoted'"), "\\&'quoted'");
    EXPECT_EQ(RoffText("x.y"), "x.y");

    // man itself finds nothing to warn about, where it is installed.
    if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty())
        GTEST_SKIP() << "man is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("abacore-drill.1"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(HelpText("--man").toUtf8());
    out.close();
    QProcess man;
    man.start(QStringLiteral("man"), {"--warnings", "-E", "UTF-8", "-l", file});
    ASSERT_TRUE(man.waitForFinished(60000));
    EXPECT_EQ(QString::fromUtf8(man.readAllStandardError()), QString());
    EXPECT_TRUE(QString::fromUtf8(man.readAllStandardOutput()).contains(QStringLiteral("--count")));
}
