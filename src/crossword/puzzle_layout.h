#pragma once
// Where everything of the printed crossword goes, in twips (1/1440 inch) on the printable area
// of a page: the Name/Date line, the heading, the grid on its background, and the "Across" and
// "Down" lists in columns, continued on further pages when they do not fit. The layout counts
// characters rather than measuring a font, so the puzzle breaks into the same pages on every
// printer and in every PDF of one paper; the painter lays it out for the printable area of the
// page it is given (A4's is narrower and taller than Letter's).

#include "crossword/crossword_page.h"
#include "document/page_setup.h"

#include <string>
#include <string_view>
#include <vector>

namespace abacore {

struct TwipRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
};

// A page's printable area.
struct TwipSize {
    int width = 0;
    int height = 0;
};

constexpr TwipSize PrintableArea(Paper paper) {
    const PageSetup::Page& page = PageSetup::PageOf(paper);
    return {page.textWidthTwips(), page.textHeightTwips()};
}

namespace PuzzleGeometry {
// The width the heading band of the answer display is designed for: a Letter page's.
inline constexpr int kHeadingWidth = PrintableArea(Paper::Letter).width;

// Cells sit edge to edge; the background reaches half a cell beyond the grid on every side.
inline constexpr int kCellWidth = 390;
inline constexpr int kCellHeight = 420;
inline constexpr int kGridMargin = 195;
inline constexpr int kGridAreaWidth = kCrosswordColumns * kCellWidth + 2 * kGridMargin;
inline constexpr int kGridAreaHeight = kCrosswordRows * kCellHeight + 2 * kGridMargin;

// 10-point text on 12-point lines; the heading 20 points on 24-point lines.
inline constexpr int kTextSize = 200;
inline constexpr int kLinePitch = 240;
inline constexpr int kHeadingSize = 400;
inline constexpr int kHeadingPitch = 480;
// Between list columns.
inline constexpr int kColumnGap = 360;
// What one character of a clue line may take at 10 points (0.6 em; digits take 0.5 em).
inline constexpr int kCharacterWidth = 120;
inline constexpr int kMostColumns = 4;
} // namespace PuzzleGeometry

// The lines the heading takes at 20 points across `width`, 1 to 3 (a longer heading is printed
// smaller).
int HeadingLines(std::string_view heading, int width = PuzzleGeometry::kHeadingWidth);
// The band above the grid that holds the heading on the answer display and the answer key.
int HeadingBand(std::string_view heading);

// How far every cell is moved so that the entries sit in the middle of the 27 x 19 grid: the
// builder keeps them in its left and upper part (across entries end by column 17, down entries
// by row 14), which would leave the drawn grid lopsided. Nothing moves for an empty grid.
struct TwipOffset {
    int x = 0;
    int y = 0;
};
TwipOffset CentringOffset(const CrosswordPage& page);

enum class PrintedLineKind { Caption, Blank, Entry };

struct PrintedLine {
    std::string text;
    PrintedLineKind kind = PrintedLineKind::Entry;
    int page = 0;
    TwipRect box;
};

struct PuzzleLayout {
    int pages = 1;
    // On the first page.
    TwipRect nameDate;
    TwipRect heading;
    TwipRect version; // the blank line between them: a class set's version label
    TwipRect gridArea;
    int columns = 1;
    // "Across" (bold, underlined), a blank line, the across entry lines, a blank line, "Down",
    // a blank line and the down entry lines, in reading order. A blank line that would open a
    // column is left out, and a caption never ends a column. A page that goes on with a list
    // begun on the page before opens with "Across (continued)" or "Down (continued)".
    std::vector<PrintedLine> lines;
};

PuzzleLayout LayOutPuzzle(const CrosswordPage& page, TwipSize area);

// The answer key's page: the answer display (the heading on the background over the filled
// grid) across the page's width.
TwipRect KeyArea(std::string_view heading, TwipSize area);
// The line under it that names a class set's version.
TwipRect KeyVersionLine(std::string_view heading, TwipSize area);

} // namespace abacore
