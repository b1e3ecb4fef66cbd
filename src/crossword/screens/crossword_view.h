#pragma once
// A window area that shows the crossword through the one grid painter: the builder window's
// preview of the printed grid, and the whole of the answer display.

#include "ui/crossword_painter.h"

#include <QWidget>

namespace abacore {

class CrosswordView : public QWidget {
    Q_OBJECT
public:
    CrosswordView(CrosswordPage page, CellText text, bool withHeading, QWidget* parent = nullptr);

    void setLook(const CrosswordLook& look);
    const CrosswordLook& look() const { return m_look; }
    const CrosswordPage& page() const { return m_page; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CrosswordPage m_page;
    CellText m_text;
    bool m_withHeading;
    CrosswordLook m_look;
};

// The answer display: the filled grid with the heading on the chosen background. A click
// anywhere on it, or any key, hides it again.
class CrossWord final : public CrosswordView {
    Q_OBJECT
public:
    explicit CrossWord(CrosswordPage page, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace abacore
