#include "worksheet/screens/worksheet_output.h"

#include "core/atomic_file.h"
#include "core/startup.h"
#include "core/utf8.h"
#include "core/worksheet_request.h"
#include "document/rtf_writer.h"
#include "ui/app_context.h"
#include "ui/chosen_file.h"
#include "ui/dialogs.h"
#include "ui/document_bridge.h"
#include "ui/page_output.h"
#include "ui/pdf_export.h"
#include "ui/qt_text.h"
#include "worksheet/activity_table.h"
#include "worksheet/html_writer.h"
#include "worksheet/save_name.h"
#include "worksheet/worksheet_messages.h"
#include "worksheet/worksheet_toolbar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>
#include <vector>

namespace abacore {

namespace {

const QString kOops = QString::fromUtf8(WorksheetText::kOopsTitle);

void MarkKept(const WorksheetOutput& output) {
    if (output.kept)
        output.kept();
}

// Asks before replacing a file of the worksheets folder that the window did not write, or
// removing another sheet's answer key; false when the teacher says no.
bool MayWrite(const WorksheetOutput& output, const SheetFiles& files) {
    const WorksheetRequest& request = output.context.request;
    const std::vector<std::string> others = FilesToConfirm(request, files.write, output.written);
    return (others.empty() && files.remove.empty()) ||
           output.context.dialogs.question(output.window, QText(kReplaceTitle),
                                           QText(ReplaceQuestion(request, others, files.remove)),
                                           DefaultAnswer::No);
}

// Writes the sheet and its key (when among the files) as RTF, both or neither, notes them as the
// window's own, then removes another sheet's key. False, said in a message, when that failed.
bool WriteSheetFiles(const WorksheetOutput& output, const SheetFiles& files) {
    const WorksheetRequest& request = output.context.request;
    const QTextDocument* documents[] = {&output.worksheet, &output.answerKey};
    std::vector<PendingFile> pending;
    for (size_t i = 0; i < files.write.size(); ++i)
        pending.push_back({FullWorksheetsPath(request, files.write[i]),
                           RtfText(ReadTextDocument(*documents[i]), request.PaperSize)});
    try {
        WriteFilesTogether(pending);
    } catch (const Failure& e) {
        output.context.dialogs.message(output.window, kOops,
                                       QText(SaveFailedMessage(WithBadBytesEscaped(e.what()))));
        return false;
    }
    for (const PendingFile& file : pending)
        output.written.insert(file.path.string());
    std::error_code error;
    if (!files.remove.empty() &&
        !std::filesystem::remove(FullWorksheetsPath(request, files.remove), error) && error)
        output.context.dialogs.message(
            output.window, kOops,
            QText(KeyNotRemovedMessage(files.remove, ReasonInWords(error.value()))));
    return true;
}

} // namespace

void SaveWorksheet(const WorksheetOutput& output) {
    AppContext& context = output.context;
    WorksheetRequest& request = context.request;
    const std::optional<QString> typed =
        context.dialogs.input(output.window, QText(WorksheetText::kNameSavedFileTitle),
                              QText(WorksheetText::kNameSavedFile), QText(request.Heading),
                              QText(WorksheetText::kFileNameField));
    if (!typed || typed->isEmpty())
        return;
    const std::string name = typed->toStdString();
    if (const SaveNameProblem problem = CheckSaveName(name); problem != SaveNameProblem::None) {
        context.dialogs.message(output.window, QText(kSaveNameTitle),
                                QText(SaveNameMessage(problem, NameSource::Typed)));
        return;
    }
    const SheetFiles files = FilesOfSheet(request, name, false, output.written);
    if (!MayWrite(output, files) || !WriteSheetFiles(output, files))
        return;
    // The heading changes only once the file is safely written.
    request.Heading = name;
    MarkKept(output);
    context.dialogs.message(output.window, QText(kWorksheetSavedTitle),
                            QText(WorksheetSavedMessage(request, name)));
}

void PrintWorksheet(const WorksheetOutput& output) {
    AppContext& context = output.context;
    Dialogs& dialogs = context.dialogs;
    if (!dialogs.question(output.window, QText(WorksheetText::kConfirmPrintTitle),
                          QText(WorksheetText::kConfirmPrint), DefaultAnswer::Yes))
        return;
    QPrinter printer(QPrinter::HighResolution);
    // The dialog offers the sheet's paper; what the teacher picks there is what it prints on.
    printer.setPageSize(PageSizeOf(context.request.PaperSize));
    // The name the print queue shows for the job.
    printer.setDocName(QText(context.request.Heading));
    if (!dialogs.choosePrinter(output.window, printer))
        return;
    const QString failed = QText(WorksheetText::kWorksheetNotPrinted);
    if (!PrintJob({&output.worksheet}, printer)) {
        dialogs.message(output.window, kOops, failed);
        return;
    }
    MarkKept(output);
    // Where the pages went when the "printer" was a file.
    QString folder;
    std::vector<std::string> files;
    const auto noteFile = [&printer, &folder, &files] {
        if (printer.outputFileName().isEmpty())
            return;
        const QFileInfo file(printer.outputFileName());
        folder = QDir::toNativeSeparators(file.absolutePath());
        files.push_back(file.fileName().toStdString());
    };
    noteFile();
    if (HasAnswerKey(context.request)) {
        const QString askKey = QText(WorksheetText::kPrintAnswerKey);
        if (dialogs.question(output.window, askKey, askKey, DefaultAnswer::Yes)) {
            // A second job into the same file would replace the worksheet.
            if (printer.outputFormat() == QPrinter::PdfFormat)
                printer.setOutputFileName(
                    QText(AnswerKeyCompanionPath(printer.outputFileName().toStdString())));
            printer.setDocName(QText(AnswerKeyTitle(context.request.Heading)));
            if (!PrintJob({&output.answerKey}, printer)) {
                dialogs.message(output.window, kOops, QText(WorksheetText::kAnswerKeyNotPrinted));
                return;
            }
            noteFile();
        }
    }
    dialogs.message(output.window, QText(kWorksheetPrintedTitle),
                    QText(PrintedMessage(folder.toStdString(), files)));
}

void SendToWordProcessor(const WorksheetOutput& output) {
    AppContext& context = output.context;
    const WorksheetRequest& request = context.request;
    Dialogs& dialogs = context.dialogs;
    const std::string name = request.Heading;
    if (const SaveNameProblem problem = CheckSaveName(name); problem != SaveNameProblem::None) {
        dialogs.message(output.window, QText(kSaveNameTitle),
                        QText(SaveNameMessage(problem, NameSource::Heading)));
        return;
    }
    const bool withKey = HasAnswerKey(request) &&
                         dialogs.question(output.window, QText(WorksheetText::kAnswerKeyTitle),
                                          QText(WorksheetText::kSendAnswerKey), DefaultAnswer::Yes);
    const SheetFiles files = FilesOfSheet(request, name, withKey, output.written);
    if (!MayWrite(output, files) || !WriteSheetFiles(output, files))
        return;
    MarkKept(output);
    QStringList arguments;
    for (const std::string& path : QuickWordArguments(request, name, withKey))
        arguments << QText(path);
    const QString program = QText(request.WordProcessorPath);
    if (program.isEmpty() || !dialogs.startDetached(program, arguments))
        dialogs.message(output.window, kOops,
                        QText(WorksheetText::kWordProcessorNotStarted)
                            .arg(program, QText(WorksheetsFolderWords(request))));
}

namespace {

// The name an export offers: the heading in the worksheets folder (in whatever letter case it
// has; the folder above it without one), or the folder alone when the heading is no file name.
QString SuggestedExportName(const WorksheetRequest& request, const QString& extension) {
    const std::filesystem::path worksheets = WorksheetsFolderOf(request);
    QDir folder(QText(worksheets.parent_path().string()));
    folder.cd(QText(worksheets.filename().string()));
    const bool headingIsName = CheckSaveName(request.Heading) == SaveNameProblem::None;
    return headingIsName ? folder.filePath(QText(request.Heading) + extension) : folder.path();
}

} // namespace

void ExportWorksheetPdf(const WorksheetOutput& output) {
    AppContext& context = output.context;
    const WorksheetRequest& request = context.request;
    Dialogs& dialogs = context.dialogs;
    const QString suggested = SuggestedExportName(request, QStringLiteral(".pdf"));
    std::optional<QString> chosen =
        dialogs.saveFile(output.window, QText(WorksheetText::kExportPdfTitle),
                         QText(WorksheetText::kPdfFilter), suggested);
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const bool withKey =
        HasAnswerKey(request) &&
        dialogs.question(output.window, QText(WorksheetText::kAnswerKeyTitle),
                         QText(WorksheetText::kAddAnswerKeyToPdf), DefaultAnswer::Yes);
    std::vector<const QTextDocument*> documents{&output.worksheet};
    if (withKey)
        documents.push_back(&output.answerKey);
    try {
        WritePdf(documents, ChosenFilePath(path), QText(request.Heading), request.PaperSize);
    } catch (const Failure& e) {
        dialogs.message(
            output.window, kOops,
            QText(WorksheetText::kPdfNotWritten).arg(QText(WithBadBytesEscaped(e.what()))));
        return;
    }
    MarkKept(output);
    dialogs.message(output.window, QText(WorksheetText::kPdfSavedTitle),
                    QText(WorksheetText::kPdfSaved).arg(QDir::toNativeSeparators(path)));
}

void ExportWorksheetWebPage(const WorksheetOutput& output, const SheetContent& content) {
    Dialogs& dialogs = output.context.dialogs;
    std::optional<QString> chosen = dialogs.saveFile(
        output.window, QText(WorksheetText::kExportWebTitle), QText(WorksheetText::kWebFilter),
        SuggestedExportName(output.context.request, QStringLiteral(".html")));
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".html");
    const WebVersion single{"", "", &content,
                            output.worksheet.property(kFooterProperty).toString().toStdString()};
    try {
        WriteFileAtomically(ChosenFilePath(path), WorksheetHtml({&single, 1}, nullptr));
    } catch (const Failure& e) {
        dialogs.message(
            output.window, kOops,
            QText(WorksheetText::kWebNotWritten).arg(QText(WithBadBytesEscaped(e.what()))));
        return;
    }
    dialogs.message(output.window, QText(WorksheetText::kWebSavedTitle),
                    QText(WorksheetText::kWebSaved).arg(QDir::toNativeSeparators(path)));
}

void PreviewWorksheet(const WorksheetOutput& output) {
    std::vector<const QTextDocument*> documents{&output.worksheet};
    if (HasAnswerKey(output.context.request))
        documents.push_back(&output.answerKey);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(PageSizeOf(output.context.request.PaperSize));
    output.context.dialogs.printPreview(output.window, printer, [&documents](QPrinter* target) {
        PrintDocuments(documents, *target);
    });
}

} // namespace abacore
