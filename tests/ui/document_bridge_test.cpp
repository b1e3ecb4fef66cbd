#include "ui/document_bridge.h"
#include "worksheet/page_setup.h"
#include "worksheet/rtf_writer.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <cmath>

namespace {

double ScreenDpi() {
    return std::round(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
}

// Heading, Name/Date line, directions, grid rows with underlined cells and the division sign,
// math-squares box characters and a coloured right-aligned line.
Document Worksheet() {
    Document d;
    d.setTabStops({0, 15, 30, 45});
    d.SetFontSize(18);
    d.SetBold(true);
    d.SetAlignment(Alignment::Centre);
    d.Insert("Math \xC3\xB7 Skills {1} \\ \xCE\xA9\n");
    d.SetFontSize(14);
    d.SetBold(false);
    d.Insert("\nName_____________________________     Date_______________\n");
    d.SetFontSize(10.5);
    d.SetBold(true);
    d.SetItalic(true);
    d.Insert("\nDirections: Practice your  skills.\n\n");
    d.SetItalic(false);
    d.SetFontSize(11);
    d.SetAlignment(Alignment::Left);
    d.SetFontName("Courier New");
    for (int row = 0; row < 3; ++row) {
        d.SetUnderline(false);
        d.Insert("    1)   144 \xC3\xB7 12 =      2)    35");
        d.SetUnderline(true);
        d.Insert("+ 17");
        d.SetUnderline(false);
        d.Insert("\t3)  7 - 2 =   \n");
    }
    d.SetFontName("Terminal");
    d.SetBold(false);
    d.Insert("\xE2\x94\x8C\xE2\x94\x80\xE2\x94\x90\n");
    d.SetFontName("Courier New");
    d.SetColor({0, 0, 255});
    d.SetAlignment(Alignment::Right);
    d.Insert("blue on the right\n");
    return d;
}

void ExpectSameDocument(const Document& got, const Document& want) {
    EXPECT_EQ(got.tabStops(), want.tabStops());
    ASSERT_EQ(got.paragraphs().size(), want.paragraphs().size());
    for (size_t p = 0; p < want.paragraphs().size(); ++p) {
        SCOPED_TRACE("paragraph " + std::to_string(p));
        const Paragraph& a = got.paragraphs()[p];
        const Paragraph& b = want.paragraphs()[p];
        EXPECT_EQ(a.alignment, b.alignment);
        EXPECT_EQ(a.endFormat, b.endFormat);
        ASSERT_EQ(a.runs.size(), b.runs.size());
        for (size_t r = 0; r < b.runs.size(); ++r) {
            EXPECT_EQ(a.runs[r].text, b.runs[r].text);
            EXPECT_EQ(a.runs[r].format, b.runs[r].format) << b.runs[r].text;
        }
    }
}

const ::Run* RunWithText(const Document& d, const std::string& text) {
    for (const Paragraph& p : d.paragraphs())
        for (const ::Run& r : p.runs)
            if (r.text == text)
                return &r;
    return nullptr;
}

} // namespace

TEST(DocumentBridge, ModelSurvivesTheWayThroughQt) {
    const Document model = Worksheet();
    QTextDocument qt;
    FillTextDocument(model, qt);
    ExpectSameDocument(ReadTextDocument(qt), model);

    // Filling again replaces everything, and the fill itself cannot be undone.
    FillTextDocument(model, qt);
    EXPECT_FALSE(qt.isUndoAvailable());
    EXPECT_FALSE(qt.isModified());
    ExpectSameDocument(ReadTextDocument(qt), model);
}

TEST(DocumentBridge, QtDocumentCarriesFormatsTabsAndPage) {
    const Document model = Worksheet();
    QTextDocument qt;
    FillTextDocument(model, qt);
    EXPECT_EQ(qt.blockCount(), static_cast<int>(model.paragraphs().size()));
    EXPECT_EQ(qt.defaultFont().family(), "Times New Roman");
    EXPECT_EQ(qt.defaultFont().pointSizeF(), 12);
    const double dpi = ScreenDpi();
    EXPECT_NEAR(qt.pageSize().width(), PageSetup::textWidthInches * dpi, 0.01);
    EXPECT_NEAR(qt.pageSize().height(), PageSetup::textHeightInches * dpi, 0.01);

    const QTextBlock heading = qt.begin();
    EXPECT_EQ(heading.blockFormat().alignment(), Qt::AlignHCenter);
    const QList<QTextOption::Tab> tabs = heading.blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 4);
    EXPECT_NEAR(tabs[1].position, 15 * dpi / 1440, 1e-9);
    const QTextCharFormat headingFormat = heading.begin().fragment().charFormat();
    EXPECT_EQ(headingFormat.fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(headingFormat.fontPointSize(), 18);
    EXPECT_EQ(headingFormat.fontWeight(), QFont::Bold);

    // The empty line after the heading is as high as the 14-point text that follows it.
    const QTextBlock empty = heading.next();
    EXPECT_EQ(empty.length(), 1);
    EXPECT_EQ(empty.charFormat().fontPointSize(), 14);
}

TEST(DocumentBridge, EditsMadeInQtReachTheModelAndTheRtf) {
    QTextDocument qt;
    FillTextDocument(Worksheet(), qt);
    // Select "Skills" in the heading and make it red and italic, as the font tools do.
    QTextCursor cursor(&qt);
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 7);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 6);
    ASSERT_EQ(cursor.selectedText(), "Skills");
    QTextCharFormat edit;
    edit.setForeground(QColor(255, 0, 0));
    edit.setFontItalic(true);
    cursor.mergeCharFormat(edit);

    const Document read = ReadTextDocument(qt);
    const auto& runs = read.paragraphs()[0].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "Math \xC3\xB7 ");
    EXPECT_EQ(runs[1].text, "Skills");
    EXPECT_TRUE(runs[1].format.italic);
    EXPECT_TRUE(runs[1].format.bold);
    EXPECT_EQ(runs[1].format.fontSize, 18);
    EXPECT_EQ(runs[1].format.color, (Rgb{255, 0, 0}));
    EXPECT_FALSE(runs[2].format.italic);
    const std::string rtf = RtfText(read);
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0;"), std::string::npos);
    EXPECT_NE(rtf.find("\\i\\cf2 Skills\\i0\\cf1  \\{1\\}"), std::string::npos);
}

TEST(DocumentBridge, UnformattedQtTextReadsWithTheDocumentDefaults) {
    QTextDocument qt;
    qt.setDefaultFont(QFont("Courier New", 11));
    qt.setPlainText("first\nsecond");
    QTextCursor cursor(&qt);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString(QChar::LineSeparator) + "third");
    // A format naming its family the older way, not through the list of families.
    QTextCharFormat single;
    single.setProperty(QTextFormat::FontFamily, QStringLiteral("Arial"));
    cursor.insertText(" arial", single);

    const Document read = ReadTextDocument(qt);
    ASSERT_EQ(read.paragraphs().size(), 3u);
    EXPECT_EQ(read.plainText(), "first\nsecond\nthird arial");
    const CharFormat& plain = read.paragraphs()[0].runs[0].format;
    EXPECT_EQ(plain.fontName, "Courier New");
    EXPECT_EQ(plain.fontSize, 11);
    EXPECT_FALSE(plain.bold || plain.italic || plain.underline);
    EXPECT_EQ(plain.color, (Rgb{0, 0, 0}));
    EXPECT_EQ(read.paragraphs()[0].endFormat, plain);
    ASSERT_NE(RunWithText(read, " arial"), nullptr);
    EXPECT_EQ(RunWithText(read, " arial")->format.fontName, "Arial");
}
