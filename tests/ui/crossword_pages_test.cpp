// The crossword's pages as drawn: read back pixel by pixel, cell by cell.
#include "../crossword/crossword_request.h"
#include "crossword/crossword_page.h"
#include "crossword/puzzle_layout.h"
#include "maker/version_maker.h"
#include "ui/crossword_pages.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using namespace abacore;
using namespace PuzzleGeometry;

namespace {

constexpr double kDotsPerInch = 200;
constexpr double kPixelsPerTwip = kDotsPerInch / 1440;

QImage Render(PageSource& pages, int index) {
    const TwipSize letter = PrintableArea(Paper::Letter);
    QImage image(qRound(letter.width * kPixelsPerTwip), qRound(letter.height * kPixelsPerTwip),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kDotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(kDotsPerInch / 0.0254));
    image.fill(Qt::white);
    pages.layOut(image, QSizeF(image.size()));
    QPainter painter(&image);
    pages.paint(painter, index, QRectF(image.rect()));
    painter.end();
    return image;
}

bool IsDark(const QColor& c) {
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

// Whether any pixel of the rectangle (in twips of the page) passes `test`.
bool AnyPixel(const QImage& image, const QRectF& twips, const std::function<bool(QColor)>& test) {
    const QRect pixels(
        QPoint(qCeil(twips.left() * kPixelsPerTwip), qCeil(twips.top() * kPixelsPerTwip)),
        QPoint(qFloor(twips.right() * kPixelsPerTwip), qFloor(twips.bottom() * kPixelsPerTwip)));
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

struct Grid {
    QRectF area;         // the grid's background, in twips of the page
    TwipOffset centring; // of the cells in it
    QRectF cell(int x, int y) const {
        const double k = area.width() / kGridAreaWidth;
        return QRectF(area.left() + k * (kGridMargin + centring.x + (x - 1) * kCellWidth),
                      area.top() + k * (kGridMargin + centring.y + (y - 1) * kCellHeight),
                      k * kCellWidth, k * kCellHeight);
    }
};

} // namespace

// Empty cells show the background (the picture behind them is make_picture_test's); each cell of
// an entry is a white box in a black frame with its entry number in the puzzle and its character
// in the key.
TEST(CrosswordPages, CellsAreFramedWhiteBoxesOnTheBackground) {
    WorksheetRequest request = CrosswordRequest(Skill::Addition, 0, 1000, 0, 1000, 30);
    request.Heading = "Thirty Sums";
    RandomSource random(5);
    const CrosswordPage page =
        std::get<MadeVersions>(MakeVersions(request, random)).puzzles.front();
    CrosswordLook look;
    look.colour = QColor(0, 0, 255);
    const QColor background = look.colour;
    PainterPages puzzlePages = CrosswordPuzzlePages(page, look);
    PainterPages keyPages = CrosswordKeyPages(page, look);
    const QImage puzzle = Render(puzzlePages, 0);
    const QImage key = Render(keyPages, 0);
    const TwipRect area = LayOutPuzzle(page, PrintableArea(Paper::Letter)).gridArea;
    const TwipOffset centring = CentringOffset(page);
    EXPECT_GT(centring.x, 0) << "the builder leaves the right of the grid empty";
    const Grid puzzleGrid{QRectF(area.x, area.y, area.width, area.height), centring};
    // On the key the grid lies under the heading's band.
    const TwipRect keyArea = KeyArea(page.heading, PrintableArea(Paper::Letter));
    const double k = static_cast<double>(keyArea.width) / kGridAreaWidth;
    const Grid keyGrid{QRectF(keyArea.x, keyArea.y + k * HeadingBand(page.heading), keyArea.width,
                              k * kGridAreaHeight),
                       centring};

    const auto notWhite = [](QColor c) { return c != QColor(Qt::white); };
    const auto middle = [](const QRectF& r) {
        return r.adjusted(r.width() / 5, r.height() / 5, -r.width() / 5, -r.height() / 5);
    };
    int framed = 0;
    for (int y = 1; y <= kCrosswordRows; ++y) {
        for (int x = 1; x <= kCrosswordColumns; ++x) {
            const PageCell& cell = page.cell(x, y);
            const QRectF box = puzzleGrid.cell(x, y);
            const QRectF keyBox = keyGrid.cell(x, y);
            const std::string where = "cell " + std::to_string(x) + "," + std::to_string(y);
            // Cells moved past the grid's edge by the centring hold nothing.
            if (!puzzleGrid.area.contains(box)) {
                EXPECT_TRUE(cell.isEmpty()) << where;
                continue;
            }
            if (cell.isEmpty()) {
                EXPECT_EQ(key.pixelColor((keyBox.center() * kPixelsPerTwip).toPoint()), background)
                    << where;
                continue;
            }
            // The number in the top left corner of a start cell; nothing in the others.
            const QRectF corner(box.topLeft(), QSizeF(box.width() * 0.7, box.height() * 0.45));
            EXPECT_EQ(
                AnyPixel(puzzle, corner.adjusted(box.width() / 8, box.height() / 8, 0, 0), IsDark),
                cell.number != 0)
                << where;
            // A white box below the number.
            EXPECT_FALSE(
                AnyPixel(puzzle, middle(box).adjusted(0, box.height() / 5, 0, 0), notWhite))
                << where;
            EXPECT_TRUE(AnyPixel(key, middle(keyBox), IsDark)) << where;
            // The frame on the side of an empty neighbour.
            if (x > 1 && page.cell(x - 1, y).isEmpty()) {
                const QRectF edge(box.left() - 10, box.center().y() - 10, 20, 20);
                EXPECT_TRUE(AnyPixel(puzzle, edge, IsDark)) << where;
                ++framed;
            }
        }
    }
    EXPECT_GT(framed, 5);

    // A camera's picture is made small enough for a page before it is drawn.
    QImage photo(4400, 3300, QImage::Format_RGB32);
    photo.fill(Qt::green);
    EXPECT_EQ(WithPicture({}, photo).picture.size(), QSize(2200, 1650));
}
