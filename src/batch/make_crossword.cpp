#include "batch/make_crossword.h"

#include "core/atomic_file.h"
#include "crossword/crossword_html.h"
#include "crossword/crossword_writers.h"
#include "document/html_page.h"
#include "ui/crossword_pages.h"
#include "ui/page_output.h"
#include "worksheet/class_set.h"
#include "worksheet/save_name.h"

namespace abacore {

namespace fs = std::filesystem;

namespace {

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

std::optional<std::string> CrosswordFileRefusal(const fs::path& puzzle, const fs::path& answerKey,
                                                bool withPicture) {
    const std::string suffix = LowerCaseExtension(puzzle);
    const bool webPage = IsWebPageExtension(suffix);
    if (suffix != "pdf" && suffix != "ipuz" && suffix != "txt" && !webPage)
        return "Cannot tell the format of \"" + puzzle.string() +
               "\": a crossword is written as .pdf, .ipuz, .txt or .html.";
    // Said rather than silently dropped: the teacher asked for the picture.
    if (withPicture && suffix != "pdf")
        return "--picture puts a picture behind the crossword on PDF pages, and \"" +
               puzzle.string() + "\" is " +
               (suffix == "ipuz" ? "an .ipuz file"
                : webPage        ? "a web page"
                                 : "a .txt file") +
               ", which cannot hold one. Write the puzzle as .pdf, or leave out --picture.";
    if (answerKey.empty())
        return std::nullopt;
    const std::string keySuffix = LowerCaseExtension(answerKey);
    if (keySuffix != "pdf" && keySuffix != "txt")
        return "Cannot tell the format of \"" + answerKey.string() +
               "\": a crossword's answer key is written as .pdf or .txt (an .ipuz puzzle holds "
               "its answers already).";
    return std::nullopt;
}

PendingFile CrosswordPuzzleFile(std::span<const CrosswordPage> pages, const fs::path& path,
                                const QImage& picture) {
    const std::string suffix = LowerCaseExtension(path);
    if (suffix == "pdf")
        return PdfFile(PagesOf(pages, CrosswordPuzzlePages, BatchLook(picture)).sources, path,
                       QString::fromStdString(pages.front().heading));
    if (suffix == "ipuz")
        return {path, CrosswordIpuz(pages.front())};
    if (IsWebPageExtension(suffix))
        return {path, CrosswordHtml(pages.front())};
    return {path, TextsOf(pages, CrosswordPuzzleText)};
}

PendingFile CrosswordKeyFile(std::span<const CrosswordPage> pages, const fs::path& path,
                             const QImage& picture) {
    if (LowerCaseExtension(path) == "pdf")
        return PdfFile(PagesOf(pages, CrosswordKeyPages, BatchLook(picture)).sources, path,
                       QString::fromStdString(AnswerKeyTitle(pages.front().heading)));
    return {path, TextsOf(pages, CrosswordKeyText)};
}

} // namespace abacore
