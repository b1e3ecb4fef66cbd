#include "ui/pdf_export.h"

#include "ui/document_bridge.h"
#include "worksheet/page_setup.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace abacore {

namespace {

QPageLayout WorksheetPageLayout() {
    using namespace PageSetup;
    return QPageLayout(
        QPageSize(QPageSize::Letter), QPageLayout::Portrait,
        QMarginsF(kLeftMarginInches, kTopMarginInches, kRightMarginInches, kBottomMarginInches),
        QPageLayout::Inch);
}

// Moves each run of paragraphs that must stay together (a problem's rows) to the next page when
// it would cross a page end, as a word processor does with "keep with next".
void KeepParagraphsTogether(QTextDocument& document, double pageHeight) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    // Qt lays a long document out in steps; asking for the page count finishes the layout, so
    // the positions read below are the final ones. Each break lays the rest out again, so very
    // long documents (thousands of problems) are printed without this, as they come.
    constexpr int kMostPages = 100;
    if (document.pageCount() > kMostPages)
        return;
    for (QTextBlock first = document.begin(); first.isValid();) {
        QTextBlock last = first;
        while (last.blockFormat().boolProperty(kKeepWithNextProperty) && last.next().isValid())
            last = last.next();
        const double top = layout->blockBoundingRect(first).top();
        const double bottom = layout->blockBoundingRect(last).bottom();
        const bool crosses =
            static_cast<int>(top / pageHeight) != static_cast<int>((bottom - 1) / pageHeight);
        if (first != last && crosses && bottom - top <= pageHeight) {
            QTextBlockFormat format;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(first).mergeBlockFormat(format);
            document.pageCount();
        }
        first = last.next();
    }
}

// Lays the document out on the printer itself, so that fonts are measured at its resolution,
// and cuts it into pages of the printable area. Without a page size of its own Qt would add
// page numbers and margins of its own; this copy gets neither.
std::unique_ptr<QTextDocument> LaidOutCopy(const QTextDocument& document, QPrinter& printer,
                                           const QSizeF& page) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    copy->setPageSize(page);
    return copy;
}

void PrintOne(const QTextDocument& document, QPrinter& printer, QPainter& painter) {
    const QSizeF page(printer.width(), printer.height());
    std::unique_ptr<QTextDocument> withBreaks = LaidOutCopy(document, printer, page);
    KeepParagraphsTogether(*withBreaks, page.height());
    // Laid out afresh, as Qt lays out a document that had its breaks from the start.
    std::unique_ptr<QTextDocument> copy = LaidOutCopy(*withBreaks, printer, page);
    QAbstractTextDocumentLayout* layout = copy->documentLayout();
    const int pages = copy->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            printer.newPage();
        const QRectF view(0, i * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        // A line that touches the page's edge belongs to the neighbouring page; drawn here too,
        // it would leave a sliver and a second copy of its text in the file.
        context.clip = view.adjusted(0, 1, 0, -1);
        context.palette.setColor(QPalette::Text, Qt::black); // text without a colour of its own
        layout->draw(&painter, context);
        painter.restore();
    }
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The written bytes reach the disk before the file takes the place of the old one.
bool SyncFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Qt's PDF printer does not report a failed write (a full disk): a complete file ends with the
// end-of-file marker.
bool IsCompletePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

} // namespace

bool PrintDocuments(const std::vector<const QTextDocument*>& documents, QPrinter& printer) {
    if (!printer.setPageLayout(WorksheetPageLayout())) {
        // A printer whose smallest margins are wider keeps its own, on the same paper.
        printer.setPageSize(QPageSize(QPageSize::Letter));
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool first = true;
    for (const QTextDocument* document : documents) {
        if (!document)
            continue;
        if (!first)
            printer.newPage();
        first = false;
        PrintOne(*document, printer, painter);
    }
    return painter.end();
}

QString WritePdf(const std::vector<const Document*>& documents, const QString& path) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir())
        return QStringLiteral("The folder \"%1\" does not exist.").arg(Native(folder));
    if (target.isDir())
        return QStringLiteral("\"%1\" is a folder.").arg(Native(target.absoluteFilePath()));
    if (!folderInfo.isWritable())
        return QStringLiteral("The folder \"%1\" cannot be written to.").arg(Native(folder));

    QString temporary;
    do {
        temporary = QDir(folder).filePath(
            QStringLiteral(".%1.%2.part")
                .arg(target.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    } while (QFileInfo::exists(temporary));

    std::vector<std::unique_ptr<QTextDocument>> filled;
    std::vector<const QTextDocument*> pages;
    for (const Document* document : documents) {
        if (!document)
            continue;
        filled.push_back(std::make_unique<QTextDocument>());
        FillTextDocument(*document, *filled.back());
        pages.push_back(filled.back().get());
    }

    const QString failure = QStringLiteral("Cannot write \"%1\".").arg(Native(path));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(temporary);
        printer.setCreator(QStringLiteral("Abacore -Drill-"));
        printer.setDocName(target.completeBaseName());
        if (!PrintDocuments(pages, printer)) {
            QFile::remove(temporary);
            return failure;
        }
    }
    if (!IsCompletePdf(temporary) || !SyncFile(temporary)) {
        QFile::remove(temporary);
        return failure;
    }
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        return QStringLiteral("Cannot write \"%1\": %2.").arg(Native(path), reason);
    }
    return {};
}

} // namespace abacore
