#pragma once
// Small things every screen does when it opens.

#include <string>

class QWidget;

namespace abacore {

// Centres a window on its screen: top = (screen height - window height) / 2, left likewise.
void CentreOnScreen(QWidget* window);
// Paints the background picture of the program folder behind the window's controls, scaled to
// cover it. A missing picture leaves the plain background.
void SetBackgroundPicture(QWidget* window, const std::string& programFolder);

} // namespace abacore
