#pragma once
// A rich-text document as printed pages: cut at the page's height, no page numbers, and the
// paragraphs marked keep-with-next (a problem's rows) moved whole to the next page rather than
// split.

#include "ui/page_source.h"

#include <memory>

class QTextDocument;

namespace abacore {

class TextDocumentPages final : public PageSource {
public:
    // `document` must outlive this object; it is copied, never changed.
    explicit TextDocumentPages(const QTextDocument& document);
    ~TextDocumentPages() override;

    int layOut(QPaintDevice& device, const QSizeF& page) override;
    void paint(QPainter& painter, int index, const QRectF& page) const override;

private:
    const QTextDocument& m_document;
    std::unique_ptr<QTextDocument> m_laidOut; // the copy cut into pages for the device
    int m_pageCount = 0;
};

} // namespace abacore
