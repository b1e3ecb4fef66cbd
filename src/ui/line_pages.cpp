#include "ui/line_pages.h"

#include "document/document.h"
#include "ui/document_bridge.h"
#include "ui/text_document_pages.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QScreen>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <tuple>
#include <unordered_map>

namespace abacore {

namespace {

// Qt's layout counts in 64ths of a device pixel, and turns a real into that unit by truncating.
// Keeping to its arithmetic places every line where Qt's document layout places it.
using Fixed = qint64;
Fixed ToFixed(double real) {
    return static_cast<int>(real * 64);
}
double ToReal(Fixed fixed) {
    return static_cast<double>(fixed) / 64;
}
Fixed Ceil(Fixed fixed) {
    return (fixed + 63) & -64;
}

// As in text_document_pages.cpp: the parts a long document is laid out in, and where Qt's
// positions would wrap round.
constexpr int kParagraphsPerPart = 1000;
constexpr double kTallestPart = 1 << 24;
// Keeping rows together re-lays out the rest of a part after each move, so Qt's path skips it
// for a part of more pages than this; the same parts keep the same pages here.
constexpr int kMostKeptPages = 100;
// At most this many paragraphs laid out with Qt's own line breaking keep their shaped text
// from layout to drawing; past that they are shaped again when drawn.
constexpr int kMostShapedParagraphs = 10000;
// Qt looks for a line break across the whole of an unbroken word; a word this long gets a
// zero-width space after every so many characters (text_document_pages.cpp does the same).
constexpr int kLongestRun = 500;
constexpr double kNoEnd = std::numeric_limits<double>::infinity();

// The resolution Qt's layout takes fonts in points to be at, for scaling fixed line heights.
double DefaultDpi() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return std::round(screen->logicalDotsPerInchY());
    return 100;
}

Qt::Alignment VisualAlignment(Qt::Alignment align) {
    if (!(align & Qt::AlignHorizontal_Mask))
        align |= Qt::AlignLeft;
    if (!(align & Qt::AlignAbsolute) && (align & (Qt::AlignLeft | Qt::AlignRight)))
        align |= Qt::AlignAbsolute;
    return align;
}

// What the placing of a line needs to know of it, in Qt's units.
struct LineMetrics {
    Fixed ascent = 0;
    Fixed descent = 0;
    Fixed leading = 0;
    // ascent + descent + leading, as Qt draws and clips the line
    Fixed height() const { return ascent + descent + std::max<Fixed>(leading, 0); }
};

// How a paragraph's text falls into lines, wherever it is placed. A fixed-pitch line is shared
// by every paragraph of its length and format; its glyph run is drawn with their own glyphs.
struct Shape {
    std::vector<LineMetrics> lines;
    std::unique_ptr<QTextLayout> layout; // lines positioned at 0; null once let go
    QGlyphRun run;                       // a shared line's glyphs and positions
    QColor color;                        // and the colour they are drawn in
    int face = -1;                       // whose table gives each paragraph's glyphs
    bool shared = false;
};

// One character format as Qt lays it out, with what a fixed-pitch one needs to set a line
// without shaping it: its glyph for each character seen shaped, and its one advance.
struct Face {
    CharFormat format;
    QTextCharFormat qt;
    bool probed = false;
    bool fixedPitch = false;
    Fixed advance = 0;
    QRawFont raw; // the font its glyphs are of
    std::unordered_map<char16_t, quint32> glyphs;
};

// A paragraph as placed in a part: where its layout sits and where each line sits in it.
struct Placed {
    Fixed top = 0;
    int firstLine = 0; // into Part::lineY
};

// A run of whole pages laid out on its own, as Qt lays out a long document in parts.
struct Part {
    int firstParagraph = 0;
    int endParagraph = 0; // laid out; those past the cut are never drawn from this part
    int firstPage = 0;    // of the whole document
    int pageCount = 0;
    double end = kNoEnd; // where its content stops
    std::vector<Placed> placed;
    std::vector<Fixed> lineY; // each line's y within its paragraph's layout
    Fixed tallest = 0;        // of its paragraphs, to find the first one a page shows
};

} // namespace

