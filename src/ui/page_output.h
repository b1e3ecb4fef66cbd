#pragma once
// The one way pages are drawn: Print, Print Preview and PDF files all go through here, for text
// documents and for pages drawn with QPainter alike, with the margins of document/page_setup.h:
// a PDF on the paper it is asked for, a print on the paper the printer was given (the teacher's
// own in the print dialog), each laid out for that paper's printable area.

#include "core/atomic_file.h"
#include "core/paper.h"
#include "ui/page_source.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QPageSize;
class QPrinter;

class QPagedPaintDevice;

namespace abacore {

// What is said when the pages need more memory than there is.
inline constexpr const char* kPagesOutOfMemory =
    "the computer ran out of memory while drawing the pages. Make fewer pages at a time, or "
    "close other programs.";

// The page size of the paper, for a printer to start the print dialog with.
QPageSize PageSizeOf(Paper paper);

// Draws the sources one after the other on `device` (a printer, the print preview's printer, a
// PDF writer), each from a new page, on the paper the device holds. False when the device cannot be
// painted on. Out of memory it throws std::bad_alloc, the painter abandoned unended (ending it
// needs memory again).
bool DrawPages(const std::vector<PageSource*>& sources, QPagedPaintDevice& device);

// The sources as one print job. False when the printer, or the file it prints to, failed: Qt's
// PDF printer fails silently on a file it cannot write, so that is looked at before and after.
bool PrintJob(const std::vector<PageSource*>& sources, QPrinter& printer);

// The sources as a PDF titled `title` on `paper`, made in memory; the same pages give the same
// bytes.
// Empty when the pages could not be drawn; std::bad_alloc out of memory.
QByteArray PdfBytes(const std::vector<PageSource*>& sources, const QString& title, Paper paper);

// The sources as a PDF file titled `title` (the sheet's, never the file's name: the same pages
// give the same bytes under any name), to write with others (WriteFilesTogether). Throws
// WriteError when the pages cannot be drawn, out of memory among the reasons.
PendingFile PdfFile(const std::vector<PageSource*>& sources, const std::filesystem::path& path,
                    const QString& title, Paper paper);

// Writes that PDF file through the one atomic writer. Throws WriteError naming the file and the
// reason; an earlier file is then left as it was.
void WritePdfFile(const std::vector<PageSource*>& sources, const std::filesystem::path& path,
                  const QString& title, Paper paper);

} // namespace abacore
