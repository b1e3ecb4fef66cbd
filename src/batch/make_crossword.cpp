#include "batch/make_crossword.h"

#include "core/atomic_file.h"
#include "crossword/crossword_html.h"
#include "crossword/crossword_problems.h"
#include "crossword/crossword_writers.h"
#include "crossword/grid_builder.h"
#include "ui/crossword_pages.h"
#include "ui/page_output.h"
#include "worksheet/class_set.h"
#include "worksheet/generation_error.h"
#include "worksheet/html_page.h"
#include "worksheet/save_name.h"

#include <QFile>
#include <QFileInfo>

namespace abacore {

namespace {

QString SuffixOf(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

std::string Name(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A crossword in the batch has no background colour: white, or the picture when one is given.
CrosswordLook BatchLook(const QImage& picture) {
    if (picture.isNull())
        return {};
    return WithPicture(WithBackground({}, kPictureBackground), picture);
}

// Each version's pages, and the list the page path takes.
struct VersionPages {
    std::vector<PainterPages> owned;
    std::vector<PageSource*> sources;
};

VersionPages PagesOf(std::span<const CrosswordPage> pages,
                     PainterPages (*draw)(const CrosswordPage&, const CrosswordLook&),
                     const CrosswordLook& look) {
    VersionPages out;
    out.owned.reserve(pages.size());
    for (const CrosswordPage& page : pages)
        out.sources.push_back(&out.owned.emplace_back(draw(page, look)));
    return out;
}

std::string TextsOf(std::span<const CrosswordPage> pages,
                    std::string (*text)(const CrosswordPage&)) {
    std::vector<std::string> texts;
    for (const CrosswordPage& page : pages)
        texts.push_back(text(page));
    return JoinTextPages(texts);
}

} // namespace

std::optional<std::string> CrosswordFileRefusal(const QString& puzzle, const QString& answerKey,
                                                bool withPicture) {
    const QString suffix = SuffixOf(puzzle);
    const bool webPage = IsWebPageExtension(suffix.toStdString());
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("ipuz") &&
        suffix != QLatin1String("txt") && !webPage)
        return "Cannot tell the format of \"" + puzzle.toStdString() +
               "\": a crossword is written as .pdf, .ipuz, .txt or .html.";
    // Said rather than silently dropped: the teacher asked for the picture.
    if (withPicture && suffix != QLatin1String("pdf"))
        return "--picture puts a picture behind the crossword on PDF pages, and \"" +
               puzzle.toStdString() + "\" is " +
               (suffix == QLatin1String("ipuz") ? "an .ipuz file"
                : webPage                       ? "a web page"
                                                : "a .txt file") +
               ", which cannot hold one. Write the puzzle as .pdf, or leave out --picture.";
    if (answerKey.isEmpty())
        return std::nullopt;
    const QString keySuffix = SuffixOf(answerKey);
    if (keySuffix != QLatin1String("pdf") && keySuffix != QLatin1String("txt"))
        return "Cannot tell the format of \"" + answerKey.toStdString() +
               "\": a crossword's answer key is written as .pdf or .txt (an .ipuz puzzle holds "
               "its answers already).";
    return std::nullopt;
}

bool CrosswordNeedsPdf(const QString& puzzle, const QString& answerKey) {
    return SuffixOf(puzzle) == QLatin1String("pdf") ||
           (!answerKey.isEmpty() && SuffixOf(answerKey) == QLatin1String("pdf"));
}

CrosswordPage MakeBatchCrossword(WorksheetRequest& request, RandomSource& random) {
    const DrawLimits limits = MakeCrosswordProblems(request, random);
    try {
        return MakeCrosswordPage(BuildGrid(request, random, limits), request);
    } catch (const GenerationError& e) {
        throw GenerationError(std::string(CrosswordText::kFailedTitle) + " " + e.what());
    }
}

PendingFile CrosswordPuzzleFile(std::span<const CrosswordPage> pages, const QString& path,
                                const QImage& picture) {
    const QString suffix = SuffixOf(path);
    if (suffix == QLatin1String("pdf"))
        return PdfFile(PagesOf(pages, CrosswordPuzzlePages, BatchLook(picture)).sources, path,
                       QString::fromStdString(pages.front().heading));
    if (suffix == QLatin1String("ipuz"))
        return {Name(path), CrosswordIpuz(pages.front())};
    if (IsWebPageExtension(suffix.toStdString()))
        return {Name(path), CrosswordHtml(pages.front())};
    return {Name(path), TextsOf(pages, CrosswordPuzzleText)};
}

PendingFile CrosswordKeyFile(std::span<const CrosswordPage> pages, const QString& path,
                             const QImage& picture) {
    if (SuffixOf(path) == QLatin1String("pdf"))
        return PdfFile(PagesOf(pages, CrosswordKeyPages, BatchLook(picture)).sources, path,
                       QString::fromStdString(AnswerKeyTitle(pages.front().heading)));
    return {Name(path), TextsOf(pages, CrosswordKeyText)};
}

} // namespace abacore
