#include "ui/text_document_pages.h"

#include "ui/document_bridge.h"
#include "ui/page_parts.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace abacore {

namespace {

using namespace page_parts;

// Moves each run of paragraphs that must stay together (a problem's rows) to the next page when
// it would cross a page end, as a word processor does with "keep with next".
void KeepParagraphsTogether(QTextDocument& document, double pageHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    // Qt lays a long document out in steps; asking for the page count finishes the layout, so
    // the positions read below are the final ones.
    if (document.pageCount() > kMostKeptPages)
        return;
    for (QTextBlock first = document.begin(); first.isValid();) {
        QTextBlock last = first;
        while (last.blockFormat().boolProperty(kKeepWithNextProperty) && last.next().isValid())
            last = last.next();
        const double top = layout->blockBoundingRect(first).top();
        const double bottom = layout->blockBoundingRect(last).bottom();
        const bool crosses =
            static_cast<int>(top / pageHeight) != static_cast<int>((bottom - 1) / pageHeight);
        if (first != last && crosses && bottom - top <= pageHeight) {
            QTextBlockFormat format;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(first).mergeBlockFormat(format);
            document.pageCount();
        }
        first = last.next();
    }
}

// Keeps each paragraph's shaped text once it is laid out. Qt otherwise throws the glyphs away
// after the layout and shapes the same text again to draw it, which costs as much as the
// layout. Called before the text is laid out, within the edit that fills the document. The
// glyphs go with the part once its pages are drawn.
void KeepShapedText(QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
}

// An empty document laid out on the device itself, so that fonts are measured at its
// resolution, and cut into pages of the printable area. Without a page size of its own Qt would
// add page numbers and margins of its own; this one gets neither. Everything is set before any
// text goes in: each of these settings lays a filled document out again.
std::unique_ptr<QTextDocument> EmptyPages(QPaintDevice& device, const QSizeF& page,
                                          const QTextDocument* settingsOf = nullptr) {
    auto copy = std::make_unique<QTextDocument>();
    copy->setUndoRedoEnabled(false);
    if (settingsOf) {
        copy->setDefaultFont(settingsOf->defaultFont());
        copy->setDefaultTextOption(settingsOf->defaultTextOption());
        copy->setIndentWidth(settingsOf->indentWidth());
        copy->rootFrame()->setFrameFormat(settingsOf->rootFrame()->frameFormat());
    }
    copy->documentLayout()->setPaintDevice(&device);
    copy->setDocumentMargin(0);
    copy->setPageSize(page);
    return copy;
}

// The paragraphs [first, end) of `source` as a document of their own, with its settings and the
// pictures they show, laid out once on the device.
std::unique_ptr<QTextDocument> CopyOfParagraphs(const QTextDocument& source, int first, int end,
                                                QPaintDevice& device, const QSizeF& page,
                                                bool keepShapes) {
    const QTextBlock start = source.findBlockByNumber(first);
    QTextCursor selection(start);
    const QTextBlock next = source.findBlockByNumber(end);
    selection.setPosition(next.isValid() ? next.position() - 1 : source.characterCount() - 1,
                          QTextCursor::KeepAnchor);
    std::unique_ptr<QTextDocument> copy = EmptyPages(device, page, &source);
    // The pictures first, so the layout finds them when it places the text.
    for (QTextBlock block = start; block.isValid() && block != next; block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl name(format.toImageFormat().name());
            copy->addResource(QTextDocument::ImageResource, name,
                              source.resource(QTextDocument::ImageResource, name));
        }
    QTextCursor cursor(copy.get());
    cursor.beginEditBlock();
    cursor.insertFragment(QTextDocumentFragment(selection));
    // A fragment leaves its first paragraph's format behind.
    cursor.setPosition(0);
    cursor.setBlockFormat(start.blockFormat());
    cursor.setBlockCharFormat(start.charFormat());
    if (keepShapes)
        KeepShapedText(*copy);
    cursor.endEditBlock();
    return copy;
}

// Gives the long words of the document's paragraphs places to break (LongWordBreaks).
void LetLongWordsBreak(QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const std::vector<int> breaks = LongWordBreaks(block.text());
        QTextCursor cursor(block);
        // From the end, so that the earlier positions stay where they were.
        for (auto at = breaks.rbegin(); at != breaks.rend(); ++at) {
            cursor.setPosition(block.position() + *at);
            cursor.insertText(QString(QChar(0x200B)));
        }
    }
}

// Gives the part's long words places to break and keeps its runs of paragraphs together. Qt
// lays the rest of the part out again after each break it moves, so the part needs no fresh
// layout after.
std::unique_ptr<QTextDocument> Finished(std::unique_ptr<QTextDocument> part, double pageHeight) {
    LetLongWordsBreak(*part);
    KeepParagraphsTogether(*part, pageHeight);
    return part;
}

std::unique_ptr<QTextDocument> LaidOutPart(const QTextDocument& source, int first, int end,
                                           QPaintDevice& device, const QSizeF& page,
                                           bool keepShapes) {
    return Finished(CopyOfParagraphs(source, first, end, device, page, keepShapes), page.height());
}

bool InRootFrame(const QTextBlock& block) {
    return QTextCursor(block).currentFrame() == block.document()->rootFrame();
}

