#include "ui/text_document_pages.h"

#include "ui/document_bridge.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace abacore {

namespace {

// Moves each run of paragraphs that must stay together (a problem's rows) to the next page when
// it would cross a page end, as a word processor does with "keep with next".
// Returns whether it moved any.
bool KeepParagraphsTogether(QTextDocument& document, double pageHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    // Qt lays a long document out in steps; asking for the page count finishes the layout, so
    // the positions read below are the final ones. Each break lays the rest out again, so very
    // long documents (thousands of problems) are printed without this, as they come.
    constexpr int kMostPages = 100;
    if (document.pageCount() > kMostPages)
        return false;
    bool moved = false;
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
            moved = true;
        }
        first = last.next();
    }
    return moved;
}

// Lays the document out on the device itself, so that fonts are measured at its resolution,
// and cuts it into pages of the printable area. Without a page size of its own Qt would add
// page numbers and margins of its own; this copy gets neither.
std::unique_ptr<QTextDocument> LaidOutCopy(const QTextDocument& document, QPaintDevice& device,
                                           const QSizeF& page) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&device);
    copy->setDocumentMargin(0);
    copy->setPageSize(page);
    return copy;
}

} // namespace

TextDocumentPages::TextDocumentPages(const QTextDocument& document) : m_document(document) {}

TextDocumentPages::~TextDocumentPages() = default;

int TextDocumentPages::layOut(QPaintDevice& device, const QSizeF& page) {
    std::unique_ptr<QTextDocument> withBreaks = LaidOutCopy(m_document, device, page);
    // Laid out afresh, as Qt lays out a document that had its breaks from the start; without
    // new breaks the first layout is that one already.
    m_laidOut = KeepParagraphsTogether(*withBreaks, page.height())
                    ? LaidOutCopy(*withBreaks, device, page)
                    : std::move(withBreaks);
    m_pageCount = m_laidOut->pageCount();
    return m_pageCount;
}

void TextDocumentPages::paint(QPainter& painter, int index, const QRectF& page) const {
    if (!m_laidOut || index < 0 || index >= m_pageCount)
        return;
    // The part of the long laid-out document that falls on this page, in its own coordinates.
    const QRectF view(0, index * page.height(), page.width(), page.height());
    painter.save();
    painter.translate(page.left(), page.top() - view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    // A line that touches the page's edge belongs to the neighbouring page; drawn here too, it
    // would leave a sliver and a second copy of its text in the file.
    context.clip = view.adjusted(0, 1, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black); // text without a colour of its own
    m_laidOut->documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace abacore
