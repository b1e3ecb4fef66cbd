#pragma once
// The windows' "Class Set..." command: a number of copies or a class list, a file of the sheets
// and a file of their keys, each version drawn afresh from the request the window was opened
// with. Each file is written in the format its name's extension says (ClassSetFormat), as `make`
// writes class sets. A long set shows its progress and can be cancelled; both files are written,
// or neither.

#include "ui/crossword_painter.h"

class QWidget;

namespace abacore {

struct AppContext;
struct WorksheetRequest;

struct ClassSetOutput {
    AppContext& context;
    QWidget* window;
    const WorksheetRequest& request; // as the window was opened with
    CrosswordLook look = {};         // the crossword's background
};

void SaveClassSet(const ClassSetOutput& output);

} // namespace abacore
