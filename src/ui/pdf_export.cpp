#include "ui/pdf_export.h"

#include "ui/document_bridge.h"
#include "ui/line_pages.h"
#include "ui/page_output.h"
#include "ui/text_document_pages.h"

#include <QPrinter>
#include <QTextDocument>
#include <memory>

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
    explicit ModelPages(const std::vector<const Document*>& documents) {
        for (const Document* document : documents)
            if (document)
                for (Document& part : SplitAtPageBreaks(*document))
                    parts.push_back(std::move(part));
        for (const Document& part : parts)
            owned.push_back(ModelPageSource(part));
        for (const auto& pages : owned)
            sources.push_back(pages.get());
    }
    std::vector<Document> parts;
    std::vector<std::unique_ptr<PageSource>> owned;
    std::vector<PageSource*> sources;
};

} // namespace

bool PrintDocuments(const std::vector<const QTextDocument*>& documents, QPrinter& printer) {
    return DrawPages(DocumentPages(documents).sources, printer);
}

bool PrintJob(const std::vector<const QTextDocument*>& documents, QPrinter& printer) {
    return PrintJob(DocumentPages(documents).sources, printer);
}

void WritePdf(const std::vector<const QTextDocument*>& documents, const std::filesystem::path& path,
              const QString& title, Paper paper) {
    WritePdfFile(DocumentPages(documents).sources, path, title, paper);
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
