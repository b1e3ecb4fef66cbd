#include "ui/crossword_painter.h"

#include "crossword/puzzle_layout.h"
#include "ui/qt_text.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

namespace abacore {

namespace {

using namespace PuzzleGeometry;

// Frames of the cells; about a pixel on the screen, a thin line on paper.
constexpr int kFrameWidth = 15;
// Shrinking text to fit stops here: a longer heading is cut rather than made unreadable.
constexpr int kMostShrinkSteps = 12;
// Entry numbers at 7.5 points, digits at 12.6 points in a printed cell.
constexpr int kNumberSize = 150;
constexpr int kCharacterSize = kCellHeight * 3 / 5;
constexpr int kFittedTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
// Enough for a full page at 200 dots per inch; a camera's full size only slows the drawing and
// swells the PDF files.
constexpr int kLargestPictureSide = 2200;

bool IsDark(const QColor& colour) {
    return 0.299 * colour.redF() + 0.587 * colour.greenF() + 0.114 * colour.blueF() < 0.5;
}

void PaintBackground(QPainter& painter, const QRectF& area, const CrosswordLook& look) {
    if (!look.showsPicture()) {
        painter.fillRect(area, look.colour);
        return;
    }
    painter.fillRect(area, Qt::white);
    // Scaled to cover the whole area, the picture's middle kept.
    const QSizeF source = look.picture.size();
    const double scale = std::max(area.width() / source.width(), area.height() / source.height());
    const QSizeF shown(area.width() / scale, area.height() / scale);
    const QRectF cut(
        QPointF((source.width() - shown.width()) / 2, (source.height() - shown.height()) / 2),
        shown);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, look.picture, cut);
    painter.restore();
}

void PaintHeading(QPainter& painter, const QRectF& band, const std::string& heading,
                  const CrosswordLook& look) {
    if (heading.empty())
        return;
    const QRectF box = band.adjusted(kGridMargin, kLinePitch / 2, -kGridMargin, -kLinePitch / 2);
    const QString text = QText(heading);
    painter.save();
    if (look.showsPicture()) {
        // Readable over any picture: a light plate just round the text.
        painter.setFont(FittedFont(painter, box, text, CrosswordFont(kHeadingSize, true)));
        const QRectF used = painter.boundingRect(box, kFittedTextFlags, text) & box;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 210));
        painter.drawRoundedRect(
            used.adjusted(-kLinePitch / 2, -kLinePitch / 4, kLinePitch / 2, kLinePitch / 4),
            kLinePitch / 3, kLinePitch / 3);
        painter.setPen(Qt::black);
    } else {
        painter.setPen(IsDark(look.colour) ? Qt::white : Qt::black);
    }
    DrawFittedText(painter, box, text, CrosswordFont(kHeadingSize, true));
    painter.restore();
}

void PaintCells(QPainter& painter, const QPointF& origin, const CrosswordPage& page,
                CellText text) {
    const auto cellRect = [&origin](int x, int y) {
        return QRectF(origin.x() + (x - 1) * kCellWidth, origin.y() + (y - 1) * kCellHeight,
                      kCellWidth, kCellHeight);
    };
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (int y = 1; y <= kCrosswordRows; ++y)
        for (int x = 1; x <= kCrosswordColumns; ++x)
            if (!page.cell(x, y).isEmpty())
                painter.drawRect(cellRect(x, y));
    // Frames after every box, so a neighbour's box never covers half a frame.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (int y = 1; y <= kCrosswordRows; ++y)
        for (int x = 1; x <= kCrosswordColumns; ++x)
            if (!page.cell(x, y).isEmpty())
                painter.drawRect(cellRect(x, y));

    if (text == CellText::Characters) {
        painter.setFont(CrosswordFont(kCharacterSize, true));
        for (int y = 1; y <= kCrosswordRows; ++y)
            for (int x = 1; x <= kCrosswordColumns; ++x)
                if (const PageCell& cell = page.cell(x, y); !cell.isEmpty())
                    painter.drawText(cellRect(x, y), Qt::AlignCenter, QText(cell.character));
    } else {
        painter.setFont(CrosswordFont(kNumberSize));
        constexpr int kInset = 2 * kFrameWidth;
        for (int y = 1; y <= kCrosswordRows; ++y)
            for (int x = 1; x <= kCrosswordColumns; ++x)
                if (const PageCell& cell = page.cell(x, y); cell.number != 0)
                    painter.drawText(cellRect(x, y).adjusted(kInset, kInset / 2, 0, 0),
                                     Qt::AlignLeft | Qt::AlignTop, QString::number(cell.number));
    }
    painter.restore();
}

