#pragma once
// PDF through Qt's own renderer; works on the offscreen platform.

#include "worksheet/document.h"

#include <QString>
#include <vector>

class QTextDocument;
class QPrinter;

namespace abacore {

// Prints each document on `printer`, each one starting on a new page, on the page of
// worksheet/page_setup.h and without page numbers. False when the printer cannot be opened.
bool PrintDocuments(const std::vector<const QTextDocument*>& documents, QPrinter& printer);
// Writes the documents to a PDF file atomically; returns an empty string or the reason.
QString WritePdf(const std::vector<const Document*>& documents, const QString& path);

} // namespace abacore