struct LinePages::Layout {
    const Document& model;
    QPaintDevice* device = nullptr;
    QSizeF page;
    Fixed pageHeight = 0;
    double lineWidth = 0;
    double scaling = 1;
    QTextOption defaultOption;
    QList<QTextOption::Tab> tabs;
    std::vector<QTextBlockFormat> blockFormats; // one per distinct paragraph setting
    std::vector<int> blockFormatOf;             // per paragraph
    std::vector<Face> faces;
    std::vector<int> endFaceOf; // per paragraph: the face of its paragraph mark
    std::vector<Shape> shapes;
    std::vector<int> shapeOf; // per paragraph
    // Shared shapes by face, paragraph setting, length and trailing spaces; -1 where Qt's line
    // differs from the table's, so each such paragraph is shaped on its own.
    using SharedKey = std::tuple<int, int, int, int>;
    std::map<SharedKey, int> sharedShapes;
    int shapedKept = 0;
    std::vector<Part> parts;
    int pageCount = 0;

    explicit Layout(const Document& document) : model(document) {}

    int faceOf(const CharFormat& format) {
        for (size_t i = 0; i < faces.size(); ++i)
            if (faces[i].format == format)
                return static_cast<int>(i);
        Face face;
        face.format = format;
        face.qt = QtCharFormat(format);
        faces.push_back(std::move(face));
        return static_cast<int>(faces.size()) - 1;
    }

