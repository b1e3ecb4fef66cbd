#include "ui/class_set_output.h"

#include "core/atomic_file.h"
#include "core/output_check.h"
#include "core/startup.h"
#include "ui/app_context.h"
#include "ui/crossword_pages.h"
#include "ui/dialogs.h"
#include "ui/page_output.h"
#include "ui/pdf_export.h"
#include "worksheet/activity_table.h"
#include "worksheet/class_list.h"
#include "worksheet/class_set.h"
#include "worksheet/save_name.h"
#include "worksheet/worksheet_messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <memory>

namespace abacore {

namespace {

using namespace ClassSetText;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Name(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Up to this many versions are made without a progress bar: they take no time to wait for.
constexpr int kFewVersions = 3;

// The versions the teacher asks for; nothing when cancelled or refused (said in a message).
std::optional<std::vector<SheetVersion>> AskVersions(const ClassSetOutput& output,
                                                     const QString& folder) {
    Dialogs& dialogs = output.context.dialogs;
    const auto typed =
        dialogs.input(output.window, q(kTitle), q(kAsk), QString::fromLatin1(kDefaultCopies));
    if (!typed)
        return std::nullopt;
    const QString oops = QString::fromUtf8(WorksheetText::kOopsTitle);
    if (!typed->trimmed().isEmpty()) {
        if (const auto copies = CopiesFromText(typed->toStdString()))
            return NumberedVersions(*copies);
        dialogs.message(output.window, oops, q(CopiesRefusal()));
        return std::nullopt;
    }
    const auto file = dialogs.openFile(output.window, q(kChooseList), q(kListFilter), folder);
    if (!file || file->isEmpty())
        return std::nullopt;
    ClassList list;
    try {
        list = ReadClassList(ReadWholeFile(Name(*file)));
    } catch (const ReadError& e) {
        list.refusal = e.what();
    }
    if (list.refusal) {
        dialogs.message(output.window, oops, q(*list.refusal));
        return std::nullopt;
    }
    return NamedVersions(list.names);
}

std::optional<QString> AskPdf(const ClassSetOutput& output, const char* title,
                              const QString& suggested) {
    auto chosen = output.context.dialogs.saveFile(
        output.window, q(title), QString::fromUtf8(WorksheetText::kPdfFilter), suggested);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    if (QFileInfo(*chosen).suffix().isEmpty())
        *chosen += QStringLiteral(".pdf");
    return chosen;
}

QByteArray CrosswordPdf(const std::vector<CrosswordPage>& pages, const CrosswordLook& look,
                        bool keys) {
    std::vector<PainterPages> owned;
    owned.reserve(pages.size());
    std::vector<PageSource*> sources;
    for (const CrosswordPage& page : pages)
        sources.push_back(&owned.emplace_back(keys ? CrosswordKeyPages(page, look)
                                                   : CrosswordPuzzlePages(page, look)));
    const std::string heading = pages.empty() ? std::string() : pages.front().heading;
    return PdfBytes(sources, q(keys ? AnswerKeyTitle(heading) : heading));
}

} // namespace

void SaveClassSet(const ClassSetOutput& output) {
    AppContext& context = output.context;
    Dialogs& dialogs = context.dialogs;
    const QString oops = QString::fromUtf8(WorksheetText::kOopsTitle);
    const std::filesystem::path worksheets = WorksheetsFolderOf(output.request);
    QDir folder(q(worksheets.parent_path().string()));
    folder.cd(q(worksheets.filename().string()));

    const auto versions = AskVersions(output, folder.path());
    if (!versions)
        return;
    const auto sheets = AskPdf(output, kSaveSheets, folder.filePath(q(kSheetsName)));
    if (!sheets)
        return;
    QString keys;
    if (HasAnswerKey(output.request)) {
        const auto chosen = AskPdf(output, kSaveKeys, folder.filePath(q(kKeysName)));
        if (!chosen)
            return;
        keys = *chosen;
        if (SameFile(Name(*sheets), Name(keys))) {
            dialogs.message(output.window, oops, q(kSameFile));
            return;
        }
    }

    const int count = static_cast<int>(versions->size());
    std::unique_ptr<QProgressDialog> progress;
    if (count > kFewVersions) {
        // One step a version, and one for drawing the pages.
        progress = std::make_unique<QProgressDialog>(q(kMaking), QStringLiteral("Cancel"), 0,
                                                     count + 1, output.window);
        progress->setObjectName(QStringLiteral("ClassSetProgress"));
        progress->setWindowTitle(q(kTitle));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setAutoReset(false);
        progress->setValue(0);
    }
    const VersionProgress goOn = [&progress](int made) {
        if (!progress)
            return true;
        progress->setValue(made); // a modal progress bar lets Cancel be clicked here
        return !progress->wasCanceled();
    };

    QByteArray sheetBytes, keyBytes;
    try {
        CheckWritable(Name(*sheets));
        if (!keys.isEmpty())
            CheckWritable(Name(keys));
        if (RowOf(output.request.ActivityType).output == Output::Crossword) {
            std::vector<CrosswordPage> pages;
            for (const SheetVersion& version : *versions) {
                WorksheetRequest own = output.request;
                pages.push_back(MakeCrossword(own, context.random));
                pages.back().version = version;
                if (!goOn(static_cast<int>(pages.size())))
                    return;
            }
            sheetBytes = CrosswordPdf(pages, output.look, false);
            if (!keys.isEmpty())
                keyBytes = CrosswordPdf(pages, output.look, true);
        } else {
            const auto made = BuildVersions(output.request, context.random, *versions, goOn);
            if (!made)
                return;
            const WorksheetDocuments joined = JoinVersions(*made);
            sheetBytes = PdfBytes(joined.worksheet, q(output.request.Heading));
            if (!keys.isEmpty())
                keyBytes = PdfBytes(joined.answerKey, q(AnswerKeyTitle(output.request.Heading)));
        }
        if (!goOn(count + 1))
            return;
        if (sheetBytes.isEmpty() || (!keys.isEmpty() && keyBytes.isEmpty()))
            throw WriteError("Cannot write " + Name(*sheets) + ": the pages could not be drawn.");
        // Both files or neither.
        std::vector<PendingFile> files{{Name(*sheets), sheetBytes.toStdString()}};
        if (!keys.isEmpty())
            files.push_back({Name(keys), keyBytes.toStdString()});
        WriteFilesTogether(files);
    } catch (const Failure& e) {
        progress.reset();
        dialogs.message(output.window, oops, q(kNotWritten).arg(q(e.what())));
        return;
    }
    progress.reset();
    const QString shownSheets = QDir::toNativeSeparators(*sheets);
    dialogs.message(output.window, q(kSavedTitle),
                    keys.isEmpty()
                        ? q(kSaved).arg(shownSheets)
                        : q(kSavedWithKeys).arg(shownSheets, QDir::toNativeSeparators(keys)));
}

} // namespace abacore
