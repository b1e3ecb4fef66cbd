#pragma once
// Small things every screen does when it opens.

#include <QString>

class QWidget;

namespace abacore {

// Centres a window on its screen: top = (screen height - window height) / 2, left likewise.
void CentreOnScreen(QWidget* window);
// Paints the picture file (looked up in the current folder, ignoring letter case) behind the
// window's controls, scaled to cover it. A missing picture leaves the plain background.
void SetBackgroundPicture(QWidget* window, const QString& fileName);
// Finds a file in `folder` whose name matches `fileName` ignoring letter case; empty if none.
QString FindFileIgnoringCase(const QString& folder, const QString& fileName);

} // namespace abacore
