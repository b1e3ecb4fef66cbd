#pragma once
// Which window each screen is. Used by the ScreenHost of the program and of the flow tests.

#include "ui/app_context.h"

class QWidget;

namespace abacore {

// Makes the window for `screen`. The worksheet window's documents are built here, before the
// window exists: a request that cannot make the problems is reported and leads back into the
// wizard (ScreenAfterRefusal) with what the teacher typed, instead of to an empty window; the
// crossword is built the same way, and a builder that gives up leads back to the main menu.
QWidget* MakeScreen(Screen screen, AppContext& context, QWidget* current);

// The picture window over `opener`, for the windows that take a picture (the worksheet's
// Clipart, the crossword's background).
void ShowPictureWindow(AppContext& context, QWidget* opener, PictureReceiver receiver);

} // namespace abacore
