#pragma once
// Small things every screen does when it opens.

#include <string>

class QWidget;

namespace abacore {

struct DataFolders;

// Centres a window on its screen: top = (screen height - window height) / 2, left likewise.
void CentreOnScreen(QWidget* window);
// Paints the background picture of the data folders (a user's own copy first) behind the
// window's controls, scaled to cover it. A missing picture leaves the plain background.
void SetBackgroundPicture(QWidget* window, const DataFolders& folders);

} // namespace abacore
