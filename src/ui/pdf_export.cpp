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

// The documents' page sources, in order, and the list the page path takes. A model's document is
// laid out a stretch between page breaks at a time (line by line where it can be): a class
// set's hundred versions cost a hundred times one, not more.
struct Pages {
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

// The model's documents as they are; printed, the window's documents are laid out by Qt's
// document layout.
template <typename Source> Pages PagesOf(const std::vector<const Source*>& documents) {
    Pages pages;
    for (const Source* document : documents)
        if (document)
            pages.add(*document);
    return pages;
}

// Exported, each is laid out from its model, as `make` lays a sheet out, where the model holds
// all of it.
Pages ExportedPages(const std::vector<const QTextDocument*>& documents) {
    Pages pages;
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
    return DrawPages(PagesOf(documents).sources, printer);
}

bool PrintJob(const std::vector<const QTextDocument*>& documents, QPrinter& printer) {
    return PrintJob(PagesOf(documents).sources, printer);
}

void WritePdf(const std::vector<const QTextDocument*>& documents, const std::filesystem::path& path,
              const QString& title, Paper paper) {
    WritePdfFile(ExportedPages(documents).sources, path, title, paper);
}

void WritePdf(const std::vector<const Document*>& documents, const std::filesystem::path& path,
              const QString& title, Paper paper) {
    const PendingFile file = PdfFile(documents, path, title, paper);
    WriteFileAtomically(file.path, file.bytes);
}

PendingFile PdfFile(const std::vector<const Document*>& documents,
                    const std::filesystem::path& path, const QString& title, Paper paper) {
    return PdfFile(PagesOf(documents).sources, path, title, paper);
}

QByteArray PdfBytes(const Document& document, const QString& title, Paper paper) {
    return PdfBytes(std::vector<const Document*>{&document}, title, paper);
}

QByteArray PdfBytes(const std::vector<const Document*>& documents, const QString& title,
                    Paper paper) {
    return PdfBytes(PagesOf(documents).sources, title, paper);
}

} // namespace abacore
