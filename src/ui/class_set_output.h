#pragma once
// The windows' "Class Set..." command: a number of copies or a class list, the PDF of the sheets
// and the PDF of their keys, each version drawn afresh from the request the window was opened
// with. A long set shows its progress and can be cancelled; both files are written, or neither.

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
