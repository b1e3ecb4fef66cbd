#pragma once
// The one drawing of the crossword grid: the answer display, the builder window's preview, the
// printed puzzle, the printed answer key and the PDF files all paint through here.

#include "crossword/crossword_page.h"
#include "crossword/puzzle_background.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

class QFont;
class QPainter;

namespace abacore {

// The background the user chose: a colour, or the chosen picture over white.
struct CrosswordLook {
    QColor colour = Qt::white;
    QImage picture; // null until a picture is chosen; kept while a colour is shown
    bool pictureShown = false;

    bool showsPicture() const { return pictureShown && !picture.isNull(); }
};

// The look of background option `selected`, keeping the picture already chosen.
CrosswordLook WithBackground(CrosswordLook look, int selected);

// The look with `picture` as the background picture, made small enough for a full page (shown
// only while the picture option is chosen).
CrosswordLook WithPicture(CrosswordLook look, const QImage& picture);

// What the cells of an entry show: the puzzle's entry numbers in the start cells, or the
// characters of the answers (the answer display and the key).
enum class CellText { EntryNumbers, Characters };

// Fills `area` with the background (the picture scaled to cover it), and draws the heading on
// top when `withHeading`, then the 27 x 19 cells of 390 x 420 twips, scaled to the largest size
// that fits and centred: a white box with a black frame for each cell of an entry, the other
// cells showing the background. Units are the painter's.
void PaintCrossword(QPainter& painter, const QRectF& area, const CrosswordPage& page, CellText text,
                    const CrosswordLook& look, bool withHeading);

// Where PaintCrossword draws cell (x, y) in `area`.
QRectF CrosswordCellRect(const QRectF& area, const CrosswordPage& page, bool withHeading, int x,
                         int y);

// The width-to-height ratio of what PaintCrossword draws, for windows that size themselves.
double CrosswordAspect(const CrosswordPage& page, bool withHeading);

// Draws `text` centred in `box`, wrapped at blanks and made smaller until it fits; FittedFont is
// the font it is drawn in.
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, QFont font);
QFont FittedFont(QPainter& painter, const QRectF& box, const QString& text, QFont font);

// "Times New Roman" at `size` of the painter's units (fonts of the crossword scale with it).
QFont CrosswordFont(int size, bool bold = false);

} // namespace abacore
