#include "add_text.h"
#include "ui/document_bridge.h"
#include "worksheet/page_setup.h"
#include "worksheet/rtf_writer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>

namespace {

// Heading, an empty line of another size, directions, a grid row with an underlined cell and a
// tab, a math-squares box line and a coloured right-aligned line.
Document Worksheet() {
    Document d;
    d.setTabStops({0, 15, 30, 45});
    const std::string times = "Times New Roman", courier = "Courier New";
    Add(d, times, 18, "b", Alignment::Centre, "Math \xC3\xB7 Skills {1} \\ \xCE\xA9\n");
    Add(d, times, 14, "", Alignment::Centre, "\n");
    Add(d, times, 10.5, "bi", Alignment::Centre, "Directions: Practice your  skills.\n");
    Add(d, courier, 11, "b", Alignment::Left, "    1)   144 \xC3\xB7 12 =      2)    35");
    Add(d, courier, 11, "bu", Alignment::Left, "+ 17");
    Add(d, courier, 11, "b", Alignment::Left, "\t3)  7 - 2 =   \n");
    Add(d, "Terminal", 11, "", Alignment::Left, "\xE2\x94\x8C\xE2\x94\x80\xE2\x94\x90\n");
    Add(d, courier, 11, "", Alignment::Right, "blue, right\n", {0, 0, 255});
    return d;
}

} // namespace

TEST(DocumentBridge, ModelSurvivesTheWayThroughQt) {
    const Document model = Worksheet();
    QTextDocument qt;
    FillTextDocument(model, qt);
    // The RTF states every paragraph's alignment, tabs, runs and mark format, so equal files
    // mean equal documents.
    EXPECT_EQ(RtfText(ReadTextDocument(qt)), RtfText(model));
    // Filling again replaces everything, and the fill itself cannot be undone.
    FillTextDocument(model, qt);
    EXPECT_FALSE(qt.isUndoAvailable());
    EXPECT_FALSE(qt.isModified());
    EXPECT_EQ(RtfText(ReadTextDocument(qt)), RtfText(model));
    // On Qt's side: the font for text the user types, the page, tabs in pixels.
    EXPECT_EQ(qt.defaultFont().family(), "Times New Roman");
    const double dpi = std::round(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    EXPECT_NEAR(qt.pageSize().width(), PageSetup::textWidthInches * dpi, 0.01);
    EXPECT_NEAR(qt.pageSize().height(), PageSetup::textHeightInches * dpi, 0.01);
    const QList<QTextOption::Tab> tabs = qt.lastBlock().blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 4);
    EXPECT_NEAR(tabs[1].position, 15 * dpi / 1440, 1e-9);
}

TEST(DocumentBridge, EditsMadeInQtReachTheModelAndTheRtf) {
    QTextDocument qt;
    FillTextDocument(Worksheet(), qt);
    // Select "Skills" in the heading and make it red and italic, as the font tools do.
    QTextCursor cursor(&qt);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 7);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 6);
    ASSERT_EQ(cursor.selectedText(), "Skills");
    QTextCharFormat edit;
    edit.setForeground(QColor(255, 0, 0));
    edit.setFontItalic(true);
    cursor.mergeCharFormat(edit);
    // Only italic and the colour change: font, size and bold stay.
    const std::string rtf = RtfText(ReadTextDocument(qt));
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0;"), std::string::npos);
    EXPECT_NE(
        rtf.find("\\f0\\fs36\\b\\i0\\ulnone\\cf1 Math \\'f7 \\i\\cf2 Skills\\i0\\cf1  \\{1\\}"),
        std::string::npos);
}

TEST(DocumentBridge, UnformattedQtTextReadsWithTheDocumentDefaults) {
    QTextDocument qt;
    qt.setDefaultFont(QFont("Courier New", 11));
    qt.setPlainText("first\nsecond");
    QTextCursor cursor(&qt);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString(QChar::LineSeparator) + "third"); // Shift+Enter
    // A format naming its family the older way, not through the list of families.
    QTextCharFormat single;
    single.setProperty(QTextFormat::FontFamily, QStringLiteral("Arial"));
    cursor.insertText(" arial", single);

    const Document read = ReadTextDocument(qt);
    ASSERT_EQ(read.plainText(), "first\nsecond\nthird arial");
    const CharFormat& plain = read.paragraphs()[0].runs[0].format;
    EXPECT_EQ(plain, CharFormat({"Courier New", 11, false, false, false, {}}));
    EXPECT_EQ(read.paragraphs()[0].endFormat, plain);
    ASSERT_EQ(read.paragraphs()[2].runs.size(), 2u);
    EXPECT_EQ(read.paragraphs()[2].runs[1].format.fontName, "Arial");
}
