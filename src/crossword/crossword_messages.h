#pragma once
// Every text of the crossword's windows: captions, buttons, questions and messages, in one
// place so the windows, the printing and the tests use the very same words.

#include <string>
#include <string_view>
#include <vector>

namespace abacore {

namespace CrosswordText {

inline constexpr const char* BuilderCaption = "Success!";
inline constexpr const char* DisplayCaption = "Crossword";
inline constexpr const char* BackgroundFrame = "Puzzle Background";
inline constexpr const char* ViewPuzzle = "View Puzzle";
inline constexpr const char* PrintPuzzle = "Print Puzzle";
inline constexpr const char* QuitWithoutPrinting = "Quit without printing";
inline constexpr const char* ChoosePicture = "Choose picture...";
inline constexpr const char* Export = "Export...";

inline constexpr const char* ConfirmPrintTitle = "Confirm Print";
inline constexpr const char* ConfirmPrint = "Print this Crossword Puzzle?";
inline constexpr const char* AnswerKeyTitle = "Answer Key?";
inline constexpr const char* AnswerKey = "Print answer key?";
inline constexpr const char* PrintedTitle = "Puzzle printed.";
inline constexpr const char* SentToPrinter = "Puzzle has been sent to the printer";
inline constexpr const char* PrintFailed =
    "The puzzle could not be printed. Please check the printer and try again.";
inline constexpr const char* KeyPrintFailed =
    "The answer key could not be printed. Please check the printer and try again.";

inline constexpr const char* ExportTitle = "Export Puzzle";
inline constexpr const char* ExportFilter = "PDF files (*.pdf);;Crossword files (*.ipuz)";
inline constexpr const char* ExportKey = "Add the answer key to the PDF as well?";
inline constexpr const char* ExportWrongType =
    "Please choose a name ending in .pdf (to print) or .ipuz (for crossword programs).";
inline constexpr const char* ExportedTitle = "Puzzle Saved";

// The printed page's captions over the clue lists.
inline constexpr const char* AcrossCaption = "Across";
inline constexpr const char* DownCaption = "Down";

} // namespace CrosswordText

// The "Puzzle printed." message: where the pages went when the print jobs were written to files
// (the print dialog's "print to file"; the puzzle's and its key's lie in one folder), else that
// the puzzle went to the printer.
std::string CrosswordPrintedMessage(std::string_view folder,
                                    const std::vector<std::string>& fileNames);

// The export's confirmation, naming the file.
std::string CrosswordExportedMessage(std::string_view path);

} // namespace abacore
