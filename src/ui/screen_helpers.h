#pragma once
// Small things every screen does when it opens.

#include <QFrame>
#include <QImage>
#include <string>

class QTextEdit;
class QWidget;

namespace abacore {

struct DataFolders;

// Centres a window on its screen: top = (screen height - window height) / 2, left likewise.
void CentreOnScreen(QWidget* window);
// Paints the background picture of the data folders (a user's own copy first) behind the
// window's controls, scaled to cover it, and gives the text on it an ink that reads on the
// picture (black on a light one), whatever the desktop's colours. A missing picture leaves the
// plain background and the desktop's text colour.
void SetBackgroundPicture(QWidget* window, const DataFolders& folders);

// The same in steps, so that a window can have its picture decoded in another thread while it
// is being made itself: the picture read and decoded (null when there is none; whole, or at the
// size that covers `area`), then fitted to the window's area once it is known, then shown. Only
// the last needs the window's thread.
struct BackgroundPicture {
    QImage image;              // null: no picture, the window keeps its plain background
    bool lightPicture = false; // dark ink reads on it
};
QImage ReadBackgroundPicture(const DataFolders& folders, QSize area = {});
BackgroundPicture FitBackgroundPicture(const QImage& whole, QSize area);
void SetBackgroundPicture(QWidget* window, BackgroundPicture picture);

// A document on screen shows as the page it prints on: black on white under any desktop theme
// (the colours the teacher gave the text stay theirs).
void ShowAsPaper(QTextEdit* editor);

// A rounded panel that keeps its controls readable over the background picture: a veil of
// white under dark text, of black under light text, so its text always stands out from it.
class ReadingPanel : public QFrame {
public:
    ReadingPanel(int opacity, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_opacity; // of the veil, 0 to 255
};

// Whether text of `colour` is dark: black reads better on what lies behind it than white.
bool IsDarkInk(const QColor& colour);

} // namespace abacore
