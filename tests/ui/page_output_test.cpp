#include "add_text.h"
#include "ui/document_bridge.h"
#include "ui/page_output.h"
#include "ui/text_document_pages.h"

#include <QHashSeed>
#include <QPainter>
#include <QTextDocument>
#include <ctime>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

// A page drawn by hand, as the crossword's puzzle and key are: a word in two corners of the
// printable area. Records the area handed over.
struct HandDrawn {
    std::vector<QRectF> areas;
    PainterPages pages{{
        [this](QPainter& painter, const QRectF& page) {
            areas.push_back(page);
            painter.setFont(QFont("Times New Roman", 12));
            painter.drawText(page, Qt::AlignRight | Qt::AlignTop, "TopRightCorner");
            painter.drawText(page, Qt::AlignLeft | Qt::AlignBottom, "BottomLeftCorner");
        },
    }};
};

// Every entry of the cross-reference table points at the start of its object, as a reader needs.
bool CrossReferencesHold(const QByteArray& pdf) {
    const qsizetype table = pdf.lastIndexOf("\nxref\n") + 1;
    const QList<QByteArray> lines = pdf.mid(table).split('\n');
    if (table == 0 || lines.size() < 3)
        return false;
    const int count = lines[1].split(' ').value(1).toInt();
    for (int object = 1; object < count; ++object) {
        const QByteArray entry = lines.value(2 + object);
        const QByteArray start = QByteArray::number(object) + " 0 obj";
        if (entry.endsWith("n ") && pdf.mid(entry.left(10).toLongLong(), start.size()) != start)
            return false;
    }
    const qsizetype startxref = pdf.lastIndexOf("startxref\n") + 10;
    return pdf.mid(startxref).split('\n').value(0).trimmed().toLongLong() == table;
}

} // namespace

TEST(PagePath, HandDrawnPagesGetThePrintableAreaAndTheSameBytesInAnyRunAndTimeZone) {
    QTextDocument sheet;
    FillTextDocument(SampleSheet("Quiz"), sheet, Paper::Letter);
    const auto render = [&] {
        HandDrawn puzzle;
        TextDocumentPages text(sheet);
        const QByteArray bytes = PdfBytes({&text, &puzzle.pages}, "Quiz", Paper::Letter);
        // Each page drawn by hand gets the printable area: 7.3 by 9.5 inches at 1200 dots an
        // inch (Qt rounds the margins to whole points).
        EXPECT_EQ(puzzle.areas.size(), 1u);
        const QRectF area = puzzle.areas.at(0);
        EXPECT_EQ(area.topLeft(), QPointF(0, 0));
        EXPECT_NEAR(area.width(), 7.3 * 1200, 2 * 1200 / 72);
        EXPECT_NEAR(area.height(), 9.5 * 1200, 2 * 1200 / 72);
        return bytes;
    };
    const QByteArray first = render();
    // As another run elsewhere would: hash tables salted afresh, the clock in another zone.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata");
    tzset();
    QHashSeed::resetRandomGlobalSeed();
    const QByteArray second = render();
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();

    EXPECT_EQ(first, second);
    EXPECT_FALSE(first.contains("/CreationDate"));
    EXPECT_TRUE(CrossReferencesHold(first));
    EXPECT_TRUE(first.contains(QByteArray("/Title (\xFE\xFF\0Q\0u\0i\0z)", 19)));
    // On A4, the narrower and taller page.
    HandDrawn onA4;
    EXPECT_TRUE(
        PdfBytes({&onA4.pages}, "Quiz", Paper::A4).contains("/MediaBox [0 0 595.000000 842"));
    EXPECT_NEAR(onA4.areas.at(0).width(), (210 / 25.4 - 1.2) * 1200, 2 * 1200 / 72);
    EXPECT_NEAR(onA4.areas.at(0).height(), (297 / 25.4 - 1.5) * 1200, 2 * 1200 / 72);
}

// Out of memory while drawing, the painter is abandoned rather than ended by its destructor
// (which would throw again and stop the program): the caller hears of it in words, and the next
// file is drawn as ever.
TEST(PagePath, RunningOutOfMemoryWhileDrawingIsAWriteErrorInWords) {
    PainterPages failing{{[](QPainter&, const QRectF&) {},
                          [](QPainter&, const QRectF&) { throw std::bad_alloc(); }}};
    try {
        PdfFile({&failing}, "big.pdf", "Big", Paper::Letter);
        ADD_FAILURE() << "drawn";
    } catch (const WriteError& e) {
        EXPECT_EQ(std::string(e.what()), std::string("Cannot write big.pdf: ") + kPagesOutOfMemory);
    }
    HandDrawn puzzle;
    EXPECT_TRUE(PdfBytes({&puzzle.pages}, "Quiz", Paper::Letter).startsWith("%PDF"));
}
