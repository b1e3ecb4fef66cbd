#pragma once
// A class set: one version of a worksheet for each copy or pupil, each drawn afresh from the same
// request (maker/version_maker.h), and all of them joined into one worksheet and one answer key,
// each version from a new page; the forms its files take.

#include "document/sheet_version.h"
#include "worksheet/worksheet_builder.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

// The texts of the windows' "Class Set..." command.
namespace ClassSetText {
inline constexpr const char* kCommand = "Class Set...";
inline constexpr const char* kTitle = "Class Set";
inline constexpr const char* kAsk =
    "A class set makes a different version of this sheet for every pupil, each with its key, "
    "drawn afresh from the choices you made in the wizard: edits made to the sheet on screen are "
    "not copied into the versions.\n\nHow many copies (1 to 100)? Leave it empty to choose a "
    "class list instead: a text file with one pupil's name a line.";
inline constexpr const char* kDefaultCopies = "30";
inline constexpr const char* kCopiesField = "Number of copies";
inline constexpr const char* kChooseList = "Choose the Class List";
inline constexpr const char* kListFilter = "Class lists (*.txt);;All files (*)";
inline constexpr const char* kSaveSheets = "Save the Class Set";
inline constexpr const char* kSaveKeys = "Save the Answer Keys";
inline constexpr const char* kSheetsName = "Class Set.pdf";
inline constexpr const char* kKeysName = "Class Set Answer Keys.pdf";
inline constexpr const char* kSameFile =
    "The class set and its answer keys would be the same file: choose another name for the "
    "keys.";
inline constexpr const char* kMaking = "Making the class set...";
inline constexpr const char* kNotWritten = "The class set could not be saved. %1";
inline constexpr const char* kSavedTitle = "Class Set Saved";
inline constexpr const char* kSaved = "The class set was saved as %1, %2.";
inline constexpr const char* kSavedWithKeys =
    "The class set was saved as %1, %2, and its answer keys as %3, %4.";
} // namespace ClassSetText

// The forms a class set's files take, as `make` writes them, told by the name's extension.
enum class SetFormat { Rtf, Pdf, Text, WebPage };

// The format of a class set's file from its extension (without the dot, in any letter case):
// the sheets of a worksheet as .rtf, .pdf, .txt or .html, its keys as any but a web page (the
// page checks the answers itself); a crossword's sheets and keys as .pdf or .txt (an .ipuz file
// or a web page holds one puzzle). Nothing for an extension it cannot honour.
std::optional<SetFormat> ClassSetFormat(std::string_view extension, bool crossword, bool keys);
// The refusal of such a name, listing the extensions that serve.
std::string ClassSetFormatRefusal(std::string_view fileName, bool crossword, bool keys);
// The save dialog's filter for those formats, PDF first.
std::string ClassSetFilter(bool crossword, bool keys);
// The format as a message names it: "a PDF file", "a rich-text file", ...
std::string_view FormatWords(SetFormat format);

// The versions' worksheets one after the other, each from a new page, and their keys likewise.
WorksheetDocuments JoinVersions(const std::vector<WorksheetDocuments>& versions);

// Texts (a crossword's clue lists or key grids) one after the other, a form feed before each
// but the first, as the plain text of a joined document has them.
std::string JoinTextPages(const std::vector<std::string>& pages);

} // namespace abacore
