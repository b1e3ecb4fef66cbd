#include "ui/line_pages.h"

#include "document/document.h"
#include "ui/document_bridge.h"
#include "ui/page_parts.h"
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
#include <array>
#include <cmath>
#include <deque>
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

using namespace page_parts;

// The resolution Qt's layout takes fonts in points to be at, for scaling fixed line heights.
double DefaultDpi() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return std::round(screen->logicalDotsPerInchY());
    return 100;
}

// The alignment Qt's document layout gives a left-to-right paragraph's lines.
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

// How a paragraph's text falls into lines, wherever it is placed. A line that its face sets
// from its character table is shared by the paragraphs whose lines stand where its does (any
// text, left-aligned; text as wide, otherwise), each drawn with its own glyphs.
struct Shape {
    std::vector<LineMetrics> lines;
    std::unique_ptr<QTextLayout> layout; // lines positioned at 0; null once let go
    bool shared = false;
    int face = -1; // whose table sets a shared line's glyphs
    QRawFont raw;  // their font
    Fixed x = 0;   // where its first glyph stands
    double baseline = 0;
    QColor color; // as Qt draws the format's text
};

// A character as its face's font sets it on its own: its glyph and advance.
struct Glyph {
    quint32 index = 0;
    Fixed advance = 0;
};

// One character format as Qt lays it out, with what a line of it needs to be set without
// shaping: each character's glyph and advance in the font Qt chose for the face, and for each
// pair of neighbours seen in lines Qt shaped, how far the second stood from where the first's
// advance ends (the font's kerning of the pair, mostly none). A line of characters it has all
// met, in pairs it has all seen, is set as Qt would set it.
struct Face {
    CharFormat format;
    QTextCharFormat qt;
    QRawFont raw; // null until a line of the face is shaped as one run
    std::array<Glyph, 256> latin{};
    std::unordered_map<char16_t, Glyph> others;
    // A pair's kerning, or one of these: never seen, or seen set two ways (a font whose
    // kerning depends on more than the pair), when lines of it are shaped by Qt.
    static constexpr qint32 kUnseen = std::numeric_limits<qint32>::min();
    static constexpr qint32 kUnsteady = kUnseen + 1;
    std::vector<qint32> latinPairs = std::vector<qint32>(256 * 256, kUnseen);
    std::unordered_map<quint32, qint32> otherPairs;

    const Glyph* glyph(char16_t c) {
        Glyph* known = c < 256 ? &latin[c] : &others[c];
        if (known->index == 0 && raw.isValid()) {
            const QList<quint32> index = raw.glyphIndexesForString(QString(QChar(c)));
            if (index.size() == 1 && index[0] != 0)
                *known = Glyph{index[0], ToFixed(raw.advancesForGlyphIndexes(index)[0].x())};
        }
        return known->index ? known : nullptr;
    }
    qint32& pair(char16_t a, char16_t b) {
        if (a < 256 && b < 256)
            return latinPairs[a * 256u + b];
        return otherPairs.try_emplace(quint32(a) << 16 | b, kUnseen).first->second;
    }
};

// Whether two of Qt's fonts are the same typeface at the same size (Qt may have made it anew
// since), so that their glyphs and advances are the same.
bool SameFont(const QRawFont& a, const QRawFont& b) {
    return a == b ||
           (a.familyName() == b.familyName() && a.styleName() == b.styleName() &&
            a.pixelSize() == b.pixelSize() && a.weight() == b.weight() && a.style() == b.style());
}

