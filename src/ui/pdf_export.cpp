#include "ui/pdf_export.h"

#include "ui/document_bridge.h"
#include "ui/line_pages.h"
#include "ui/page_output.h"
#include "ui/text_document_pages.h"

#include <QPrinter>
#include <QTextDocument>
#include <deque>
#include <memory>
#include <optional>

namespace abacore {

namespace {

// One page source per document, and the list the page path takes.
struct DocumentPages {
    explicit DocumentPages(const std::vector<const QTextDocument*>& documents) {
        for (const QTextDocument* document : documents)
            if (document)
                owned.push_back(std::make_unique<TextDocumentPages>(*document));
        for (const auto& pages : owned)
            sources.push_back(pages.get());
    }
    std::vector<std::unique_ptr<TextDocumentPages>> owned;
    std::vector<PageSource*> sources;
};

// The model's documents, each stretch between page breaks laid out on its own (line by line
// where it can be): a class set's hundred versions cost a hundred times one, not more.
struct ModelPages {
    ModelPages() = default;
    explicit ModelPages(const std::vector<const Document*>& documents) {
        for (const Document* document : documents)
            if (document)
                add(*document);
    }
    void add(const Document& document) {
        for (Document& part : SplitAtPageBreaks(document)) {
            parts.push_back(std::move(part));
            owned.push_back(ModelPageSource(parts.back()));
            sources.push_back(owned.back().get());
        }
    }
    void add(const QTextDocument& document) {
        owned.push_back(std::make_unique<TextDocumentPages>(document));
        sources.push_back(owned.back().get());
    }
    std::deque<Document> parts; // stays where it is as parts are added: the pages point at it
    std::vector<std::unique_ptr<PageSource>> owned;
    std::vector<PageSource*> sources;
};

// The window's documents as the pages of a PDF file: each laid out from its model, as `make`
// lays a sheet out, where the model holds all of it; by Qt's document layout otherwise.
ModelPages ExportPages(const std::vector<const QTextDocument*>& documents) {
    ModelPages pages;
    for (const QTextDocument* document : documents) {
        if (!document)
            continue;
        if (const std::optional<Document> model = ExactModel(*document))
            pages.add(*model);
        else
            pages.add(*document);
    }
    return pages;
}

} // namespace

bool PrintDocuments(const std::vector<const QTextDocument*>& documents, QPrinter& printer) {
    return DrawPages(DocumentPages(documents).sources, printer);
}

bool PrintJob(const std::vector<const QTextDocument*>& documents, QPrinter& printer) {
    return PrintJob(DocumentPages(documents).sources, printer);
}

void WritePdf(const std::vector<const QTextDocument*>& documents, const std::filesystem::path& path,
              const QString& title, Paper paper) {
    WritePdfFile(ExportPages(documents).sources, path, title, paper);
}

void WritePdf(const std::vector<const Document*>& documents, const std::filesystem::path& path,
              const QString& title, Paper paper) {
    const PendingFile file = PdfFile(documents, path, title, paper);
    WriteFileAtomically(file.path, file.bytes);
}

PendingFile PdfFile(const std::vector<const Document*>& documents,
                    const std::filesystem::path& path, const QString& title, Paper paper) {
    return PdfFile(ModelPages(documents).sources, path, title, paper);
}

QByteArray PdfBytes(const Document& document, const QString& title, Paper paper) {
    return PdfBytes(std::vector<const Document*>{&document}, title, paper);
}

QByteArray PdfBytes(const std::vector<const Document*>& documents, const QString& title,
                    Paper paper) {
    return PdfBytes(ModelPages(documents).sources, title, paper);
}

} // namespace abacore
