#pragma once
// PDF through Qt's own renderer; works on the offscreen platform.

#include "worksheet/document.h"

#include <QString>
#include <vector>

class QTextDocument;
class QPrinter;

// Prints each document on `printer`, each one starting on a new page.
void PrintDocuments(const std::vector<const QTextDocument*>& documents, QPrinter& printer);
// Writes the documents to a PDF file atomically; returns an empty string or the reason.
QString WritePdf(const std::vector<const Document*>& documents, const QString& path);
