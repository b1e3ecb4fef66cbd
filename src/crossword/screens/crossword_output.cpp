#include "crossword/screens/crossword_output.h"

#include "core/atomic_file.h"
#include "core/startup.h"
#include "core/utf8.h"
#include "core/worksheet_request.h"
#include "crossword/crossword_html.h"
#include "crossword/crossword_messages.h"
#include "crossword/crossword_writers.h"
#include "document/html_page.h"
#include "ui/app_context.h"
#include "ui/chosen_file.h"
#include "ui/crossword_pages.h"
#include "ui/dialogs.h"
#include "ui/page_output.h"
#include "ui/qt_text.h"
#include "worksheet/save_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <string>
#include <vector>

namespace abacore {

namespace {

const QString kOops = QStringLiteral("Oops!");

} // namespace

bool PrintCrossword(const CrosswordOutput& output) {
    Dialogs& dialogs = output.context.dialogs;
    if (!dialogs.question(output.window, QText(CrosswordText::kConfirmPrintTitle),
                          QText(CrosswordText::kConfirmPrint), DefaultAnswer::Yes))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    // The dialog offers the chosen paper; the puzzle is laid out on what the teacher picks there.
    printer.setPageSize(PageSizeOf(output.context.request.PaperSize));
    printer.setDocName(QText(output.page.heading));
    if (!dialogs.choosePrinter(output.window, printer))
        return false;
    PainterPages puzzle = CrosswordPuzzlePages(output.page, output.look);
    if (!PrintJob({&puzzle}, printer)) {
        dialogs.message(output.window, kOops, QText(CrosswordText::kPrintFailed));
        return false;
    }
    // Where the pages went when the "printer" was a file.
    QString folder;
    std::vector<std::string> files;
    const auto noteFile = [&printer, &folder, &files] {
        if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
            return;
        const QFileInfo file(printer.outputFileName());
        folder = QDir::toNativeSeparators(file.absolutePath());
        files.push_back(file.fileName().toStdString());
    };
    noteFile();
    if (dialogs.question(output.window, QText(CrosswordText::kAnswerKeyTitle),
                         QText(CrosswordText::kAnswerKey), DefaultAnswer::Yes)) {
        // A second job into the same file would replace the puzzle.
        if (printer.outputFormat() == QPrinter::PdfFormat)
            printer.setOutputFileName(
                QText(AnswerKeyCompanionPath(printer.outputFileName().toStdString())));
        printer.setDocName(QText(AnswerKeyTitle(output.page.heading)));
        PainterPages key = CrosswordKeyPages(output.page, output.look);
        if (PrintJob({&key}, printer))
            noteFile();
        else
            // The puzzle is printed all the same: say so below, after this message.
            dialogs.message(output.window, kOops, QText(CrosswordText::kKeyPrintFailed));
    }
    dialogs.message(output.window, QText(CrosswordText::kPrintedTitle),
                    QText(CrosswordPrintedMessage(folder.toStdString(), files)));
    return true;
}

bool ExportCrossword(const CrosswordOutput& output) {
    AppContext& context = output.context;
    const WorksheetRequest& request = context.request;
    Dialogs& dialogs = context.dialogs;
    // The worksheets folder in whatever letter case it has; the program folder without one.
    QDir folder(QText(request.ProgramFolder));
    folder.cd(QText(WorksheetsFolderPath(request.ProgramFolder).filename().string()));
    const bool headingIsName = CheckSaveName(output.page.heading) == SaveNameProblem::None;
    const QString suggested =
        headingIsName ? folder.filePath(QText(output.page.heading) + QStringLiteral(".pdf"))
                      : folder.path();
    const std::optional<QString> chosen =
        dialogs.saveFile(output.window, QText(CrosswordText::kExportTitle),
                         QText(CrosswordText::kExportFilter), suggested);
    if (!chosen || chosen->isEmpty())
        return false;
    QString path = *chosen;
    QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty()) {
        path += QStringLiteral(".pdf");
        suffix = QStringLiteral("pdf");
    }
    const bool webPage = IsWebPageExtension(suffix.toStdString());
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("ipuz") && !webPage) {
        dialogs.message(output.window, kOops, QText(CrosswordText::kExportWrongType));
        return false;
    }
    try {
        if (suffix == QLatin1String("ipuz")) {
            WriteFileAtomically(ChosenFilePath(path), CrosswordIpuz(output.page));
        } else if (webPage) {
            WriteFileAtomically(ChosenFilePath(path), CrosswordHtml(output.page));
        } else {
            const bool withKey =
                dialogs.question(output.window, QText(CrosswordText::kAnswerKeyTitle),
                                 QText(CrosswordText::kExportKey), DefaultAnswer::Yes);
            PainterPages puzzle = CrosswordPuzzlePages(output.page, output.look);
            PainterPages key = CrosswordKeyPages(output.page, output.look);
            std::vector<PageSource*> sources{&puzzle};
            if (withKey)
                sources.push_back(&key);
            WritePdfFile(sources, ChosenFilePath(path), QText(output.page.heading),
                         request.PaperSize);
        }
    } catch (const Failure& e) {
        dialogs.message(output.window, kOops,
                        QStringLiteral("The puzzle could not be saved. %1")
                            .arg(QText(WithBadBytesEscaped(e.what()))));
        return false;
    }
    dialogs.message(output.window, QText(CrosswordText::kExportedTitle),
                    QText(CrosswordExportedMessage(QDir::toNativeSeparators(path).toStdString())));
    return true;
}

} // namespace abacore
