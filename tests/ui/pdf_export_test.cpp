#include "ui/pdf_export.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const char* const fullRow =
    "123456789012345678901234567890123456789012345678901234567890123456789012345";

Document Sheet(int rows) {
    Document d;
    d.setTabStops({0, 15, 30, 45});
    d.SetFontSize(18);
    d.SetBold(true);
    d.SetAlignment(Alignment::Centre);
    d.Insert("Math Skills Practice Worksheet\n");
    d.SetFontSize(14);
    d.SetBold(false);
    d.Insert("\nName_____________________________     Date_______________\n\n");
    d.SetFontSize(11);
    d.SetBold(true);
    d.SetAlignment(Alignment::Left);
    d.SetFontName("Courier New");
    d.Insert(std::string(fullRow) + "\n");
    for (int row = 0; row < rows; ++row) {
        d.SetUnderline(false);
        d.Insert("    1)   144 \xC3\xB7 12 =      2)    35 ");
        d.SetUnderline(true);
        d.Insert("+ 17");
        d.SetUnderline(false);
        d.Insert("         3)  7 - 2 =                 \n");
    }
    return d;
}

Document AnswerKey() {
    Document d;
    d.SetAlignment(Alignment::Centre);
    d.SetBold(true);
    d.Insert("Math Skills Practice Worksheet\nAnswer Key\n\n");
    d.SetAlignment(Alignment::Left);
    d.Insert("\n1) 12");
    return d;
}

// The text of a PDF, pages separated by form feeds; empty when pdftotext is not installed.
QString PdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {"-layout", "-enc", "UTF-8", path, "-"});
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool StartsWithPdfMark(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

} // namespace

TEST(PdfExport, WritesEachDocumentFromANewPageWithRowsOnOneLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Quiz 1.pdf");
    const Document sheet = Sheet(60), key = AnswerKey();
    EXPECT_EQ(WritePdf({&sheet, &key}, path), "");
    ASSERT_TRUE(StartsWithPdfMark(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Quiz 1.pdf"});

    const QString text = PdfText(path);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QStringList pages = text.split('\f');
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    // 60 rows of 11 points take two pages; the answer key starts a third.
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains("Math Skills Practice Worksheet"));
    EXPECT_TRUE(pages[0].contains(fullRow)) << "a 75-character row was wrapped";
    // Every grid row is whole on one line and printed once, however the pages fall.
    const QString row = "1) 144 \u00F7 12 = 2) 35 + 17 3) 7 - 2 =";
    int rows = 0;
    for (const QString& line : text.split('\n'))
        rows += line.simplified() == row ? 1 : 0;
    EXPECT_EQ(rows, 60);
    EXPECT_TRUE(pages[1].simplified().contains(row));
    EXPECT_TRUE(pages[2].contains("Answer Key"));
    EXPECT_FALSE(pages[2].contains("144"));
    // No page numbers: no line holds a number alone.
    for (const QString& line : text.split('\n'))
        EXPECT_FALSE(QRegularExpression("^\\s*\\d{1,3}\\s*$").match(line).hasMatch())
            << line.toStdString();
}

TEST(PdfExport, PrintsQtDocumentsAsTheyWereEdited) {
    QTemporaryDir dir;
    const QString path = dir.filePath("edited.pdf");
    QTextDocument first, second;
    first.setPlainText("typed by the user");
    second.setHtml("<p><b>second</b> document</p>");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ASSERT_TRUE(PrintDocuments({&first, &second}, printer));
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    EXPECT_NEAR(printer.pageLayout().margins(QPageLayout::Inch).left(), 0.6, 1e-6);
    ASSERT_TRUE(StartsWithPdfMark(path));
    const QString text = PdfText(path);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QStringList pages = text.split('\f');
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("typed by the user"));
    EXPECT_TRUE(pages[1].contains("second document"));
}

TEST(PdfExport, FailedWriteSaysWhyAndLeavesNoFile) {
    QTemporaryDir dir;
    const Document sheet = Sheet(2);

    const QString missing = dir.filePath("no such folder/sheet.pdf");
    const QString message = WritePdf({&sheet}, missing);
    EXPECT_TRUE(message.contains("no such folder")) << message.toStdString();
    EXPECT_TRUE(message.contains("does not exist")) << message.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.pdf"));
    EXPECT_FALSE(WritePdf({&sheet}, dir.filePath("taken.pdf")).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

TEST(PdfExport, UnwritableFolderKeepsTheEarlierFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the administrator may write anywhere";
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    const Document sheet = Sheet(2);
    ASSERT_EQ(WritePdf({&sheet}, path), "");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const QString message = WritePdf({&sheet}, path);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_TRUE(StartsWithPdfMark(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.pdf"});
}

TEST(PdfExport, ReplacesAnEarlierFileOfTheSameName) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    const Document sheet = Sheet(1);
    EXPECT_EQ(WritePdf({&sheet}, path), "");
    EXPECT_TRUE(StartsWithPdfMark(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.pdf"});
}
