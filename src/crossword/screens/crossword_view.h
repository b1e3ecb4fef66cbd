#pragma once
// A window area that shows the crossword through the one grid painter: the builder window's
// preview of the printed grid, and the grid of the answer display. Screen readers meet it as a
// table of the rows and columns the puzzle uses; where it takes the focus the arrow keys move a
// current cell through that table.

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
    bool answersShown() const { return m_text == CellText::Characters; }

    // The cells readers are given: the used columns and rows, 1-based on the page.
    int firstColumn() const { return m_left; }
    int firstRow() const { return m_top; }
    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    QRect cellRect(int row, int column) const;
    // The current cell (row, column within the table); it moves with the arrow keys.
    QPoint current() const { return m_current; }
    void setCurrent(QPoint cell);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    CrosswordPage m_page;
    CellText m_text;
    bool m_withHeading;
    CrosswordLook m_look;
    int m_left = 1, m_top = 1, m_columns = 1, m_rows = 1;
    QPoint m_current{0, 0}; // x column, y row
};

// The answer display: the filled grid with the heading on the chosen background. A click
// anywhere on it, or any key but the arrows, hides it again.
class CrossWord final : public QWidget {
    Q_OBJECT
public:
    explicit CrossWord(CrosswordPage page, QWidget* parent = nullptr);

    void setLook(const CrosswordLook& look);
    CrosswordView& grid() const { return *m_grid; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CrosswordView* m_grid;
};

} // namespace abacore
