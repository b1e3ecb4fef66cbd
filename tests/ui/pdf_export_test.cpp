#include "add_text.h"
#include "file_bytes.h"
#include "ui/pdf_export.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace abacore;

const char* const kFullRow =
    "123456789012345678901234567890123456789012345678901234567890123456789012345";

// A heading, one full 75-character row, then seven-line blocks kept together as a grid flush
// makes them: a numbered problem row, blank lines and an end line.
static Document Sheet(int blocks) {
    Document d;
    Add(d, "Times New Roman", 18, "", "Math Skills Practice Worksheet\n\n");
    Add(d, "Courier New", 11, "", std::string(kFullRow) + "\n");
    for (int block = 1; block <= blocks; ++block) {
        d.SetKeepWithNext(true);
        d.Insert("  " + std::to_string(block) +
                 ")  144 \xC3\xB7 12 =   35 + 17   7 - 2 =\n\n\n\n\n\n");
        d.SetKeepWithNext(false);
        d.Insert("end " + std::to_string(block) + "\n");
    }
    return d;
}

// The file goes through the one atomic writer (file_safety_test pins what it replaces and refuses).
TEST(PdfExport, EachDocumentFromANewPageBlocksKeptTogetherNoPageNumbers) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Quiz 1.pdf");
    Document key;
    key.Insert("Answer Key\n\n 1)   15");
    const Document sheet = Sheet(60);
    WritePdf({&sheet, &key}, path.toStdString(), "Sheet", Paper::Letter);
    ASSERT_TRUE(ReadBytes(path).startsWith("%PDF-"));
    const QString text = PdfText(path);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QStringList pages = text.split('\f');
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(kFullRow)) << "a 75-character row was wrapped";
    EXPECT_TRUE(pages.last().trimmed().startsWith("Answer Key"));
    // Every problem row is whole on one line, printed once, on the page of its end line; no line
    // holds a number alone (a page number).
    int rows = 0;
    for (const QString& page : pages)
        for (const QString& line : page.split('\n')) {
            EXPECT_FALSE(QRegularExpression("^\\s*\\d{1,3}\\s*$").match(line).hasMatch())
                << line.toStdString();
            const QString row = line.simplified();
            if (!row.endsWith(") 144 \u00F7 12 = 35 + 17 7 - 2 ="))
                continue;
            ++rows;
            EXPECT_TRUE(page.contains("end " + row.section(')', 0, 0) + "\n")) << row.toStdString();
        }
    EXPECT_EQ(rows, 60);
}
