#include "batch/make_command.h"

#include "batch/make_crossword.h"
#include "batch/make_options.h"
#include "batch/make_parse.h"
#include "clipart/picture_placement.h"
#include "core/atomic_file.h"
#include "core/output_check.h"
#include "core/random_source.h"
#include "core/utf8.h"
#include "crossword/grid_builder.h"
#include "document/html_page.h"
#include "document/rtf_writer.h"
#include "document/text_writer.h"
#include "maker/version_maker.h"
#include "ui/font_substitutes.h"
#include "ui/pdf_export.h"
#include "ui/picture_loader.h"
#include "worksheet/class_set.h"
#include "worksheet/html_writer.h"
#include "worksheet/save_name.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <optional>

namespace abacore {

namespace {

namespace fs = std::filesystem;

// The document as a file to write, in its format, on `paper`; a PDF is titled `title`. A PDF is
// drawn from `parts` when they are given (a class set's versions, each with its own footer).
PendingFile documentFile(const Document& document, const fs::path& path, FileFormat format,
                         const std::string& title, Paper paper,
                         const std::vector<const Document*>& parts) {
    if (format == FileFormat::Rtf)
        return {path, RtfText(document, paper)};
    if (format == FileFormat::Text)
        return {path, PlainTextBytes(document)};
    if (!parts.empty())
        return PdfFile(parts, path, QString::fromStdString(title), paper);
    return PdfFile({&document}, path, QString::fromStdString(title), paper);
}

// The worksheet as a file: a web page is made from the problems of each version themselves,
// every other format from the document.
PendingFile worksheetFile(const Document& worksheet, std::span<const WebVersion> versions,
                          const Picture* picture, const MakeJob& job,
                          const std::vector<const Document*>& parts) {
    if (job.outputFormat != FileFormat::WebPage)
        return documentFile(worksheet, job.output, job.outputFormat, job.request.Heading,
                            job.request.PaperSize, parts);
    return {job.output, WorksheetHtml(versions, picture)};
}

// The seed and each version's code line; said in one line when the seed leaves no room for them.
SetCodes CodeLines(const MakeJob& job) {
    SetCodes codes = CodeLinesFor(job.request, job.versions, job.seed);
    if (codes.codes.empty() && !job.request.NoSheetCode)
        std::fprintf(stderr,
                     "abacore-drill: note: the sheet has no sheet code: --seed %llu is wider "
                     "than the %d bits its code has room for.\n",
                     static_cast<unsigned long long>(codes.seed), codes.seedBits);
    return codes;
}

int fail(const MakeRefusal& refusal) {
    // Messages echo what the user typed: never send its control characters to the terminal, and
    // show a file name's bytes that are not UTF-8 as bytes.
    std::fprintf(stderr, "abacore-drill: %s\n",
                 EscapedForTerminal(WithBadBytesEscaped(refusal.message)).c_str());
    return refusal.exitCode;
}

} // namespace

int RunMakeJob(const MakeJob& job, char** argv) {
    if (job.help) {
        std::fputs(UsageText(), stdout);
        return 0;
    }
    try {
        // The picture is read, and refused, before anything is made or written.
        LoadedPicture picture;
        if (job.picture)
            picture = LoadPicture(*job.picture);

        // Every sheet is drawn from a recorded seed, so that its code can make it again.
        const SetCodes setCodes = CodeLines(job);
        const std::vector<std::string>& codes = setCodes.codes;
        RandomSource random(setCodes.seed);
        // PDF needs Qt's fonts and painter; everything else runs without a GUI application. It
        // is made after the sheets but declared before them, so that out of memory the sheets
        // are freed before it is taken down.
        std::unique_ptr<QGuiApplication> app;
        // The crossword is built as its builder window builds it, a worksheet as its window;
        // each version of a class set afresh, the worksheets joined into one document.
        std::optional<WorksheetDocuments> documents;
        std::vector<WebVersion> pages; // a web page's sections: one for each version
        // Made on a copy: the titles below are the request's as the options filled it.
        WorksheetRequest own = job.request;
        MakeOutcome result = job.again ? MakeVersionAgain(own, random, job.versions.front())
                                       : MakeVersions(own, random, job.versions);
        if (const auto* failure = std::get_if<MakeFailure>(&result))
            return fail({failure->kind == MakeFailureKind::GaveUp
                             ? std::string(CrosswordText::kFailedTitle) + " " + failure->message
                             : failure->message});
        MadeVersions& made = std::get<MadeVersions>(result);
        const bool crossword = job.row->output == Output::Crossword;
        ShowSheetCodes(made, codes);
        std::vector<const Document*> sheetParts, keyParts;
        if (!crossword) {
            for (WorksheetDocuments& version : made.sheets)
                PlacePictureBelowHeading(version.worksheet, picture.picture);
            if (!codes.empty() && made.sheets.size() > 1)
                for (const WorksheetDocuments& version : made.sheets) {
                    sheetParts.push_back(&version.worksheet);
                    keyParts.push_back(&version.answerKey);
                }
            const bool single = made.sheets.size() == 1;
            documents = single ? std::move(made.sheets.front()) : JoinVersions(made.sheets);
            for (size_t k = 0; k < made.sheets.size(); ++k) {
                const SheetVersion& version = job.versions[k];
                pages.push_back({version.inSet() ? PupilVersionLabel(version) : "", version.pupil,
                                 single ? &documents->content : &made.sheets[k].content,
                                 k < codes.size() ? codes[k] : std::string()});
            }
        }

        if (job.needsPdf()) {
            // No window is shown, so no display is needed.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static int appArgc = 1;
            app = std::make_unique<QGuiApplication>(appArgc, argv);
            InstallFontSubstitutes();
        }
        // Both files or neither.
        std::vector<PendingFile> files;
        const Paper paper = job.request.PaperSize;
        files.push_back(crossword
                            ? CrosswordPuzzleFile(made.puzzles, job.output, picture.image, paper)
                            : worksheetFile(documents->worksheet, pages, picture.picture.get(), job,
                                            sheetParts));
        if (job.keyFormat)
            files.push_back(
                crossword ? CrosswordKeyFile(made.puzzles, job.answerKey, picture.image, paper)
                          : documentFile(documents->answerKey, job.answerKey, *job.keyFormat,
                                         AnswerKeyTitle(job.request.Heading), paper, keyParts));
        WriteFilesTogether(files);
        return 0;
    } catch (...) {
        return fail(RefusalInFlight());
    }
}

int RunMakeCommand(int argc, char** argv, const ProgramPlaces& places) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    auto parsed = ParseMake(arguments, places, SystemPaper(MachinePaperSources()));
    if (const auto* refusal = std::get_if<MakeRefusal>(&parsed))
        return fail(*refusal);
    return RunMakeJob(std::get<MakeJob>(parsed), argv);
}

} // namespace abacore
