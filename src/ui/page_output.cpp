#include "ui/page_output.h"

#include "core/atomic_file.h"
#include "document/page_setup.h"
#include "ui/reproducible_pdf.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <memory>
#include <new>

namespace abacore {

namespace {

// The worksheets' margins on the paper the device holds (the one chosen in the print dialog).
QPageLayout WorksheetPageLayout(const QPageLayout& current) {
    using namespace PageSetup;
    return QPageLayout(
        current.pageSize(), current.orientation(),
        QMarginsF(kLeftMarginInches, kTopMarginInches, kRightMarginInches, kBottomMarginInches),
        QPageLayout::Inch);
}

// The resolution of Qt's high-resolution printer, so a PDF file and a print match.
constexpr int kPdfDotsPerInch = 1200;

} // namespace

QPageSize PageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter);
}

namespace {

// The footer line, just below the printable area, where no content reaches.
void DrawFooter(QPainter& painter, const QRectF& page, const QString& text) {
    painter.save();
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double gap = painter.device()->logicalDpiY() / 8.0;
    painter.drawText(QRectF(page.left(), page.bottom() + gap, page.width(), gap * 3),
                     Qt::AlignLeft | Qt::AlignTop, text);
    painter.restore();
}

} // namespace

bool DrawPages(const std::vector<PageSource*>& sources, QPagedPaintDevice& device) {
    // A printer whose smallest margins are wider keeps its own.
    device.setPageLayout(WorksheetPageLayout(device.pageLayout()));
    // Ending the painter writes the pages out, which takes memory: out of memory, a painter
    // left to its destructor would end there and throw again, which stops the program. It is
    // ended here, or when drawing throws (out of memory) abandoned unended, and the failure
    // goes on.
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&device))
        return false;
    try {
        const QSizeF size(device.width(), device.height());
        const QRectF page(QPointF(0, 0), size);
        bool first = true;
        for (PageSource* source : sources) {
            if (!source)
                continue;
            const int pages = source->layOut(device, size);
            if (pages < 0) {
                painter->end();
                return false;
            }
            for (int i = 0; i < pages; ++i) {
                if (!first)
                    device.newPage();
                first = false;
                source->paint(*painter, i, page);
                if (!source->footer.isEmpty())
                    DrawFooter(*painter, page, source->footer);
            }
        }
        return painter->end();
    } catch (...) {
        (void)painter.release();
        throw;
    }
}

QByteArray PdfBytes(const std::vector<PageSource*>& sources, const QString& title, Paper paper) {
    QByteArray bytes;
    {
        const FixedHashOrder fixedOrder;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // When drawing throws (out of memory) the painter is abandoned still painting on the
        // writer: the writer is abandoned with it, as destroying a device that is being painted
        // on takes memory to warn of it, in a destructor.
        auto writer = std::make_unique<QPdfWriter>(&buffer);
        writer->setResolution(kPdfDotsPerInch);
        writer->setPageSize(PageSizeOf(paper));
        writer->setCreator(QStringLiteral("Abacore -Drill-"));
        writer->setTitle(title);
        try {
            if (!DrawPages(sources, *writer))
                return {};
        } catch (...) {
            (void)writer.release();
            throw;
        }
    }
    return WithoutDates(bytes);
}

PendingFile PdfFile(const std::vector<PageSource*>& sources, const std::filesystem::path& path,
                    const QString& title, Paper paper) {
    PendingFile file{path, {}};
    QByteArray bytes;
    try {
        bytes = PdfBytes(sources, title, paper);
    } catch (const std::bad_alloc&) {
        throw WriteError("Cannot write " + file.path.string() + ": " + kPagesOutOfMemory);
    }
    if (bytes.isEmpty())
        throw WriteError("Cannot write " + file.path.string() + ": the pages could not be drawn.");
    file.bytes = bytes.toStdString();
    return file;
}

void WritePdfFile(const std::vector<PageSource*>& sources, const std::filesystem::path& path,
                  const QString& title, Paper paper) {
    const PendingFile file = PdfFile(sources, path, title, paper);
    WriteFileAtomically(file.path, file.bytes);
}

bool PrintJob(const std::vector<PageSource*>& sources, QPrinter& printer) {
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QFileInfo file(printer.outputFileName());
    if (toFile && !(file.exists() ? file.isWritable() : QFileInfo(file.path()).isWritable()))
        return false;
    if (!DrawPages(sources, printer) || printer.printerState() == QPrinter::Error)
        return false;
    return !toFile || QFileInfo(file.filePath()).size() > 0;
}

} // namespace abacore