// Where PaintCrossword puts its drawing in twips: scaled by `scale`, moved by `offset`.
struct Fit {
    int band = 0; // the heading's height
    double scale = 0;
    QPointF offset;
    QPointF cellsOrigin; // of cell (1, 1), in twips
};

Fit FitOf(const QRectF& area, const CrosswordPage& page, bool withHeading) {
    Fit fit;
    fit.band = withHeading ? HeadingBand(page.heading) : 0;
    const double designHeight = kGridAreaHeight + fit.band;
    fit.scale = std::min(area.width() / kGridAreaWidth, area.height() / designHeight);
    fit.offset = QPointF(area.center().x() - kGridAreaWidth * fit.scale / 2,
                         area.center().y() - designHeight * fit.scale / 2);
    const TwipOffset centring = CentringOffset(page);
    fit.cellsOrigin = QPointF(kGridMargin + centring.x, fit.band + kGridMargin + centring.y);
    return fit;
}

} // namespace

CrosswordLook WithBackground(CrosswordLook look, int selected) {
    const BackgroundLook chosen = LookOf(selected);
    look.colour = QColor(chosen.colour.r, chosen.colour.g, chosen.colour.b);
    look.pictureShown = chosen.pictureShown;
    return look;
}

CrosswordLook WithPicture(CrosswordLook look, const QImage& picture) {
    look.picture = picture.width() > kLargestPictureSide || picture.height() > kLargestPictureSide
                       ? picture.scaled(kLargestPictureSide, kLargestPictureSide,
                                        Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       : picture;
    return look;
}

QFont CrosswordFont(int size, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(std::max(1, size));
    font.setBold(bold);
    return font;
}

QFont FittedFont(QPainter& painter, const QRectF& box, const QString& text, QFont font) {
    for (int step = 0; step < kMostShrinkSteps; ++step) {
        painter.setFont(font);
        const QRectF needed = painter.boundingRect(box, kFittedTextFlags, text);
        if (needed.height() <= box.height() && needed.width() <= box.width())
            break;
        font.setPixelSize(std::max(1, font.pixelSize() * 9 / 10));
    }
    return font;
}

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, QFont font) {
    painter.save();
    painter.setFont(FittedFont(painter, box, text, std::move(font)));
    painter.setClipRect(box, Qt::IntersectClip);
    painter.drawText(box, kFittedTextFlags, text);
    painter.restore();
}

double CrosswordAspect(const CrosswordPage& page, bool withHeading) {
    const int height = kGridAreaHeight + (withHeading ? HeadingBand(page.heading) : 0);
    return static_cast<double>(kGridAreaWidth) / height;
}

void PaintCrossword(QPainter& painter, const QRectF& area, const CrosswordPage& page, CellText text,
                    const CrosswordLook& look, bool withHeading) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintBackground(painter, area, look);

    // The rest is drawn in twips, scaled to fit the area.
    const Fit fit = FitOf(area, page, withHeading);
    if (fit.scale <= 0) {
        painter.restore();
        return;
    }
    painter.translate(fit.offset);
    painter.scale(fit.scale, fit.scale);
    if (withHeading)
        PaintHeading(painter, QRectF(0, 0, kGridAreaWidth, fit.band), page.heading, look);
    PaintCells(painter, fit.cellsOrigin, page, text);
    painter.restore();
}

QRectF CrosswordCellRect(const QRectF& area, const CrosswordPage& page, bool withHeading, int x,
                         int y) {
    const Fit fit = FitOf(area, page, withHeading);
    const QRectF cell(fit.cellsOrigin.x() + (x - 1) * kCellWidth,
                      fit.cellsOrigin.y() + (y - 1) * kCellHeight, kCellWidth, kCellHeight);
    return QRectF(fit.offset + cell.topLeft() * fit.scale, cell.size() * fit.scale);
}

} // namespace abacore
