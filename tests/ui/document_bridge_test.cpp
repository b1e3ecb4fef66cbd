#include "add_text.h"
#include "document/page_setup.h"
#include "document/rtf_writer.h"
#include "ui/document_bridge.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

using namespace abacore;

static const Document Sample = SampleSheet("Math \xC3\xB7 Skills {1} \\ \xCE\xA9");

TEST(DocumentBridge, ModelSurvivesTheWayThroughQtAndEditsReachTheRtf) {
    QTextDocument qt;
    FillTextDocument(Sample, qt, Paper::Letter);
    // The RTF states every paragraph's alignment, tabs, runs and mark format, so equal files
    // mean equal documents.
    EXPECT_EQ(RtfText(ReadTextDocument(qt), Paper::Letter), RtfText(Sample, Paper::Letter));
    EXPECT_FALSE(qt.isUndoAvailable() || qt.isModified()) << "the fill itself cannot be undone";
    // On Qt's side: the page and tabs in pixels.
    const double dpi = std::round(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    EXPECT_NEAR(qt.pageSize().width(), PageSetup::kLetter.textWidthInches() * dpi, 0.01);
    EXPECT_NEAR(qt.pageSize().height(), PageSetup::kLetter.textHeightInches() * dpi, 0.01);
    const QList<QTextOption::Tab> tabs = qt.lastBlock().blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 4);
    EXPECT_NEAR(tabs[1].position, 15 * dpi / 1440, 1e-9);
    // The box line's exact line height, in pixels too; the lines around it keep the font's.
    const QTextBlock box = qt.findBlockByNumber(3);
    EXPECT_EQ(box.blockFormat().lineHeightType(), QTextBlockFormat::FixedHeight);
    EXPECT_NEAR(box.blockFormat().lineHeight(), 11.5 * dpi / 72, 1e-9);
    EXPECT_EQ(box.next().blockFormat().lineHeightType(), QTextBlockFormat::SingleHeight);

    // Select "Skills" in the heading and make it blue and italic, as the font tools do.
    QTextCursor cursor(&qt);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 7);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 6);
    QTextCharFormat edit;
    edit.setForeground(QColor(0, 0, 255));
    edit.setFontItalic(true);
    cursor.mergeCharFormat(edit);
    // Only italic and the colour change: font, size and bold stay. The model still holds all of
    // the document, so Export PDF lays it out from the model.
    const std::string rtf = RtfText(ReadTextDocument(qt), Paper::Letter);
    const std::optional<Document> exact = ExactModel(qt);
    ASSERT_TRUE(exact.has_value());
    EXPECT_EQ(RtfText(*exact, Paper::Letter), rtf);
    EXPECT_NE(rtf.find("\\red0\\green0\\blue255;"), std::string::npos);
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

// Edits the model has no word for keep a document from being laid out from its model, which
// would print the sheet without them.
TEST(DocumentBridge, NoExactModelForWhatTheModelCannotHold) {
    const std::function<void(QTextCursor&)> edits[] = {
        [](QTextCursor& c) {
            QTextCharFormat highlight;
            highlight.setBackground(QColor(Qt::yellow));
            c.mergeCharFormat(highlight);
        },
        [](QTextCursor& c) {
            QTextCharFormat semibold;
            semibold.setFontWeight(QFont::DemiBold);
            c.mergeCharFormat(semibold);
        },
        [](QTextCursor& c) {
            QTextBlockFormat indent;
            indent.setIndent(1);
            c.mergeBlockFormat(indent);
        },
        [](QTextCursor& c) { // Shift+Enter, in the last paragraph
            c.movePosition(QTextCursor::End);
            c.insertText(QString(QChar::LineSeparator) + "more");
        },
        [](QTextCursor& c) { c.insertText(QString(QChar::ObjectReplacementCharacter)); },
        [](QTextCursor& c) { c.createList(QTextListFormat::ListDisc); },
        [](QTextCursor& c) { c.insertTable(1, 2); },
        [](QTextCursor& c) { c.document()->setDefaultFont(QFont("Courier New", 12)); },
    };
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        QTextDocument qt;
        FillTextDocument(Sample, qt, Paper::Letter);
        QTextCursor cursor(&qt);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 7);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 6);
        edits[i](cursor);
        EXPECT_FALSE(ExactModel(qt).has_value()) << "edit " << i;
    }
}
