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
#include <QTextDocument>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

QPageLayout WorksheetPageLayout() {
    using namespace PageSetup;
    return QPageLayout(
        QPageSize(QPageSize::Letter), QPageLayout::Portrait,
        QMarginsF(leftMarginInches, topMarginInches, rightMarginInches, bottomMarginInches),
        QPageLayout::Inch);
}

// Lays the document out on the printer itself, so that fonts are measured at its resolution,
// and cuts it into pages of the printable area. Without a page size of its own Qt would add
// page numbers and margins of its own; this copy gets neither.
void PrintOne(const QTextDocument& document, QPrinter& printer, QPainter& painter) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    QAbstractTextDocumentLayout* layout = copy->documentLayout();
    layout->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    const QSizeF page(printer.width(), printer.height());
    copy->setPageSize(page);
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
    if (QFileInfo(temporary).size() == 0 || !SyncFile(temporary)) {
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