    // The paragraph's text as Qt's layout gets it, with each character's face.
    QString textOf(int index, std::vector<int>* faceOfChar) {
        const Paragraph& p = model.paragraphs()[static_cast<size_t>(index)];
        QString text;
        for (const Run& run : p.runs) {
            const QString part = QString::fromStdString(run.text);
            text += part;
            if (faceOfChar)
                faceOfChar->insert(faceOfChar->end(), static_cast<size_t>(part.size()),
                                   faceOf(run.format));
        }
        if (text.size() <= kLongestRun)
            return text;
        // The zero-width space takes the format of the character before it, as typed text does.
        QString broken;
        std::vector<int> broke;
        int run = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            broken += text[i];
            if (faceOfChar)
                broke.push_back((*faceOfChar)[static_cast<size_t>(i)]);
            run = text[i].isSpace() ? 0 : run + 1;
            if (run == kLongestRun) {
                broken += QChar(0x200B);
                if (faceOfChar)
                    broke.push_back(broke.back());
                run = 0;
            }
        }
        if (faceOfChar)
            *faceOfChar = std::move(broke);
        return broken;
    }

    QFont fontOf(const QTextCharFormat& format) const {
        return format.font().resolve(QFont(QStringLiteral("Times New Roman"), 12));
    }

    // Lays the paragraph's text out in lines as Qt's document layout does, its lines at 0.
    std::unique_ptr<QTextLayout> shapeParagraph(int index) {
        std::vector<int> faceOfChar;
        const QString text = textOf(index, &faceOfChar);
        // An empty paragraph takes its height from its paragraph mark's font.
        const QFont font =
            text.isEmpty()
                ? fontOf(faces[static_cast<size_t>(endFaceOf[static_cast<size_t>(index)])].qt)
                : QFont(QStringLiteral("Times New Roman"), 12);
        auto layout = std::make_unique<QTextLayout>(text, font, device);
        QList<QTextLayout::FormatRange> ranges;
        for (size_t i = 0; i < faceOfChar.size(); ++i) {
            const int face = faceOfChar[i];
            if (!ranges.isEmpty() && i > 0 && faceOfChar[i - 1] == face) {
                ++ranges.last().length;
                continue;
            }
            ranges.append({static_cast<int>(i), 1, faces[static_cast<size_t>(face)].qt});
        }
        layout->setFormats(ranges);
        layout->setCacheEnabled(true);
        QTextOption option = defaultOption;
        option.setTextDirection(Qt::LeftToRight);
        option.setTabs(tabs);
        option.setAlignment(VisualAlignment(
            blockFormats[static_cast<size_t>(blockFormatOf[static_cast<size_t>(index)])]
                .alignment()));
        layout->setTextOption(option);
        const bool wordOrAnywhere = option.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere;
        const Fixed width = ToFixed(lineWidth);
        layout->beginLayout();
        for (;;) {
            QTextLine line = layout->createLine();
            if (!line.isValid())
                break;
            line.setLeadingIncluded(true);
            line.setLineWidth(ToReal(width));
            if (ToFixed(line.naturalTextWidth()) > width) {
                // A word longer than the line: Qt breaks it anywhere, then goes back to words.
                line.setLineWidth(ToReal(width));
                if (ToFixed(line.naturalTextWidth()) > width) {
                    if (wordOrAnywhere) {
                        option.setWrapMode(QTextOption::WrapAnywhere);
                        layout->setTextOption(option);
                    }
                    line.setLineWidth(std::max(line.naturalTextWidth(), ToReal(width)));
                    if (wordOrAnywhere) {
                        option.setWrapMode(QTextOption::WordWrap);
                        layout->setTextOption(option);
                    }
                }
            }
            line.setPosition(QPointF(0, 0));
        }
        layout->endLayout();
        return layout;
    }

    static std::vector<LineMetrics> metricsOf(const QTextLayout& layout) {
        std::vector<LineMetrics> lines;
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            lines.push_back(
                {ToFixed(line.ascent()), ToFixed(line.descent()), ToFixed(line.leading())});
        }
        return lines;
    }

    // Whether a fixed-pitch face can set this text without shaping it: every character one it
    // has seen shaped.
    static bool setsWithoutShaping(const Face& face, const QString& text) {
        if (!face.fixedPitch)
            return false;
        for (QChar c : text)
            if (!face.glyphs.count(c.unicode()))
                return false;
        return true;
    }

    // Whether `run`, shaped from `text`, is what the face's table makes of it: a glyph a
    // character, each one advance after the one before.
    static bool setAsTable(const Face& face, const QString& text, const QGlyphRun& run) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        if (glyphs.size() != text.size() || run.rawFont() != face.raw)
            return false;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const auto known = face.glyphs.find(text[i].unicode());
            if (glyphs[i] == 0 || (known != face.glyphs.end() && known->second != glyphs[i]))
                return false;
            if (i > 0 &&
                (ToFixed(positions[i].x()) - ToFixed(positions[i - 1].x()) != face.advance ||
                 positions[i].y() != positions[0].y()))
                return false;
        }
        return true;
    }

    // Shapes every printable ASCII character in the face once: a face that sets them one
    // advance apart, a glyph a character, in one font, is fixed-pitch, and they fill its table.
    void probe(Face& face) {
        face.probed = true;
        QString all;
        for (char16_t c = 0x20; c < 0x7F; ++c)
            all += QChar(c);
        QTextLayout layout(all, fontOf(face.qt), device);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        if (runs.size() != 1 || runs.first().positions().size() < 2)
            return;
        const QList<QPointF> positions = runs.first().positions();
        face.advance = ToFixed(positions[1].x()) - ToFixed(positions[0].x());
        face.raw = runs.first().rawFont();
        if (face.advance <= 0 || !setAsTable(face, all, runs.first()))
            return;
        face.fixedPitch = true;
        learn(face, all, runs.first());
    }

    static void learn(Face& face, const QString& text, const QGlyphRun& run) {
        const QList<quint32> glyphs = run.glyphIndexes();
        for (qsizetype i = 0; i < text.size(); ++i)
            face.glyphs.emplace(text[i].unicode(), glyphs[i]);
    }

    // The one face of a paragraph's text (its paragraph mark's when it has none), or none when
    // it has several or an underline (drawn apart from the glyphs).
    std::optional<int> oneFaceOf(int index) {
        const Paragraph& p = model.paragraphs()[static_cast<size_t>(index)];
        std::optional<int> face;
        for (const Run& run : p.runs) {
            const int f = faceOf(run.format);
            if (run.format.underline || (face && *face != f))
                return std::nullopt;
            face = f;
        }
        return face ? face : endFaceOf[static_cast<size_t>(index)];
    }

    // The shape of paragraph `index`: one shared by the paragraphs of its length, trailing
    // spaces, format and setting when a fixed-pitch face sets it as one line; its own
    // otherwise.
    int shapeFor(int index) {
        const std::optional<int> one = oneFaceOf(index);
        const QString text = textOf(index, nullptr);
        if (!one || text.size() > kLongestRun)
            return keep(ownShape(index));
        Face& face = faces[static_cast<size_t>(*one)];
        if (!face.probed && !text.isEmpty())
            probe(face);
        if (!text.isEmpty() && !setsWithoutShaping(face, text)) {
            Shape shape = ownShape(index);
            // A character the table lacks (a division sign) is learnt from a line of it.
            const QList<QGlyphRun> runs = shape.layout->glyphRuns();
            if (face.fixedPitch && shape.lines.size() == 1 && runs.size() == 1 &&
                setAsTable(face, text, runs.first()))
                learn(face, text, runs.first());
            return keep(std::move(shape));
        }
        qsizetype trailing = 0;
        while (trailing < text.size() && text[text.size() - 1 - trailing] == QChar(' '))
            ++trailing;
        const SharedKey key{*one, blockFormatOf[static_cast<size_t>(index)],
                            static_cast<int>(text.size()), static_cast<int>(trailing)};
        const auto found = sharedShapes.find(key);
        if (found != sharedShapes.end())
            return found->second >= 0 ? found->second : keep(ownShape(index));
        Shape shape = ownShape(index);
        const QList<QGlyphRun> runs = shape.layout->glyphRuns();
        const bool shared =
            shape.lines.size() == 1 &&
            (text.isEmpty() ? runs.isEmpty()
                            : runs.size() == 1 && setAsTable(face, text, runs.first()));
        if (!shared) {
            sharedShapes.emplace(key, -1);
            return keep(std::move(shape));
        }
        shape.shared = true;
        shape.face = *one;
        if (!runs.isEmpty())
            shape.run = runs.first();
        shape.color = QColor(face.format.color.r, face.format.color.g, face.format.color.b);
        shapes.push_back(std::move(shape));
        sharedShapes.emplace(key, static_cast<int>(shapes.size()) - 1);
        return static_cast<int>(shapes.size()) - 1;
    }

    Shape ownShape(int index) {
        Shape shape;
        shape.layout = shapeParagraph(index);
        shape.lines = metricsOf(*shape.layout);
        return shape;
    }

    // Keeps a paragraph's own shape, letting its glyphs go (to be shaped again when drawn) once
    // too many are kept.
    int keep(Shape shape) {
        if (++shapedKept > kMostShapedParagraphs)
            shape.layout.reset();
        shapes.push_back(std::move(shape));
        return static_cast<int>(shapes.size()) - 1;
    }

    bool keepsWithNext(int index) const {
        return model.paragraphs()[static_cast<size_t>(index)].keepWithNext;
    }

    // Qt's flow through a part: the paragraphs [first, end) from the top of a page, moving the
    // runs kept together whose rows would cross a page end when `keep`.
    struct Flow {
        Fixed y = 0;
        Fixed pageHeight = 0;
        Fixed pageBottom = 0;
        void newPage() {
            pageBottom += pageHeight;
            y = std::max(y, pageBottom - pageHeight);
        }
    };

    void place(Flow& flow, Part& part, int index) {
        const QTextBlockFormat& block =
            blockFormats[static_cast<size_t>(blockFormatOf[static_cast<size_t>(index)])];
        const Shape& shape = shapes[static_cast<size_t>(shapeOf[static_cast<size_t>(index)])];
        Placed placed;
        placed.top = flow.y;
        placed.firstLine = static_cast<int>(part.lineY.size());
        const Fixed start = flow.y;
        Fixed bottom = 0;
        const int type = block.lineHeightType();
        for (const LineMetrics& line : shape.lines) {
            const double ascent = ToReal(line.ascent);
            const double descent = ToReal(line.descent);
            const double leading = ToReal(line.leading);
            const double height = ToReal(Ceil(line.height())); // QTextLine::height()
            const double raw = std::ceil(ascent + descent + leading);
            const Fixed lineHeight = ToFixed(block.lineHeight(raw, scaling));
            const Fixed lineBottom = ToFixed(block.lineHeight(height, scaling));
            Fixed breakHeight = ToFixed(height);
            Fixed adjustment = 0;
            if (type == QTextBlockFormat::FixedHeight || type == QTextBlockFormat::MinimumHeight) {
                breakHeight = lineBottom;
                adjustment = type == QTextBlockFormat::FixedHeight
                                 ? ToFixed(ascent + std::max(leading, 0.0)) - (lineHeight * 4) / 5
                                 : ToFixed(height) - lineHeight;
            }
            while (flow.pageHeight > 0 && flow.y + breakHeight > flow.pageBottom &&
                   flow.pageHeight >= breakHeight)
                flow.newPage();
            part.lineY.push_back(flow.y - start - adjustment);
            bottom = flow.y + lineBottom;
            flow.y += lineHeight;
        }
        flow.y = std::max(flow.y, bottom);
        part.placed.push_back(placed);
    }

    static const Placed& placedAt(const Part& part, int index) {
        return part.placed[static_cast<size_t>(index - part.firstParagraph)];
    }

    // The layout's bounding rectangle of a placed paragraph, top and height, as Qt gives it.
    std::pair<double, double> boundsOf(const Part& part, int index) const {
        const Placed& placed = placedAt(part, index);
        const Shape& shape = shapes[static_cast<size_t>(shapeOf[static_cast<size_t>(index)])];
        if (shape.lines.empty())
            return {ToReal(placed.top), 0};
        Fixed top = std::numeric_limits<Fixed>::max();
        Fixed bottom = std::numeric_limits<Fixed>::min();
        for (size_t i = 0; i < shape.lines.size(); ++i) {
            const Fixed y = part.lineY[static_cast<size_t>(placed.firstLine) + i];
            top = std::min(top, y);
            bottom = std::max(bottom, y + Ceil(shape.lines[i].height()));
        }
        return {ToReal(placed.top) + ToReal(top), ToReal(bottom - top)};
    }

    // Lays the paragraphs [first, end) out from the top of a page. Returns the part's height.
    Fixed flowPart(Part& part, bool keep) {
        part.placed.clear();
        part.lineY.clear();
        Flow flow;
        flow.pageHeight = pageHeight;
        flow.pageBottom = pageHeight;
        const double height = page.height();
        for (int index = part.firstParagraph; index < part.endParagraph;) {
            int last = index;
            while (keepsWithNext(last) && last + 1 < part.endParagraph)
                ++last;
            const Flow before = flow;
            const size_t lines = part.lineY.size();
            const auto placeRun = [&](bool breakFirst) {
                for (int i = index; i <= last; ++i) {
                    if (model.paragraphs()[static_cast<size_t>(i)].pageBreakBefore ||
                        (i == index && breakFirst))
                        flow.newPage();
                    place(flow, part, i);
                }
            };
            placeRun(false);
            if (keep && last != index) {
                // Qt's rectangles of the run's first and last paragraphs: at their layout's
                // place, as tall as their lines.
                const double top = ToReal(placedAt(part, index).top);
                const double bottom =
                    ToReal(placedAt(part, last).top) + boundsOf(part, last).second;
                const bool crosses =
                    static_cast<int>(top / height) != static_cast<int>((bottom - 1) / height);
                if (crosses && bottom - top <= height) {
                    flow = before;
                    part.lineY.resize(lines);
                    part.placed.resize(static_cast<size_t>(index - part.firstParagraph));
                    placeRun(true);
                }
            }
            index = last + 1;
        }
        part.tallest = 0;
        for (int index = part.firstParagraph; index < part.endParagraph; ++index) {
            const auto [top, tall] = boundsOf(part, index);
            part.tallest =
                std::max(part.tallest, ToFixed(top + tall) - placedAt(part, index).top + 64);
        }
        return flow.y;
    }

    int pagesOf(Fixed height) const {
        return static_cast<int>(std::ceil(ToReal(height) / page.height()));
    }

    // Lays a part out as Qt's path does: rows kept together when it is short enough.
    int layOutPart(Part& part) {
        const Fixed plain = flowPart(part, false);
        if (pagesOf(plain) > kMostKeptPages || ToReal(plain) > kTallestPart)
            return ToReal(plain) > kTallestPart ? -1 : pagesOf(plain);
        bool anyKept = false;
        for (int i = part.firstParagraph; i + 1 < part.endParagraph && !anyKept; ++i)
            anyKept = keepsWithNext(i);
        if (!anyKept)
            return pagesOf(plain);
        const Fixed kept = flowPart(part, true);
        return ToReal(kept) > kTallestPart ? -1 : pagesOf(kept);
    }

    double lineTop(const Part& part, int index, bool first) const {
        const Placed& placed = placedAt(part, index);
        const Shape& shape = shapes[static_cast<size_t>(shapeOf[static_cast<size_t>(index)])];
        if (shape.lines.empty())
            return ToReal(placed.top);
        const size_t line = first ? 0 : shape.lines.size() - 1;
        return ToReal(placed.top) +
               ToReal(part.lineY[static_cast<size_t>(placed.firstLine) + line]);
    }

    struct Cut {
        int paragraph = 0; // counted from the part's first
        int pages = 0;
        double end = kNoEnd;
    };

    // Where Qt's path cuts a part that does not reach the document's end (text_document_pages.cpp).
    std::optional<Cut> cutOf(const Part& part) const {
        const double height = page.height();
        const auto pageOf = [height](double y) { return static_cast<int>(y / height); };
        std::optional<Cut> starts, keeps, any;
        for (int index = part.firstParagraph + 1; index < part.endParagraph; ++index) {
            const double top = lineTop(part, index, true);
            const int lastPage = pageOf(lineTop(part, index - 1, false));
            const int counted = index - part.firstParagraph;
            any = Cut{counted, lastPage + 1, top};
            if (!keepsWithNext(index - 1)) {
                keeps = any;
                if (pageOf(top) > lastPage)
                    starts = Cut{counted, pageOf(top), kNoEnd};
            }
        }
        const std::optional<Cut> fallback = keeps ? keeps : any;
        if (starts && (!fallback || 2 * starts->pages >= fallback->pages))
            return starts;
        return fallback;
    }

    bool layOut() {
        const int total = static_cast<int>(model.paragraphs().size());
        parts.clear();
        pageCount = 0;
        if (total <= kParagraphsPerPart) {
            Part whole;
            whole.endParagraph = total;
            const int pages = layOutPart(whole);
            if (pages < 0)
                return false;
            whole.pageCount = pages;
            pageCount = pages;
            parts.push_back(std::move(whole));
            return true;
        }
        for (int first = 0; first < total;) {
            const int span = std::min(kParagraphsPerPart, total - first);
            Part part;
            part.firstParagraph = first;
            part.endParagraph = first + span;
            const int pages = layOutPart(part);
            if (pages < 0)
                return false;
            const std::optional<Cut> cut =
                first + span == total ? Cut{span, pages, kNoEnd} : cutOf(part);
            if (!cut)
                return false;
            part.firstPage = pageCount;
            part.pageCount = cut->pages;
            part.end = cut->end;
            pageCount += cut->pages;
            first += cut->paragraph;
            parts.push_back(std::move(part));
        }
        return true;
    }

    // A shared line with the paragraph's own glyphs. A space draws nothing, and most of a
    // problem row is spaces: its glyph is left out of the file, which halves a worksheet's PDF
    // and the time it takes, while readers still find the words apart by where they stand.
    void drawShared(QPainter& painter, const Shape& shape, int index, const QPointF& at) {
        const QString text = textOf(index, nullptr);
        const Face& face = faces[static_cast<size_t>(shape.face)];
        const QList<QPointF> all = shape.run.positions();
        QList<quint32> glyphs;
        QList<QPointF> positions;
        glyphs.reserve(text.size());
        positions.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i] != QChar(' ')) {
                glyphs.append(face.glyphs.at(text[i].unicode()));
                positions.append(all[i]);
            }
        QGlyphRun run = shape.run;
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.setPen(QPen(QBrush(shape.color), 0)); // as Qt sets a format's colour
        painter.drawGlyphRun(at, run);
    }

    // Draws the paragraph's lines that fall in `clip`, as Qt's document layout draws a block.
    void drawParagraph(QPainter& painter, const Part& part, int index, const QRectF& clip) {
        const Placed& placed = placedAt(part, index);
        Shape& shape = shapes[static_cast<size_t>(shapeOf[static_cast<size_t>(index)])];
        const auto [top, height] = boundsOf(part, index);
        if (shape.lines.empty() || top + height < clip.y() || top > clip.bottom())
            return;
        const QPointF position(0, ToReal(placed.top));
        const Fixed clipY = ToFixed(clip.y() - position.y());
        const Fixed clipEnd = clipY + ToFixed(clip.height());
        const QPen pen = painter.pen();
        painter.setPen(Qt::black); // text without a colour of its own
        if (shape.shared) {
            const Fixed y = part.lineY[static_cast<size_t>(placed.firstLine)];
            if (y <= clipEnd && !shape.run.glyphIndexes().isEmpty())
                drawShared(painter, shape, index, position + QPointF(0, ToReal(y)));
            painter.setPen(pen);
            return;
        }
        std::unique_ptr<QTextLayout> again;
        QTextLayout* layout = shape.layout.get();
        if (!layout) {
            again = shapeParagraph(index);
            layout = again.get();
        }
        for (int i = 0; i < layout->lineCount(); ++i)
            layout->lineAt(i).setPosition(
                QPointF(0, ToReal(part.lineY[static_cast<size_t>(placed.firstLine + i)])));
        layout->setPosition(position);
        layout->draw(&painter, QPointF(0, 0), {}, clip);
        painter.setPen(pen);
    }
};

