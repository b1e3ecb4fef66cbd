#pragma once

#include "worksheet/save_name.h"
#include "worksheet/sheet_content.h"

#include <functional>

class QTextDocument;
class QWidget;

namespace abacore {

// The worksheet window's output commands: save, print, QuickWord, PDF export and print preview.
// They always take the worksheet from the worksheet editor's document and the answer key from
// the answer-key editor's, with the user's edits, and talk to the user only through
// context.dialogs. A command that cannot finish says why and changes nothing else.

struct AppContext;

struct WorksheetOutput {
    AppContext& context;
    QWidget* window;
    const QTextDocument& worksheet;
    const QTextDocument& answerKey;
    // The files of the worksheets folder this window has written: replaced without asking.
    WrittenFiles& written;
    // Called once the edits are kept: saved, printed, exported or handed to the word processor.
    std::function<void()> kept = {};
};

// Save and QuickWord ask before they replace a file of the worksheets folder that the window did
// not write itself, and never leave another sheet's answer key beside the sheet (FilesOfSheet).

// Asks for a name and saves the worksheet as worksheets/<name>.rtf; the name becomes the heading.
void SaveWorksheet(const WorksheetOutput& output);
// Prints the worksheet and, when asked for, the answer key as a second job.
void PrintWorksheet(const WorksheetOutput& output);
// Saves under the heading and opens the files in the user's word processor.
void SendToWordProcessor(const WorksheetOutput& output);
// Writes the worksheet (and, when asked for, the answer key) to a PDF file the user chooses.
void ExportWorksheetPdf(const WorksheetOutput& output);
// Writes the sheet's problems as a web page the pupil answers in a browser, to a file the user
// chooses.
void ExportWorksheetWebPage(const WorksheetOutput& output, const SheetContent& content);
// Shows the pages as they would print: the worksheet, then the answer key.
void PreviewWorksheet(const WorksheetOutput& output);

} // namespace abacore
