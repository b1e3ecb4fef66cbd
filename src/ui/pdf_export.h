#pragma once
// Printing and PDF files of whole documents, through the one page-drawing path (page_output.h).

#include "core/atomic_file.h"
#include "core/paper.h"
#include "document/document.h"

#include <QString>
#include <vector>

class QTextDocument;
class QPrinter;

namespace abacore {

// Prints each document on `printer`, each one starting on a new page, on the printer's paper with
// the margins of document/page_setup.h and without page numbers. False when the printer cannot be
// opened.
bool PrintDocuments(const std::vector<const QTextDocument*>& documents, QPrinter& printer);
// The documents as one print job, checked as PrintJob checks it.
bool PrintJob(const std::vector<const QTextDocument*>& documents, QPrinter& printer);
// Writes the documents, each from a new page, to a PDF file on `paper` titled `title` (the
// sheet's heading). Throws WriteError naming the file and the reason; an earlier file is then left
// as it was. A document its model holds whole (ExactModel) is laid out from the model, as the
// model's own documents are: the same pages, sooner.
void WritePdf(const std::vector<const QTextDocument*>& documents, const std::filesystem::path& path,
              const QString& title, Paper paper);
void WritePdf(const std::vector<const Document*>& documents, const std::filesystem::path& path,
              const QString& title, Paper paper);
// The documents as such a PDF file to write with others (WriteFilesTogether). Throws WriteError
// when the pages cannot be drawn.
PendingFile PdfFile(const std::vector<const Document*>& documents,
                    const std::filesystem::path& path, const QString& title, Paper paper);
// The document as PDF bytes, empty when its pages cannot be drawn.
QByteArray PdfBytes(const Document& document, const QString& title, Paper paper);
// The documents so, each from a new page.
QByteArray PdfBytes(const std::vector<const Document*>& documents, const QString& title,
                    Paper paper);

} // namespace abacore