// Whether Qt could place every paragraph of the part: past its limit positions wrap round, and
// a paragraph of the main text would then start above the one before it.
bool PositionsHold(const QTextDocument& part) {
    const QAbstractTextDocumentLayout* layout = part.documentLayout();
    const double height = layout->documentSize().height();
    if (!(height >= 0 && height <= kTallestPart))
        return false;
    double top = 0;
    for (QTextBlock block = part.begin(); block.isValid(); block = block.next()) {
        if (!InRootFrame(block))
            continue;
        const QRectF area = layout->blockBoundingRect(block);
        if (area.top() < top || area.bottom() > kTallestPart)
            return false;
        top = area.top();
    }
    return true;
}

double LineTop(const QTextBlock& block, bool first) {
    const QTextLayout* layout = block.layout();
    const int lines = layout->lineCount();
    if (lines == 0)
        return layout->position().y();
    return layout->position().y() + layout->lineAt(first ? 0 : lines - 1).y();
}

std::optional<Cut> CutOf(const QTextDocument& part, double pageHeight) {
    const auto block = [&part](int i) { return part.findBlockByNumber(i); };
    return page_parts::CutOf(
        part.blockCount(), pageHeight, [&](int i, bool first) { return LineTop(block(i), first); },
        [&](int i) { return block(i).blockFormat().boolProperty(kKeepWithNextProperty); },
        [&](int i) { return InRootFrame(block(i)); });
}

} // namespace

TextDocumentPages::TextDocumentPages(const QTextDocument& document) : m_document(&document) {
    footer = document.property(kFooterProperty).toString();
}

TextDocumentPages::TextDocumentPages(const Document& model) : m_model(&model) {
    footer = QString::fromStdString(model.footer());
}

TextDocumentPages::~TextDocumentPages() = default;

std::unique_ptr<QTextDocument> TextDocumentPages::layOutPart(const Part& part,
                                                             QPaintDevice& device) const {
    if (part.endParagraph > part.firstParagraph)
        return LaidOutPart(*m_document, part.firstParagraph, part.endParagraph, device, m_page,
                           true);
    // A sheet of a few pages is filled straight into a document laid out on the device, with no
    // copy between: a class set lays out a hundred of them.
    std::unique_ptr<QTextDocument> whole = EmptyPages(device, m_page);
    // One edit round the filling, so the text is laid out once, after it is in and told to keep
    // its shapes.
    QTextCursor edit(whole.get());
    edit.beginEditBlock();
    FillLaidOutDocument(*m_model, *whole);
    KeepShapedText(*whole);
    edit.endEditBlock();
    return Finished(std::move(whole), m_page.height());
}

int TextDocumentPages::layOut(QPaintDevice& device, const QSizeF& page) {
    m_parts.clear();
    m_pageCount = 0;
    m_page = page;
    if (m_model && !m_document) {
        if (m_model->paragraphs().size() <= kParagraphsPerPart) {
            Part whole;
            whole.laidOut = layOutPart(whole, device);
            if (PositionsHold(*whole.laidOut)) {
                m_pageCount = whole.laidOut->pageCount();
                whole.pageCount = m_pageCount;
                whole.end = kNoEnd;
                m_parts.push_back(std::move(whole));
                return m_pageCount;
            }
        }
        // Longer ones are cut into parts like any other document.
        m_filled = std::make_unique<QTextDocument>();
        // Laid out again in parts on the device's own pages, whatever paper is given here.
        FillTextDocument(*m_model, *m_filled, Paper::Letter);
        m_document = m_filled.get();
    }
    const auto fail = [this] {
        m_parts.clear();
        m_pageCount = 0;
        return -1;
    };
    const int total = m_document->blockCount();
    int span = kParagraphsPerPart;
    // The fewest paragraphs from `first` found too tall for one part.
    int tooTall = std::numeric_limits<int>::max();
    for (int first = 0; first < total;) {
        span = std::min(span, total - first);
        std::unique_ptr<QTextDocument> part = LaidOutPart(
            *m_document, first, first + span, device, page, first + span <= kMostShapedParagraphs);
        if (!PositionsHold(*part)) {
            if (span == 1)
                return fail(); // one paragraph (or table) taller than any part may be
            tooTall = span;
            span /= 2;
            continue;
        }
        const std::optional<Cut> cut = first + span == total ? Cut{span, part->pageCount(), kNoEnd}
                                                             : CutOf(*part, page.height());
        if (!cut) {
            // Nowhere to cut: take more, as long as more is not known to be too tall.
            const int more = std::min({2 * span, tooTall - 1, total - first});
            if (more <= span)
                return fail();
            span = more;
            continue;
        }
        m_parts.push_back(
            Part{std::move(part), m_pageCount, cut->pages, cut->end, first, first + span});
        m_pageCount += cut->pages;
        first += cut->paragraph;
        span = kParagraphsPerPart;
        tooTall = std::numeric_limits<int>::max();
    }
    return m_pageCount;
}

void TextDocumentPages::paint(QPainter& painter, int index, const QRectF& page) const {
    if (index < 0 || index >= m_pageCount)
        return;
    const auto part = std::prev(std::upper_bound(
        m_parts.begin(), m_parts.end(), index,
        [](int wanted, const Part& candidate) { return wanted < candidate.firstPage; }));
    if (!part->laidOut)
        part->laidOut = layOutPart(*part, *painter.device());
    const int pageInPart = index - part->firstPage;
    const QRectF view = PageView(pageInPart, page, part->end);
    painter.save();
    painter.translate(page.left(), page.top() - view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = DrawnArea(view);
    context.palette.setColor(QPalette::Text, Qt::black); // text without a colour of its own
    part->laidOut->documentLayout()->draw(&painter, context);
    painter.restore();
    if (pageInPart == part->pageCount - 1)
        part->laidOut.reset();
}

} // namespace abacore