bool LinePages::Handles(const Document& model) {
    for (const Paragraph& p : model.paragraphs())
        for (const Run& run : p.runs)
            if (run.picture || QString::fromStdString(run.text).isRightToLeft())
                return false;
    return true;
}

LinePages::LinePages(const Document& model) : m_model(model) {
    footer = QString::fromStdString(model.footer());
}

LinePages::~LinePages() = default;

int LinePages::layOut(QPaintDevice& device, const QSizeF& page) {
    m_layout = std::make_unique<Layout>(m_model);
    Layout& d = *m_layout;
    d.device = &device;
    d.page = page;
    d.pageHeight = ToFixed(page.height());
    d.lineWidth = page.width();
    const double dpi = DefaultDpi();
    d.scaling = device.logicalDpiY() != dpi ? device.logicalDpiY() / dpi : 1;
    d.defaultOption = QTextDocument().defaultTextOption();
    d.tabs = QtTabs(m_model.tabStops());
    std::map<std::pair<int, double>, int> formats;
    const std::vector<Paragraph>& paragraphs = m_model.paragraphs();
    d.blockFormatOf.reserve(paragraphs.size());
    d.endFaceOf.reserve(paragraphs.size());
    for (const Paragraph& p : paragraphs) {
        const auto key = std::make_pair(static_cast<int>(p.alignment), p.lineHeight);
        auto found = formats.find(key);
        if (found == formats.end()) {
            Paragraph plain;
            plain.alignment = p.alignment;
            plain.lineHeight = p.lineHeight;
            d.blockFormats.push_back(QtBlockFormat(plain, d.tabs));
            found = formats.emplace(key, static_cast<int>(d.blockFormats.size()) - 1).first;
        }
        d.blockFormatOf.push_back(found->second);
        d.endFaceOf.push_back(d.faceOf(p.endFormat));
    }
    d.shapeOf.reserve(paragraphs.size());
    for (size_t i = 0; i < paragraphs.size(); ++i)
        d.shapeOf.push_back(d.shapeFor(static_cast<int>(i)));
    if (!d.layOut()) {
        m_layout.reset();
        return -1;
    }
    return d.pageCount;
}

