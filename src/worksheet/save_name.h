#pragma once
// The names under which the worksheet window saves its files in the `worksheets` folder (an
// installed copy's: "Abacore Worksheets" in the user's documents folder), and the checks that
// keep a typed name from writing anywhere else or failing half-way.

#include "document/file_words.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

struct WorksheetRequest;

enum class SaveNameProblem {
    None,
    Empty,
    PathSeparator, // "/" (or "\", a separator elsewhere) would name another folder
    DotName,       // "." or "..": a folder, not a file
    ControlChar,   // NUL or another control character
    TooLong,       // a file name of more than 255 bytes
    LeavesFolder,  // the file would not lie directly in the worksheets folder
};

// Checks a name as the user typed it, for both files it may become (name + ".rtf" and
// name + "(Answer Key).rtf").
SaveNameProblem CheckSaveName(std::string_view name);

// Who gave the name, so the message tells the user what to do about it.
enum class NameSource { Typed, Heading };

// The message for a refused name: one or two sentences, in the program's style.
std::string SaveNameMessage(SaveNameProblem problem, NameSource source);
inline constexpr const char* kSaveNameTitle = "Oops!";

std::string WorksheetFileName(std::string_view name); // name + ".rtf"
std::string AnswerKeyFileName(std::string_view name); // name + "(Answer Key).rtf"

// The worksheets folder (WorksheetsFolderOf, spelled as it is on disk) + "/" + file name: where
// the program writes, and the full path that the word processor is given.
std::string FullWorksheetsPath(const WorksheetRequest& request, std::string_view fileName);

// The word processor's arguments: the answer-key file first when it is sent, then the worksheet.
std::vector<std::string> QuickWordArguments(const WorksheetRequest& request, std::string_view name,
                                            bool withAnswerKey);

// The files a worksheet window has written itself (full paths, as FullWorksheetsPath gives them).
// It replaces those without asking: a second Save, or a QuickWord after a Save, under one name.
using WrittenFiles = std::set<std::string>;

// Of the files `fileNames` about to be written in the worksheets folder, those already there that
// the window did not write: another worksheet (the heading left over from an earlier activity
// names an earlier sheet), which is replaced only when the teacher says so.
std::vector<std::string> FilesToConfirm(const WorksheetRequest& request,
                                        const std::vector<std::string>& fileNames,
                                        const WrittenFiles& written);

// What saving a sheet under `name` does in the worksheets folder. A sheet never sits beside
// another sheet's answer key: a key of that name that the window did not write is replaced by
// this sheet's key even when the key was not asked for, or removed when the sheet has none
// (flash cards).
struct SheetFiles {
    std::vector<std::string> write; // file names: the worksheet, then its answer key
    std::string remove;             // another sheet's answer key, or empty
};
SheetFiles FilesOfSheet(const WorksheetRequest& request, std::string_view name, bool withKey,
                        const WrittenFiles& written);

// The question before replacing `fileNames` (and removing `removed`, unless it is empty); No
// writes nothing.
std::string ReplaceQuestion(const WorksheetRequest& request,
                            const std::vector<std::string>& fileNames,
                            std::string_view removed = {});
inline constexpr const char* kReplaceTitle = "Replace File?";

// The worksheets folder as messages name it: the "worksheets" folder, or, away from the
// program folder, the folder by its full name.
std::string WorksheetsFolderWords(const WorksheetRequest& request);

// The text of the "Worksheet Saved" message; it says where the file went when that is not the
// program folder's "worksheets".
std::string WorksheetSavedMessage(const WorksheetRequest& request, std::string_view name);
inline constexpr const char* kWorksheetSavedTitle = "Worksheet Saved";

// A print job's companion file for the answer key when the "printer" is a file:
// "sheet.pdf" -> "sheet(Answer Key).pdf", so the second job does not replace the first.
std::string AnswerKeyCompanionPath(std::string_view path);

// The message for a write that failed; `reason` says why in words.
std::string SaveFailedMessage(std::string_view reason);
// The message when another sheet's answer key could not be removed after the sheet was saved.
std::string KeyNotRemovedMessage(std::string_view fileName, std::string_view reason);

// The text of the "Worksheet Printed" message: where the pages went when the print jobs were
// written to files (the print dialog's "print to file"; a job's file and its answer key's lie in
// one folder), else that they went to the printer.
std::string PrintedMessage(std::string_view folder, const std::vector<std::string>& fileNames);
inline constexpr const char* kWorksheetPrintedTitle = "Worksheet Printed";

} // namespace abacore