// The faces met so far in this run of the program, for each resolution: what a face's table
// learns from one document (a class set's first version) serves the next. Should Qt set a
// face in another font (fonts installed meanwhile), its lines no longer match the table and
// are shaped by Qt.
Face& KnownFace(const CharFormat& format, const QPaintDevice& device) {
    // Never destroyed: its fonts would outlive the application's font database at exit.
    static auto& known = *new std::deque<std::tuple<CharFormat, int, int, Face>>;
    for (auto& [f, x, y, face] : known)
        if (f == format && x == device.logicalDpiX() && y == device.logicalDpiY())
            return face;
    Face face;
    face.format = format;
    face.qt = QtCharFormat(format);
    known.emplace_back(format, device.logicalDpiX(), device.logicalDpiY(), std::move(face));
    return std::get<3>(known.back());
}

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
    double end = kNoEnd;  // where its content stops
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
    std::vector<Face*> faces;                   // this document's, from KnownFace
    std::vector<int> endFaceOf;                 // per paragraph: the face of its paragraph mark
    std::vector<Shape> shapes;
    std::vector<int> shapeOf; // per paragraph
    // Shared shapes by face, paragraph setting, whether empty (its height is its paragraph
    // mark's), and (unless left-aligned) the width of the text without and of the spaces that
    // end it; -1 where Qt's line is not the table's, so each such paragraph is shaped on its own.
    using SharedKey = std::tuple<int, int, bool, Fixed, Fixed>;
    std::map<SharedKey, int> sharedShapes;
    int shapedKept = 0;
    std::vector<Part> parts;
    int pageCount = 0;

    explicit Layout(const Document& document) : model(document) {}

    const QTextBlockFormat& settingOf(int index) const {
        return blockFormats[static_cast<size_t>(blockFormatOf[static_cast<size_t>(index)])];
    }
    const Shape& shapeAt(int index) const {
        return shapes[static_cast<size_t>(shapeOf[static_cast<size_t>(index)])];
    }

    int faceOf(const CharFormat& format) {
        for (size_t i = 0; i < faces.size(); ++i)
            if (faces[i]->format == format)
                return static_cast<int>(i);
        faces.push_back(&KnownFace(format, *device));
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
        const std::vector<int> breaks = LongWordBreaks(text);
        // From the end, so that the earlier positions stay where they were; a zero-width space
        // takes the format of the character before it, as typed text does.
        for (auto at = breaks.rbegin(); at != breaks.rend(); ++at) {
            text.insert(*at, QChar(0x200B));
            if (faceOfChar) {
                const int face = (*faceOfChar)[static_cast<size_t>(*at - 1)];
                faceOfChar->insert(faceOfChar->begin() + *at, face);
            }
        }
        return text;
    }

    QFont fontOf(const QTextCharFormat& format) const {
        return format.font().resolve(QtDocumentFont());
    }

    // Lays the paragraph's text out in lines as Qt's document layout does, its lines at 0.
    std::unique_ptr<QTextLayout> shapeParagraph(int index) {
        std::vector<int> faceOfChar;
        const QString text = textOf(index, &faceOfChar);
        // An empty paragraph takes its height from its paragraph mark's font.
        const QFont font =
            text.isEmpty()
                ? fontOf(faces[static_cast<size_t>(endFaceOf[static_cast<size_t>(index)])]->qt)
                : QtDocumentFont();
        auto layout = std::make_unique<QTextLayout>(text, font, device);
        QList<QTextLayout::FormatRange> ranges;
        for (size_t i = 0; i < faceOfChar.size(); ++i) {
            const int face = faceOfChar[i];
            if (!ranges.isEmpty() && i > 0 && faceOfChar[i - 1] == face) {
                ++ranges.last().length;
                continue;
            }
            ranges.append({static_cast<int>(i), 1, faces[static_cast<size_t>(face)]->qt});
        }
        layout->setFormats(ranges);
        layout->setCacheEnabled(true);
        QTextOption option = defaultOption;
        option.setTextDirection(Qt::LeftToRight);
        option.setTabs(tabs);
        option.setAlignment(VisualAlignment(settingOf(index).alignment()));
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

    // Where the face's table sets the glyphs of `text` from `x` on, or nothing when a character
    // or a pair of neighbours is one it has not met (or met set two ways).
    static std::optional<std::vector<Fixed>> setByTable(Face& face, const QString& text, Fixed x) {
        std::vector<Fixed> at;
        at.reserve(static_cast<size_t>(text.size()) + 1);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            const Glyph* glyph = face.glyph(c);
            if (!glyph)
                return std::nullopt;
            if (i > 0) {
                const qint32 kerning = face.pair(text[i - 1].unicode(), c);
                if (kerning == Face::kUnseen || kerning == Face::kUnsteady)
                    return std::nullopt;
                x += kerning;
            }
            at.push_back(x);
            x += glyph->advance;
        }
        at.push_back(x); // where the line's text ends
        return at;
    }

    // Learns from a line Qt shaped: when it set `text` as one run of the face's font, a glyph a
    // character on one baseline, each pair of neighbours' kerning is how far the second stands
    // from the first's advance. Returns whether the line is as the table sets it (no pair set
    // otherwise than before).
    static bool learn(Face& face, const QString& text, const QGlyphRun& run) {
        if (!face.raw.isValid())
            face.raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        if (!SameFont(run.rawFont(), face.raw) || glyphs.size() != text.size() || glyphs.isEmpty())
            return false;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const Glyph* glyph = face.glyph(text[i].unicode());
            if (!glyph || glyph->index != glyphs[i] || positions[i].y() != positions[0].y())
                return false;
        }
        bool steady = true;
        for (qsizetype i = 1; i < text.size(); ++i) {
            const qint32 kerning =
                static_cast<qint32>(ToFixed(positions[i].x()) - ToFixed(positions[i - 1].x()) -
                                    face.glyph(text[i - 1].unicode())->advance);
            qint32& known = face.pair(text[i - 1].unicode(), text[i].unicode());
            if (known == Face::kUnseen)
                known = kerning;
            else if (known != kerning)
                known = Face::kUnsteady;
            steady = steady && known == kerning;
        }
        return steady;
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

    // The shape of paragraph `index`: shared when its face sets its text from the table as one
    // line (see Shape), its own otherwise.
    int shapeFor(int index) {
        const std::optional<int> one = oneFaceOf(index);
        const QString text = textOf(index, nullptr);
        if (!one || text.size() > kLongestRun)
            return keep(ownShape(index));
        Face& face = *faces[static_cast<size_t>(*one)];
        const std::optional<std::vector<Fixed>> at =
            text.isEmpty() ? std::vector<Fixed>{0} : setByTable(face, text, 0);
        if (!at) {
            Shape shape = ownShape(index);
            const QList<QGlyphRun> runs = shape.layout->glyphRuns();
            if (shape.lines.size() == 1 && runs.size() == 1)
                learn(face, text, runs.first());
            return keep(std::move(shape));
        }
        // Left-aligned, a line stands at the same place whatever its text; otherwise where its
        // width (with and without the spaces that end it) puts it.
        qsizetype trailing = 0;
        while (trailing < text.size() && text[text.size() - 1 - trailing] == QChar(' '))
            ++trailing;
        const Fixed width = at->back();
        const Fixed shown = (*at)[static_cast<size_t>(text.size() - trailing)];
        const int setting = blockFormatOf[static_cast<size_t>(index)];
        const bool left = (blockFormats[static_cast<size_t>(setting)].alignment() &
                           Qt::AlignHorizontal_Mask) == Qt::AlignLeft;
        if (left && width > ToFixed(lineWidth) - 64)
            return keep(ownShape(index)); // might not fit on one line
        const SharedKey key{*one, setting, text.isEmpty(), left ? -1 : shown,
                            left ? -1 : width - shown};
        const auto found = sharedShapes.find(key);
        if (found != sharedShapes.end())
            return found->second >= 0 ? found->second : keep(ownShape(index));
        Shape shape = ownShape(index);
        const QList<QGlyphRun> runs = shape.layout->glyphRuns();
        // Shared once Qt has set a line of it as the table does.
        const bool asTable =
            shape.lines.size() == 1 &&
            (text.isEmpty() ? runs.isEmpty() : runs.size() == 1 && learn(face, text, runs.first()));
        if (!asTable) {
            sharedShapes.emplace(key, -1);
            return keep(std::move(shape));
        }
        shape.shared = true;
        shape.face = *one;
        if (!runs.isEmpty()) {
            shape.raw = runs.first().rawFont();
            shape.x = ToFixed(runs.first().positions()[0].x());
            shape.baseline = runs.first().positions()[0].y();
        }
        shape.color = QColor(face.format.color.r, face.format.color.g, face.format.color.b);
        shape.layout.reset();
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
        const QTextBlockFormat& block = settingOf(index);
        const Shape& shape = shapeAt(index);
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
        const Shape& shape = shapeAt(index);
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
        const Shape& shape = shapeAt(index);
        if (shape.lines.empty())
            return ToReal(placed.top);
        const size_t line = first ? 0 : shape.lines.size() - 1;
        return ToReal(placed.top) +
               ToReal(part.lineY[static_cast<size_t>(placed.firstLine) + line]);
    }

    // Where Qt's path cuts a part that does not reach the document's end.
    std::optional<Cut> cutOf(const Part& part) const {
        return CutOf(
            part.endParagraph - part.firstParagraph, page.height(),
            [&](int i, bool first) { return lineTop(part, part.firstParagraph + i, first); },
            [&](int i) { return keepsWithNext(part.firstParagraph + i); },
            [](int) { return true; });
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
            part.end = cut->end;
            pageCount += cut->pages;
            first += cut->paragraph;
            parts.push_back(std::move(part));
        }
        return true;
    }

    // A shared line with the paragraph's own glyphs. A space draws nothing, and most of a
    // problem row is spaces: where a space is at least half an em wide (a fixed-pitch font's),
    // its glyph is left out of the file, which makes a worksheet's PDF a third smaller and
    // about half as slow to write, while readers still find the words apart by where they
    // stand. A narrower one stays, or "8 ÷ 4" in large type would read as one word.
    void drawShared(QPainter& painter, const Shape& shape, int index, const QPointF& at) {
        const QString text = textOf(index, nullptr);
        Face& face = *faces[static_cast<size_t>(shape.face)];
        const std::vector<Fixed> x = *setByTable(face, text, shape.x);
        const Glyph* space = face.glyph(' ');
        const bool wideSpace = space && ToReal(space->advance) >= shape.raw.pixelSize() / 2;
        QList<quint32> glyphs;
        QList<QPointF> positions;
        glyphs.reserve(text.size());
        positions.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i] != QChar(' ') || !wideSpace) {
                glyphs.append(face.glyph(text[i].unicode())->index);
                positions.append(QPointF(ToReal(x[static_cast<size_t>(i)]), shape.baseline));
            }
        QGlyphRun run;
        run.setRawFont(shape.raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.setPen(QPen(QBrush(shape.color), 0)); // as Qt sets a format's colour
        painter.drawGlyphRun(at, run);
    }

    // Draws the paragraph's lines that fall in `clip`, as Qt's document layout draws a block.
    void drawParagraph(QPainter& painter, const Part& part, int index, const QRectF& clip) {
        const Placed& placed = placedAt(part, index);
        const Shape& shape = shapeAt(index);
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
            if (y <= clipEnd && shape.raw.isValid())
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
    const QRectF view = PageView(pageInPart, page, part->end);
    painter.save();
    painter.translate(page.left(), page.top() - view.top());
    painter.setClipRect(view);
    const QRectF clip = DrawnArea(view);
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
