#pragma once
// A rich-text document as printed pages: cut at the page's height, no page numbers, and the
// paragraphs marked keep-with-next (a problem's rows) moved whole to the next page rather than
// split. Printed documents, and exported ones with what the model lacks (pictures among it),
// come here; the others are laid out by line_pages.h, which places every line as this does.

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
        // Let go once the part's last page is drawn, with the shaped text it keeps; laid out
        // again, the same way, should a page of it be drawn again.
        std::unique_ptr<QTextDocument> laidOut;
        int firstPage = 0; // of the whole document
        int pageCount = 0;
        double end = 0; // where the part's content stops, in its own coordinates
        // The paragraphs it was laid out from, [first, last); none for the model's whole.
        int firstParagraph = 0;
        int endParagraph = 0;
    };

    std::unique_ptr<QTextDocument> layOutPart(const Part& part, QPaintDevice& device) const;

    const QTextDocument* m_document = nullptr;
    const Document* m_model = nullptr;
    std::unique_ptr<QTextDocument> m_filled; // the model's, when it is long
    mutable std::vector<Part> m_parts;
    QSizeF m_page;
    int m_pageCount = 0;
};

} // namespace abacore
