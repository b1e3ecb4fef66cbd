#pragma once
// A rich-text document as printed pages: cut at the page's height, no page numbers, and the
// paragraphs marked keep-with-next (a problem's rows) moved whole to the next page rather than
// split.

#include "ui/page_source.h"

#include <memory>
#include <vector>

class QTextDocument;

namespace abacore {

class Document;

class TextDocumentPages final : public PageSource {
public:
    // `document` must outlive this object; it is copied, never changed.
    explicit TextDocumentPages(const QTextDocument& document);
    // The document model's pages, as FillTextDocument would show them; `model` must outlive
    // this object.
    explicit TextDocumentPages(const Document& model);
    ~TextDocumentPages() override;

    int layOut(QPaintDevice& device, const QSizeF& page) override;
    void paint(QPainter& painter, int index, const QRectF& page) const override;

private:
    // A run of whole pages, laid out on its own: Qt's layout cannot hold a long document in one.
    struct Part {
        std::unique_ptr<QTextDocument> laidOut;
        int firstPage = 0; // of the whole document
        int pageCount = 0;
        double end = 0; // where the part's content stops, in its own coordinates
    };

    const QTextDocument* m_document = nullptr;
    const Document* m_model = nullptr;
    std::unique_ptr<QTextDocument> m_filled; // the model's, when it is long
    std::vector<Part> m_parts;
    int m_pageCount = 0;
};

} // namespace abacore