void LinePages::paint(QPainter& painter, int index, const QRectF& page) const {
    if (!m_layout || index < 0 || index >= m_layout->pageCount)
        return;
    Layout& d = *m_layout;
    const auto part = std::prev(std::upper_bound(
        d.parts.begin(), d.parts.end(), index,
        [](int wanted, const Part& candidate) { return wanted < candidate.firstPage; }));
    const int pageInPart = index - part->firstPage;
    QRectF view(0, pageInPart * page.height(), page.width(), page.height());
    view.setBottom(std::min(view.bottom(), part->end));
    painter.save();
    painter.translate(page.left(), page.top() - view.top());
    painter.setClipRect(view);
    // A line that touches the page's edge belongs to the neighbouring page (as in
    // text_document_pages.cpp).
    const QRectF clip = view.adjusted(0, 1, 0, -1);
    const Fixed from = ToFixed(clip.top()) - part->tallest;
    auto first = std::lower_bound(part->placed.begin(), part->placed.end(), from,
                                  [](const Placed& p, Fixed y) { return p.top < y; });
    for (auto it = first; it != part->placed.end() && ToReal(it->top) <= clip.bottom(); ++it)
        d.drawParagraph(painter, *part,
                        part->firstParagraph + static_cast<int>(it - part->placed.begin()), clip);
    painter.restore();
}

std::unique_ptr<PageSource> ModelPageSource(const Document& model) {
    if (LinePages::Handles(model))
        return std::make_unique<LinePages>(model);
    return std::make_unique<TextDocumentPages>(model);
}

} // namespace abacore
