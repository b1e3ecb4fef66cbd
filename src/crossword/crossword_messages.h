#pragma once
// Every text of the crossword's windows: captions, buttons, questions and messages, in one
// place so the windows, the printing and the tests use the very same words.

#include <string>
#include <string_view>
#include <vector>

namespace abacore {

namespace CrosswordText {

inline constexpr const char* kBuilderCaption = "Success!";
inline constexpr const char* kDisplayCaption = "Crossword";
inline constexpr const char* kBackgroundFrame = "Puzzle Background";
inline constexpr const char* kViewPuzzle = "View Puzzle";
inline constexpr const char* kPrintPuzzle = "Print Puzzle";
inline constexpr const char* kQuitWithoutPrinting = "Quit without printing";
inline constexpr const char* kChoosePicture = "Choose picture...";
inline constexpr const char* kExport = "Export...";
inline constexpr const char* kBackToMain = "Back to Main Screen";
inline constexpr const char* kDiscardTitle = "Discard Puzzle?";
inline constexpr const char* kDiscard =
    "This puzzle has not been printed or exported, and cannot be made again. Discard it?";

inline constexpr const char* kConfirmPrintTitle = "Confirm Print";
inline constexpr const char* kConfirmPrint = "Print this Crossword Puzzle?";
inline constexpr const char* kAnswerKeyTitle = "Answer Key?";
inline constexpr const char* kAnswerKey = "Print answer key?";
inline constexpr const char* kPrintedTitle = "Puzzle printed.";
inline constexpr const char* kSentToPrinter = "Puzzle has been sent to the printer";
inline constexpr const char* kPrintFailed =
    "The puzzle could not be printed. Please check the printer and try again.";
inline constexpr const char* kKeyPrintFailed =
    "The answer key could not be printed. Please check the printer and try again.";

inline constexpr const char* kExportTitle = "Export Puzzle";
inline constexpr const char* kExportFilter =
    "PDF files (*.pdf);;Crossword files (*.ipuz);;Web pages (*.html)";
inline constexpr const char* kExportKey = "Add the answer key to the PDF as well?";
inline constexpr const char* kExportWrongType =
    "Please choose a name ending in .pdf (to print), .ipuz (for crossword programs) or .html (a "
    "web page pupils fill in and check in a browser).";
inline constexpr const char* kExportedTitle = "Puzzle Saved";

// The printed page's captions over the clue lists.
inline constexpr const char* kAcrossCaption = "Across";
inline constexpr const char* kDownCaption = "Down";
// After a caption at the top of a page whose list began on the page before.
inline constexpr const char* kContinued = " (continued)";

} // namespace CrosswordText

// The "Puzzle printed." message: where the pages went when the print jobs were written to files
// (the print dialog's "print to file"; the puzzle's and its key's lie in one folder), else that
// the puzzle went to the printer.
std::string CrosswordPrintedMessage(std::string_view folder,
                                    const std::vector<std::string>& fileNames);

// The export's confirmation, naming the file.
std::string CrosswordExportedMessage(std::string_view path);

} // namespace abacore
