#include "ui/class_set_output.h"

#include "core/atomic_file.h"
#include "core/output_check.h"
#include "core/program_messages.h"
#include "core/startup.h"
#include "core/utf8.h"
#include "crossword/crossword_writers.h"
#include "document/rtf_writer.h"
#include "document/text_writer.h"
#include "maker/version_maker.h"
#include "ui/app_context.h"
#include "ui/chosen_file.h"
#include "ui/crossword_pages.h"
#include "ui/dialogs.h"
#include "ui/page_output.h"
#include "ui/pdf_export.h"
#include "worksheet/activity_table.h"
#include "worksheet/class_list.h"
#include "worksheet/class_set.h"
#include "worksheet/html_writer.h"
#include "worksheet/save_name.h"
#include "worksheet/worksheet_messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <memory>
#include <new>

namespace abacore {

namespace {

using namespace ClassSetText;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Up to this many versions are made without a progress bar: they take no time to wait for.
constexpr int kFewVersions = 3;

// The versions the teacher asks for; nothing when cancelled or refused (said in a message).
std::optional<std::vector<SheetVersion>> AskVersions(const ClassSetOutput& output,
                                                     const QString& folder) {
    Dialogs& dialogs = output.context.dialogs;
    const auto typed = dialogs.input(output.window, q(kTitle), q(kAsk),
                                     QString::fromLatin1(kDefaultCopies), q(kCopiesField));
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
        list = ReadClassListFile(ChosenFilePath(*file));
    } catch (const Failure& e) {
        list.refusal = WithBadBytesEscaped(e.what());
    }
    if (list.refusal) {
        dialogs.message(output.window, oops, q(*list.refusal));
        return std::nullopt;
    }
    return NamedVersions(list.names);
}

// A file the teacher names for the sheets or the keys, in the format its extension says (PDF
// when it has none); nothing when cancelled or refused (said in a message).
struct SetFile {
    QString path;
    SetFormat format;
};

std::optional<SetFile> AskFile(const ClassSetOutput& output, const char* title,
                               const QString& suggested, bool crossword, bool keys) {
    Dialogs& dialogs = output.context.dialogs;
    auto chosen =
        dialogs.saveFile(output.window, q(title), q(ClassSetFilter(crossword, keys)), suggested);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    if (QFileInfo(*chosen).suffix().isEmpty())
        *chosen += QStringLiteral(".pdf");
    const auto format = ClassSetFormat(QFileInfo(*chosen).suffix().toStdString(), crossword, keys);
    if (!format) {
        dialogs.message(
            output.window, QString::fromUtf8(WorksheetText::kOopsTitle),
            q(ClassSetFormatRefusal(QFileInfo(*chosen).fileName().toStdString(), crossword, keys)));
        return std::nullopt;
    }
    return SetFile{*chosen, *format};
}

QByteArray CrosswordPdf(const std::vector<CrosswordPage>& pages, const CrosswordLook& look,
                        bool keys, Paper paper) {
    std::vector<PainterPages> owned;
    owned.reserve(pages.size());
    std::vector<PageSource*> sources;
    for (const CrosswordPage& page : pages)
        sources.push_back(&owned.emplace_back(keys ? CrosswordKeyPages(page, look)
                                                   : CrosswordPuzzlePages(page, look)));
    const std::string heading = pages.empty() ? std::string() : pages.front().heading;
    return PdfBytes(sources, q(keys ? AnswerKeyTitle(heading) : heading), paper);
}

// A crossword set as its format says: pages, or the clue lists (the key grids) as text.
std::string CrosswordSetBytes(const std::vector<CrosswordPage>& pages, const CrosswordLook& look,
                              SetFormat format, bool keys, Paper paper) {
    if (format == SetFormat::Pdf)
        return CrosswordPdf(pages, look, keys, paper).toStdString();
    std::vector<std::string> texts;
    for (const CrosswordPage& page : pages)
        texts.push_back(keys ? CrosswordKeyText(page) : CrosswordPuzzleText(page));
    return JoinTextPages(texts);
}

// A worksheet set as its format says; the web page is made from each version's problems.
std::string WorksheetSetBytes(const std::vector<WorksheetDocuments>& made,
                              const std::vector<SheetVersion>& versions, const Document& document,
                              const std::string& title, SetFormat format, bool keys, Paper paper) {
    switch (format) {
    case SetFormat::Rtf:
        return RtfText(document, paper);
    case SetFormat::Text:
        return PlainTextBytes(document);
    case SetFormat::WebPage: {
        std::vector<WebVersion> pages;
        for (size_t k = 0; k < made.size(); ++k)
            pages.push_back({versions[k].inSet() ? PupilVersionLabel(versions[k]) : "",
                             versions[k].pupil, &made[k].content, made[k].worksheet.footer()});
        return WorksheetHtml(pages, nullptr);
    }
    case SetFormat::Pdf:
        break;
    }
    if (!made.empty() && !made.front().worksheet.footer().empty()) {
        // Each version from its own document, so that its pages show its own code.
        std::vector<const Document*> parts;
        for (const WorksheetDocuments& version : made)
            parts.push_back(keys ? &version.answerKey : &version.worksheet);
        return PdfBytes(parts, q(title), paper).toStdString();
    }
    return PdfBytes(document, q(title), paper).toStdString();
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
    const bool crossword = UsesScreen(output.request.ActivityType, Screen::Crossword);
    const auto sheets =
        AskFile(output, kSaveSheets, folder.filePath(q(kSheetsName)), crossword, false);
    if (!sheets)
        return;
    std::optional<SetFile> keys;
    if (HasAnswerKey(output.request)) {
        keys = AskFile(output, kSaveKeys, folder.filePath(q(kKeysName)), crossword, true);
        if (!keys)
            return;
    }
    std::filesystem::path sheetsFile, keysFile;
    try {
        sheetsFile = ChosenFilePath(sheets->path);
        if (keys)
            keysFile = ChosenFilePath(keys->path);
    } catch (const Failure& e) {
        dialogs.message(output.window, oops, q(kNotWritten).arg(q(WithBadBytesEscaped(e.what()))));
        return;
    }
    if (keys && SameFile(sheetsFile, keysFile)) {
        dialogs.message(output.window, oops, q(kSameFile));
        return;
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

    std::string sheetBytes, keyBytes;
    try {
        CheckWritable(sheetsFile);
        if (keys)
            CheckWritable(keysFile);
        WorksheetRequest request = output.request;
        // On the paper chosen now, which may have changed since the window opened.
        request.PaperSize = context.request.PaperSize;
        // Drawn from a recorded seed, so that each version's code makes that version again.
        const SetCodes codes = CodeLinesFor(request, *versions);
        context.random = RandomSource(codes.seed);
        MakeOutcome result = MakeVersions(request, context.random, *versions, goOn);
        if (const auto* failure = std::get_if<MakeFailure>(&result)) {
            if (failure->kind == MakeFailureKind::Cancelled)
                return;
            throw GenerationError(failure->message); // told as every failure below is
        }
        MadeVersions& made = std::get<MadeVersions>(result);
        ShowSheetCodes(made, codes.codes);
        if (crossword) {
            sheetBytes = CrosswordSetBytes(made.puzzles, output.look, sheets->format, false,
                                           request.PaperSize);
            if (keys)
                keyBytes = CrosswordSetBytes(made.puzzles, output.look, keys->format, true,
                                             request.PaperSize);
        } else {
            const WorksheetDocuments joined = JoinVersions(made.sheets);
            const std::string& heading = output.request.Heading;
            sheetBytes = WorksheetSetBytes(made.sheets, *versions, joined.worksheet, heading,
                                           sheets->format, false, request.PaperSize);
            if (keys)
                keyBytes = WorksheetSetBytes(made.sheets, *versions, joined.answerKey,
                                             AnswerKeyTitle(heading), keys->format, true,
                                             request.PaperSize);
        }
        if (!goOn(count + 1))
            return;
        if (sheetBytes.empty() || (keys && keyBytes.empty()))
            throw WriteError("Cannot write " + sheetsFile.string() +
                             ": the pages could not be drawn.");
        // Both files or neither.
        std::vector<PendingFile> files{{sheetsFile, sheetBytes}};
        if (keys)
            files.push_back({keysFile, keyBytes});
        WriteFilesTogether(files);
    } catch (const Failure& e) {
        progress.reset();
        dialogs.message(output.window, oops, q(kNotWritten).arg(q(WithBadBytesEscaped(e.what()))));
        return;
    } catch (const std::bad_alloc&) {
        progress.reset();
        dialogs.message(output.window, oops, q(kNotWritten).arg(q(ProgramText::kOutOfMemory)));
        return;
    }
    progress.reset();
    const QString shownSheets = QDir::toNativeSeparators(sheets->path);
    const QString sheetsWords = q(FormatWords(sheets->format));
    dialogs.message(output.window, q(kSavedTitle),
                    keys ? q(kSavedWithKeys)
                               .arg(sheetsWords, shownSheets, q(FormatWords(keys->format)),
                                    QDir::toNativeSeparators(keys->path))
                         : q(kSaved).arg(sheetsWords, shownSheets));
}

} // namespace abacore
