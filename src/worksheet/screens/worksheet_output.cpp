#include "worksheet/screens/worksheet_output.h"

#include "core/atomic_file.h"
#include "core/startup.h"
#include "core/worksheet_request.h"
#include "ui/app_context.h"
#include "ui/dialogs.h"
#include "ui/document_bridge.h"
#include "ui/pdf_export.h"
#include "worksheet/activity_table.h"
#include "worksheet/html_writer.h"
#include "worksheet/rtf_writer.h"
#include "worksheet/save_name.h"
#include "worksheet/worksheet_messages.h"
#include "worksheet/worksheet_toolbar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>
#include <vector>

namespace abacore {

namespace {

const QString kOops = QString::fromUtf8(WorksheetText::kOopsTitle);

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void MarkKept(const WorksheetOutput& output) {
    if (output.kept)
        output.kept();
}

// Writes the documents as RTF to their worksheets files, all or none (a sheet and its key), and
// notes them as the window's own. Throws WriteError.
void WriteWorksheetsFiles(
    const WorksheetOutput& output,
    const std::vector<std::pair<const QTextDocument*, std::string>>& documents) {
    std::vector<PendingFile> files;
    for (const auto& [document, fileName] : documents)
        files.push_back({FullWorksheetsPath(output.context.request, fileName),
                         RtfText(ReadTextDocument(*document))});
    WriteFilesTogether(files);
    for (const PendingFile& file : files)
        output.written.insert(file.path.string());
}

// False when one of the files is another worksheet that the teacher does not want replaced.
bool MayReplace(const WorksheetOutput& output, const std::vector<std::string>& fileNames) {
    const WorksheetRequest& request = output.context.request;
    const std::vector<std::string> others = FilesToConfirm(request, fileNames, output.written);
    return others.empty() || output.context.dialogs.question(output.window, q(kReplaceTitle),
                                                             q(ReplaceQuestion(request, others)));
}

// Prints one document as one job; false when the printer (or its output file) failed.
bool PrintJob(const QTextDocument& document, QPrinter& printer) {
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QFileInfo file(printer.outputFileName());
    // Qt's PDF printer fails silently on a file it cannot write, so look before printing.
    if (toFile && !(file.exists() ? file.isWritable() : QFileInfo(file.path()).isWritable()))
        return false;
    if (!PrintDocuments({&document}, printer) || printer.printerState() == QPrinter::Error)
        return false;
    return !toFile || QFileInfo(file.filePath()).size() > 0;
}

} // namespace

void SaveWorksheet(const WorksheetOutput& output) {
    AppContext& context = output.context;
    WorksheetRequest& request = context.request;
    const std::optional<QString> typed =
        context.dialogs.input(output.window, Text(WorksheetText::kNameSavedFileTitle),
                              Text(WorksheetText::kNameSavedFile), q(request.Heading));
    if (!typed || typed->isEmpty())
        return;
    const std::string name = typed->toStdString();
    if (const SaveNameProblem problem = CheckSaveName(name); problem != SaveNameProblem::None) {
        context.dialogs.message(output.window, q(kSaveNameTitle),
                                q(SaveNameMessage(problem, NameSource::Typed)));
        return;
    }
    if (!MayReplace(output, {WorksheetFileName(name)}))
        return;
    try {
        WriteWorksheetsFiles(output, {{&output.worksheet, WorksheetFileName(name)}});
    } catch (const Failure& e) {
        context.dialogs.message(output.window, kOops, q(SaveFailedMessage(e.what())));
        return;
    }
    // The heading changes only once the file is safely written.
    request.Heading = name;
    MarkKept(output);
    context.dialogs.message(output.window, q(kWorksheetSavedTitle),
                            q(WorksheetSavedMessage(request, name)));
}

void PrintWorksheet(const WorksheetOutput& output) {
    AppContext& context = output.context;
    Dialogs& dialogs = context.dialogs;
    if (!dialogs.question(output.window, Text(WorksheetText::kConfirmPrintTitle),
                          Text(WorksheetText::kConfirmPrint)))
        return;
    QPrinter printer(QPrinter::HighResolution);
    // The name the print queue shows for the job.
    printer.setDocName(q(context.request.Heading));
    if (!dialogs.choosePrinter(output.window, printer))
        return;
    const QString failed = Text(WorksheetText::kWorksheetNotPrinted);
    if (!PrintJob(output.worksheet, printer)) {
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
        const QString askKey = Text(WorksheetText::kPrintAnswerKey);
        if (dialogs.question(output.window, askKey, askKey)) {
            // A second job into the same file would replace the worksheet.
            if (printer.outputFormat() == QPrinter::PdfFormat)
                printer.setOutputFileName(
                    q(AnswerKeyCompanionPath(printer.outputFileName().toStdString())));
            printer.setDocName(q(AnswerKeyTitle(context.request.Heading)));
            if (!PrintJob(output.answerKey, printer)) {
                dialogs.message(output.window, kOops, Text(WorksheetText::kAnswerKeyNotPrinted));
                return;
            }
            noteFile();
        }
    }
    dialogs.message(output.window, q(kWorksheetPrintedTitle),
                    q(PrintedMessage(folder.toStdString(), files)));
}

void SendToWordProcessor(const WorksheetOutput& output) {
    AppContext& context = output.context;
    const WorksheetRequest& request = context.request;
    Dialogs& dialogs = context.dialogs;
    const std::string name = request.Heading;
    if (const SaveNameProblem problem = CheckSaveName(name); problem != SaveNameProblem::None) {
        dialogs.message(output.window, q(kSaveNameTitle),
                        q(SaveNameMessage(problem, NameSource::Heading)));
        return;
    }
    const bool withKey = HasAnswerKey(request) &&
                         dialogs.question(output.window, Text(WorksheetText::kAnswerKeyTitle),
                                          Text(WorksheetText::kSendAnswerKey));
    std::vector<std::string> files{WorksheetFileName(name)};
    if (withKey)
        files.push_back(AnswerKeyFileName(name));
    if (!MayReplace(output, files))
        return;
    try {
        std::vector<std::pair<const QTextDocument*, std::string>> documents{
            {&output.worksheet, files[0]}};
        if (withKey)
            documents.emplace_back(&output.answerKey, files[1]);
        WriteWorksheetsFiles(output, documents);
    } catch (const Failure& e) {
        dialogs.message(output.window, kOops, q(SaveFailedMessage(e.what())));
        return;
    }
    MarkKept(output);
    QStringList arguments;
    for (const std::string& path : QuickWordArguments(request, name, withKey))
        arguments << q(path);
    const QString program = q(request.WordProcessorPath);
    if (program.isEmpty() || !dialogs.startDetached(program, arguments))
        dialogs.message(output.window, kOops,
                        Text(WorksheetText::kWordProcessorNotStarted)
                            .arg(program, q(WorksheetsFolderWords(request))));
}

namespace {

// The name an export offers: the heading in the worksheets folder (in whatever letter case it
// has; the folder above it without one), or the folder alone when the heading is no file name.
QString SuggestedExportName(const WorksheetRequest& request, const QString& extension) {
    const std::filesystem::path worksheets = WorksheetsFolderOf(request);
    QDir folder(q(worksheets.parent_path().string()));
    folder.cd(q(worksheets.filename().string()));
    const bool headingIsName = CheckSaveName(request.Heading) == SaveNameProblem::None;
    return headingIsName ? folder.filePath(q(request.Heading) + extension) : folder.path();
}

} // namespace

void ExportWorksheetPdf(const WorksheetOutput& output) {
    AppContext& context = output.context;
    const WorksheetRequest& request = context.request;
    Dialogs& dialogs = context.dialogs;
    const QString suggested = SuggestedExportName(request, QStringLiteral(".pdf"));
    std::optional<QString> chosen =
        dialogs.saveFile(output.window, Text(WorksheetText::kExportPdfTitle),
                         Text(WorksheetText::kPdfFilter), suggested);
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const bool withKey = HasAnswerKey(request) &&
                         dialogs.question(output.window, Text(WorksheetText::kAnswerKeyTitle),
                                          Text(WorksheetText::kAddAnswerKeyToPdf));
    std::vector<const QTextDocument*> documents{&output.worksheet};
    if (withKey)
        documents.push_back(&output.answerKey);
    try {
        WritePdf(documents, path, q(request.Heading));
    } catch (const Failure& e) {
        dialogs.message(output.window, kOops, Text(WorksheetText::kPdfNotWritten).arg(q(e.what())));
        return;
    }
    MarkKept(output);
    dialogs.message(output.window, Text(WorksheetText::kPdfSavedTitle),
                    Text(WorksheetText::kPdfSaved).arg(QDir::toNativeSeparators(path)));
}

void ExportWorksheetWebPage(const WorksheetOutput& output, const SheetContent& content) {
    Dialogs& dialogs = output.context.dialogs;
    std::optional<QString> chosen = dialogs.saveFile(
        output.window, Text(WorksheetText::kExportWebTitle), Text(WorksheetText::kWebFilter),
        SuggestedExportName(output.context.request, QStringLiteral(".html")));
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".html");
    const WebVersion single{"", "", &content};
    try {
        WriteFileAtomically(QFile::encodeName(path).toStdString(),
                            WorksheetHtml({&single, 1}, nullptr));
    } catch (const Failure& e) {
        dialogs.message(output.window, kOops, Text(WorksheetText::kWebNotWritten).arg(q(e.what())));
        return;
    }
    dialogs.message(output.window, Text(WorksheetText::kWebSavedTitle),
                    Text(WorksheetText::kWebSaved).arg(QDir::toNativeSeparators(path)));
}

void PreviewWorksheet(const WorksheetOutput& output) {
    std::vector<const QTextDocument*> documents{&output.worksheet};
    if (HasAnswerKey(output.context.request))
        documents.push_back(&output.answerKey);
    QPrinter printer(QPrinter::HighResolution);
    output.context.dialogs.printPreview(output.window, printer, [&documents](QPrinter* target) {
        PrintDocuments(documents, *target);
    });
}

} // namespace abacore
