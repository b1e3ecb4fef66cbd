#pragma once
// The builder window's output commands: printing the puzzle and its answer key, and exporting
// them as a PDF or an .ipuz file. They talk to the user only through context.dialogs.

#include "ui/crossword_painter.h"

class QWidget;

namespace abacore {

struct AppContext;

struct CrosswordOutput {
    AppContext& context;
    QWidget* window;
    const CrosswordPage& page;
    const CrosswordLook& look;
};

// "Confirm Print", the print dialog, the puzzle, "Answer Key?" and the key, "Puzzle printed.".
// True once the puzzle is printed; false when the user said no or cancelled, or the printer
// failed (said in a message).
bool PrintCrossword(const CrosswordOutput& output);

// Asks for a file name: .pdf writes the puzzle's pages (and, when asked for, the answer key),
// .ipuz the puzzle for crossword programs. A failure names the file and the reason. True once
// the file is written.
bool ExportCrossword(const CrosswordOutput& output);

} // namespace abacore
