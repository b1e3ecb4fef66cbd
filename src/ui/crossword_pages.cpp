#include "ui/crossword_pages.h"

#include "crossword/puzzle_layout.h"
#include "ui/qt_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <memory>

namespace abacore {

namespace {

using namespace PuzzleGeometry;

QRectF Rect(const TwipRect& r) {
    return QRectF(r.x, r.y, r.width, r.height);
}

// The printable area in whole twips, so that the layout never reaches past it (a hair above a
// whole twip is the division's rounding, not a part of the next one).
TwipSize AreaOf(const QSizeF& inches) {
    const auto twips = [](double length) {
        return static_cast<int>(std::floor(length * PageSetup::kTwipsPerInch + 1e-6));
    };
    return {twips(inches.width()), twips(inches.height())};
}

// From here on the painter draws in twips of the layout, scaled to the printable area.
void ScaleToPage(QPainter& painter, const QRectF& page, TwipSize area) {
    const double scale = std::min(page.width() / area.width, page.height() / area.height);
    painter.translate(page.left() + (page.width() - area.width * scale) / 2, page.top());
    painter.scale(scale, scale);
}

void PaintListLine(QPainter& painter, const PrintedLine& line) {
    if (line.kind == PrintedLineKind::Blank)
        return;
    QFont font = CrosswordFont(kTextSize, line.kind == PrintedLineKind::Caption);
    font.setUnderline(line.kind == PrintedLineKind::Caption);
    painter.setFont(font);
    const QRectF box = Rect(line.box);
    // The layout leaves room for every line; a font wider than expected is cut, never
    // drawn over the next column.
    const QString text =
        QFontMetricsF(font).elidedText(QText(line.text), Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
}

void PaintPuzzlePage(QPainter& painter, const QRectF& page, int index, const CrosswordPage& puzzle,
                     const CrosswordLook& look, const PuzzleLayout& layout, TwipSize area) {
    ScaleToPage(painter, page, area);
    painter.setPen(Qt::black);
    if (index == 0) {
        painter.setFont(CrosswordFont(kTextSize));
        painter.drawText(Rect(layout.nameDate), Qt::AlignLeft | Qt::AlignVCenter,
                         QText(NameLineFor(CrosswordText::kNameDateLine, puzzle.version)));
        if (puzzle.version.inSet())
            painter.drawText(Rect(layout.version), Qt::AlignHCenter | Qt::AlignVCenter,
                             QText(VersionLabel(puzzle.version)));
        DrawFittedText(painter, Rect(layout.heading), QText(puzzle.heading),
                       CrosswordFont(kHeadingSize, true));
        painter.setPen(Qt::black);
        PaintCrossword(painter, Rect(layout.gridArea), puzzle, CellText::EntryNumbers, look, false);
    }
    for (const PrintedLine& line : layout.lines)
        if (line.page == index)
            PaintListLine(painter, line);
}

} // namespace

PainterPages CrosswordPuzzlePages(const CrosswordPage& puzzle, const CrosswordLook& look) {
    auto shared = std::make_shared<const CrosswordPage>(puzzle);
    PainterPages out([shared, look](const QSizeF& inches) {
        const TwipSize area = AreaOf(inches);
        auto layout = std::make_shared<const PuzzleLayout>(LayOutPuzzle(*shared, area));
        std::vector<PainterPages::PaintPage> pages;
        for (int i = 0; i < layout->pages; ++i)
            pages.push_back([shared, layout, look, i, area](QPainter& painter, const QRectF& page) {
                PaintPuzzlePage(painter, page, i, *shared, look, *layout, area);
            });
        return pages;
    });
    out.footer = QText(puzzle.code);
    return out;
}

PainterPages CrosswordKeyPages(const CrosswordPage& puzzle, const CrosswordLook& look) {
    auto shared = std::make_shared<const CrosswordPage>(puzzle);
    PainterPages out([shared, look](const QSizeF& inches) {
        const TwipSize area = AreaOf(inches);
        std::vector<PainterPages::PaintPage> pages;
        pages.push_back([shared, look, area](QPainter& painter, const QRectF& page) {
            ScaleToPage(painter, page, area);
            PaintCrossword(painter, Rect(KeyArea(shared->heading, area)), *shared,
                           CellText::Characters, look, true);
            if (shared->version.inSet()) {
                painter.setPen(Qt::black);
                painter.setFont(CrosswordFont(kTextSize));
                painter.drawText(Rect(KeyVersionLine(shared->heading, area)),
                                 Qt::AlignHCenter | Qt::AlignVCenter,
                                 QText(PupilVersionLabel(shared->version)));
            }
        });
        return pages;
    });
    out.footer = QText(puzzle.code);
    return out;
}

} // namespace abacore
