#pragma once
// The count screen's hand-over to the crossword: the problem set and the grid are made before
// the builder window exists, so a crossword that cannot be made never opens an empty window.

#include "ui/app_context.h"

class QWidget;

namespace abacore {

// The builder window for the request's crossword. Ranges that cannot make the problems are
// reported and lead back to the range screen, which keeps what the teacher typed; a grid the
// builder gives up on is reported ("Failed.") and leads back to the main menu. A count of 0
// opens an empty grid.
QWidget* MakeCrosswordScreen(AppContext& context, QWidget* current);

} // namespace abacore
