#pragma once
// The rules both page paths (text_document_pages.h, line_pages.h) lay a document out by, so
// that they cut it into the same parts and draw the same lines on each page.

#include <QRectF>
#include <QString>

#include <limits>
#include <optional>
#include <vector>

namespace abacore::page_parts {

// Qt's text layout keeps positions in 26.6 fixed point, so they wrap round past 2^25 device
// pixels: after about 2,900 pages at 1200 dots an inch the rest of a document would vanish. A
// long document is therefore laid out in parts that stay well below that, each cut where a page
// begins.
inline constexpr double kTallestPart = 1 << 24;
// A part is first tried with this many paragraphs (about a hundred pages of flash cards).
inline constexpr int kParagraphsPerPart = 1000;
// Keeping a problem's rows together lays the rest of a part out again after each move, so a
// part of more pages than this is printed without it, as it comes.
inline constexpr int kMostKeptPages = 100;
// At most this many paragraphs keep their shaped text at once (a few kilobytes each): the parts
// of a long document are all laid out before the first is drawn.
inline constexpr int kMostShapedParagraphs = 10000;
// Qt looks for a line break across the whole rest of an unbroken word for every line it sets, so
// a word many lines long (pasted into the worksheet) takes time with the square of its length. A
// zero-width space after every so many characters of such a word gives the layout a place to
// break; nothing shows on the page, and no sheet of ours has words anywhere near that long.
inline constexpr int kLongestRun = 500;
inline constexpr double kNoEnd = std::numeric_limits<double>::infinity();

// Where in `text` the zero-width spaces go (before the characters at these indices).
inline std::vector<int> LongWordBreaks(const QString& text) {
    std::vector<int> breaks;
    if (text.size() <= kLongestRun)
        return breaks;
    int run = 0;
    for (int i = 0; i < text.size(); ++i) {
        run = text[i].isSpace() ? 0 : run + 1;
        if (run == kLongestRun) {
            breaks.push_back(i + 1);
            run = 0;
        }
    }
    return breaks;
}

// Where a part that does not reach the document's end is cut: before paragraph `paragraph`
// (counted in the part), keeping `pages` pages whose content stops at `end`.
struct Cut {
    int paragraph = 0;
    int pages = 0;
    double end = kNoEnd;
};

// Best, a paragraph that starts a page, so the pages come out as one long layout would make
// them; else the start of a run kept together, its page ending early; else any paragraph of the
// main text. The latest of each kind, so parts are long. For paragraphs [0, count): `lineTop(i,
// first)` is where the first or last line of paragraph i stands, `keepsWithNext(i)` whether it
// stays with the next, and `inMainText(i)` whether it is in the main text (not in a table).
template <class LineTop, class KeepsWithNext, class InMainText>
std::optional<Cut> CutOf(int count, double pageHeight, LineTop lineTop, KeepsWithNext keepsWithNext,
                         InMainText inMainText) {
    const auto pageOf = [pageHeight](double y) { return static_cast<int>(y / pageHeight); };
    std::optional<Cut> starts, keeps, any;
    bool previousInMain = count > 0 && inMainText(0);
    for (int i = 1; i < count; ++i) {
        const bool inMain = inMainText(i);
        if (inMain && previousInMain) {
            const double top = lineTop(i, true);
            const int lastPage = pageOf(lineTop(i - 1, false));
            any = Cut{i, lastPage + 1, top};
            if (!keepsWithNext(i - 1)) {
                keeps = any;
                if (pageOf(top) > lastPage)
                    starts = Cut{i, pageOf(top), kNoEnd};
            }
        }
        previousInMain = inMain;
    }
    const std::optional<Cut> fallback = keeps ? keeps : any;
    if (starts && (!fallback || 2 * starts->pages >= fallback->pages))
        return starts;
    return fallback;
}

// The part of a part's laid-out content that falls on its page `pageInPart`, in the part's own
// coordinates.
inline QRectF PageView(int pageInPart, const QRectF& page, double partEnd) {
    QRectF view(0, pageInPart * page.height(), page.width(), page.height());
    view.setBottom(std::min(view.bottom(), partEnd));
    return view;
}

// What of the view is drawn: a line that touches the page's edge belongs to the neighbouring
// page; drawn here too, it would leave a sliver and a second copy of its text in the file.
inline QRectF DrawnArea(const QRectF& view) {
    return view.adjusted(0, 1, 0, -1);
}

} // namespace abacore::page_parts
