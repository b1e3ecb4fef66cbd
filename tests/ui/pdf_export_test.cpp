#include "ui/pdf_export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const char* const kFullRow =
    "123456789012345678901234567890123456789012345678901234567890123456789012345";

// A heading, one full 75-character row, then grid rows.
Document Sheet(int rows) {
    Document d;
    d.SetFontSize(18);
    d.Insert("Math Skills Practice Worksheet\n\n");
    d.SetFontName("Courier New");
    d.SetFontSize(11);
    d.Insert(std::string(kFullRow) + "\n");
    for (int row = 0; row < rows; ++row)
        d.Insert("    1)   144 \xC3\xB7 12 =      2)    35 + 17         3)  7 - 2 =          \n");
    return d;
}

bool IsPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

QStringList FilesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST(PdfExport, WritesEachDocumentFromANewPageWithRowsOnOneLineAndNoPageNumbers) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Quiz 1.pdf");
    Document key;
    key.Insert("Answer Key\n\n 1)   15");
    const Document sheet = Sheet(60);
    EXPECT_EQ(WritePdf({&sheet, &key}, path), "");
    ASSERT_TRUE(IsPdf(path));
    EXPECT_EQ(FilesIn(dir), QStringList{"Quiz 1.pdf"});

    QProcess pdftotext; // pages come out separated by form feeds
    pdftotext.start("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    if (!pdftotext.waitForFinished(30000))
        GTEST_SKIP() << "pdftotext is not installed";
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QStringList pages = text.split('\f');
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    // 60 rows of 11 points take two pages; the answer key starts a third.
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(kFullRow)) << "a 75-character row was wrapped";
    EXPECT_TRUE(pages[2].trimmed().startsWith("Answer Key"));
    // Every grid row is whole on one line and printed once, however the pages fall; no line
    // holds a number alone (a page number).
    const QString row = "1) 144 \u00F7 12 = 2) 35 + 17 3) 7 - 2 =";
    int rows = 0;
    for (const QString& line : text.split('\n')) {
        rows += line.simplified() == row ? 1 : 0;
        EXPECT_FALSE(QRegularExpression("^\\s*\\d{1,3}\\s*$").match(line).hasMatch())
            << line.toStdString();
    }
    EXPECT_EQ(rows, 60);
}

TEST(PdfExport, ParagraphsKeptTogetherNeverStraddleAPage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.pdf");
    Document d;
    d.SetFontName("Courier New");
    d.SetFontSize(11);
    d.Insert("heading\n");
    for (int group = 1; group <= 60; ++group) { // seven-line blocks, as a grid flush makes them
        d.SetKeepWithNext(true);
        d.Insert("top " + std::to_string(group) + "\n\n\n\n\n\n");
        d.SetKeepWithNext(false);
        d.Insert("bottom " + std::to_string(group) + "\n");
    }
    ASSERT_EQ(WritePdf({&d}, path), "");
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    if (!pdftotext.waitForFinished(30000))
        GTEST_SKIP() << "pdftotext is not installed";
    const QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
    int groups = 0;
    for (const QString& page : pages)
        for (int group = 1; group <= 60; ++group)
            if (page.contains(QString("top %1\n").arg(group))) {
                ++groups;
                EXPECT_TRUE(page.contains(QString("bottom %1\n").arg(group))) << group;
            }
    EXPECT_EQ(groups, 60) << "a block went missing";
}

TEST(PdfExport, ReplacesAnEarlierFileAndFailedWritesSayWhyAndLeaveNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old contents") > 0);
    old.close();
    const Document sheet = Sheet(1);
    EXPECT_EQ(WritePdf({&sheet}, path), "");
    EXPECT_TRUE(IsPdf(path));
    const QString message = WritePdf({&sheet}, dir.filePath("no such folder/sheet.pdf"));
    EXPECT_TRUE(message.contains("no such folder") && message.contains("does not exist"))
        << message.toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.pdf"));
    EXPECT_FALSE(WritePdf({&sheet}, dir.filePath("taken.pdf")).isEmpty());
    EXPECT_EQ(FilesIn(dir), QStringList{"sheet.pdf"});
}

TEST(PdfExport, UnwritableFolderKeepsTheEarlierFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the administrator may write anywhere";
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    const Document sheet = Sheet(1);
    ASSERT_EQ(WritePdf({&sheet}, path), "");
    const qint64 size = QFileInfo(path).size();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(WritePdf({&sheet, &sheet}, path).isEmpty());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QFileInfo(path).size(), size);
    EXPECT_EQ(FilesIn(dir), QStringList{"sheet.pdf"});
}
