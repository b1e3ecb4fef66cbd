#include "worksheet/class_set.h"

#include "document/html_page.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace abacore {

WorksheetDocuments JoinVersions(const std::vector<WorksheetDocuments>& versions) {
    WorksheetDocuments joined;
    for (const WorksheetDocuments& version : versions) {
        joined.worksheet.AppendOnNewPage(version.worksheet);
        joined.answerKey.AppendOnNewPage(version.answerKey);
    }
    return joined;
}

std::string JoinTextPages(const std::vector<std::string>& pages) {
    std::string joined;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            joined += '\f';
        joined += pages[i];
    }
    return joined;
}

namespace {

// Every form a class set takes, PDF first as the dialogs offer them.
struct FormatRow {
    SetFormat format;
    std::string_view extension; // as names end and messages list them
    std::string_view words;
    std::string_view filter;
    bool crossword; // a crossword's set can take it
    bool keys;      // answer keys can take it
};

constexpr FormatRow kFormats[] = {
    {SetFormat::Pdf, "pdf", "a PDF file", "PDF files (*.pdf)", true, true},
    {SetFormat::Rtf, "rtf", "a rich-text file", "Rich text (*.rtf)", false, true},
    {SetFormat::Text, "txt", "a text file", "Text files (*.txt)", true, true},
    {SetFormat::WebPage, "html", "a web page", "Web pages (*.html *.htm)", false, false},
};

bool Serves(const FormatRow& row, bool crossword, bool keys) {
    return (row.crossword || !crossword) && (row.keys || !keys);
}

} // namespace

std::optional<SetFormat> ClassSetFormat(std::string_view extension, bool crossword, bool keys) {
    std::string lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (IsWebPageExtension(lower))
        lower = "html";
    for (const FormatRow& row : kFormats)
        if (row.extension == lower && Serves(row, crossword, keys))
            return row.format;
    return std::nullopt;
}

std::string ClassSetFormatRefusal(std::string_view fileName, bool crossword, bool keys) {
    std::vector<std::string> served;
    for (const FormatRow& row : kFormats)
        if (Serves(row, crossword, keys))
            served.push_back(std::string(".").append(row.extension));
    std::string list;
    for (size_t i = 0; i < served.size(); ++i) {
        if (i > 0)
            list += i + 1 == served.size() ? " or " : ", ";
        list += served[i];
    }
    return "Cannot tell how to write \"" + std::string(fileName) +
           "\": " + (keys ? "the answer keys" : "a class set") +
           (crossword ? " of crosswords" : "") + " can be saved as " + list +
           ". Please choose a name ending in one of these.";
}

std::string ClassSetFilter(bool crossword, bool keys) {
    std::string filter;
    for (const FormatRow& row : kFormats)
        if (Serves(row, crossword, keys)) {
            if (!filter.empty())
                filter += ";;";
            filter += row.filter;
        }
    return filter;
}

std::string_view FormatWords(SetFormat format) {
    for (const FormatRow& row : kFormats)
        if (row.format == format)
            return row.words;
    return {};
}

} // namespace abacore
