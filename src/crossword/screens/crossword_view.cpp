#include "crossword/screens/crossword_view.h"

#include "crossword/crossword_messages.h"
#include "crossword/puzzle_layout.h"
#include "ui/screen_helpers.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace abacore {

CrosswordView::CrosswordView(CrosswordPage page, CellText text, bool withHeading, QWidget* parent)
    : QWidget(parent), m_page(std::move(page)), m_text(text), m_withHeading(withHeading) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void CrosswordView::setLook(const CrosswordLook& look) {
    m_look = look;
    update();
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
}

CrossWord::CrossWord(CrosswordPage page, QWidget* parent)
    : CrosswordView(std::move(page), CellText::Characters, true, parent) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("CrossWord"));
    setWindowTitle(QString::fromUtf8(CrosswordText::kDisplayCaption));
    setFocusPolicy(Qt::StrongFocus);
    QSize size = sizeHint();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
    CentreOnScreen(this);
}

void CrossWord::mousePressEvent(QMouseEvent*) {
    hide();
}

void CrossWord::keyPressEvent(QKeyEvent*) {
    hide();
}

} // namespace abacore
