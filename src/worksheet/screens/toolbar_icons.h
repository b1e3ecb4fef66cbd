#pragma once
// Small pictures for the worksheet window's toolbar, drawn here so the program needs no icon
// theme or image files.

#include <QIcon>

// The picture of toolbar button `index` (1 to 6: print, clipart, save, QuickWord, view, quit).
QIcon WorksheetToolbarIcon(int index);
