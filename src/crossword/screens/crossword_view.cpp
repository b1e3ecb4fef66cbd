#include "crossword/screens/crossword_view.h"

#include "crossword/crossword_messages.h"
#include "crossword/puzzle_layout.h"
#include "crossword/screens/crossword_grid_access.h"
#include "ui/screen_helpers.h"
#include "worksheet/activity_table.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace abacore {

CrosswordView::CrosswordView(CrosswordPage page, CellText text, bool withHeading, QWidget* parent)
    : QWidget(parent), m_page(std::move(page)), m_text(text), m_withHeading(withHeading) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    if (const auto used = UsedCells(m_page)) {
        m_left = used->left;
        m_top = used->top;
        m_columns = used->right - used->left + 1;
        m_rows = used->bottom - used->top + 1;
    }
    // The keyboard starts on the first cell of the puzzle, not on an empty corner.
    for (int i = 0; i < m_columns * m_rows; ++i)
        if (!m_page.cell(m_left + i % m_columns, m_top + i / m_columns).isEmpty()) {
            m_current = {i % m_columns, i / m_columns};
            break;
        }
    InstallCrosswordGridAccess();
}

void CrosswordView::setLook(const CrosswordLook& look) {
    m_look = look;
    update();
}

QRect CrosswordView::cellRect(int row, int column) const {
    return CrosswordCellRect(QRectF(rect()), m_page, m_withHeading, m_left + column, m_top + row)
        .toAlignedRect();
}

void CrosswordView::setCurrent(QPoint cell) {
    cell.setX(std::clamp(cell.x(), 0, m_columns - 1));
    cell.setY(std::clamp(cell.y(), 0, m_rows - 1));
    m_current = cell;
    update();
    if (hasFocus())
        AnnounceCurrentCell(*this);
}

int CrosswordView::heightForWidth(int width) const {
    return static_cast<int>(std::lround(width / CrosswordAspect(m_page, m_withHeading)));
}

QSize CrosswordView::sizeHint() const {
    // The printed size on a screen of 96 dots per inch: 15 twips a pixel.
    const int width = PuzzleGeometry::kGridAreaWidth / 15;
    return {width, heightForWidth(width)};
}

void CrosswordView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintCrossword(painter, QRectF(rect()), m_page, m_text, m_look, m_withHeading);
    if (hasFocus()) {
        // The current cell, in the program's focus colours: a light band round a dark one.
        const QRect cell = cellRect(m_current.y(), m_current.x());
        painter.setPen(QPen(QColor(0x1a, 0x23, 0x7e), 3));
        painter.drawRect(cell.adjusted(2, 2, -2, -2));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(cell.adjusted(4, 4, -4, -4));
    }
}

void CrosswordView::keyPressEvent(QKeyEvent* event) {
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrent(m_current + step);
}

void CrosswordView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // Qt tells readers the grid has the focus after this handler; the cell follows that, or
    // readers would stay on the grid as a whole.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            AnnounceCurrentCell(*this);
    });
}

CrossWord::CrossWord(CrosswordPage page, QWidget* parent)
    : QWidget(parent), m_grid(new CrosswordView(std::move(page), CellText::Characters, true)) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("CrossWord"));
    setWindowTitle(
        QString::fromStdString(WindowTitleOf(CrosswordText::kDisplayCaption, Activity::Crossword)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    m_grid->setObjectName(QStringLiteral("CrossWordGrid"));
    m_grid->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_grid);
    QSize size = m_grid->sizeHint();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
    CentreOnScreen(this);
}

void CrossWord::setLook(const CrosswordLook& look) {
    m_grid->setLook(look);
}

void CrossWord::mousePressEvent(QMouseEvent*) {
    hide();
}

void CrossWord::keyPressEvent(QKeyEvent*) {
    hide();
}

} // namespace abacore
