#include "shell/screens/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

constexpr int Size = 32;

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

// A page of text with a lightning bolt: documents that open at once.
QIcon QuickWordIcon() {
    return Drawn([](QPainter& p) {
        QPainterPath page;
        page.moveTo(5, 3);
        page.lineTo(19, 3);
        page.lineTo(25, 9);
        page.lineTo(25, 29);
        page.lineTo(5, 29);
        page.closeSubpath();
        p.setPen(QPen(QColor(70, 90, 120), 1.5));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.drawLine(QPointF(19, 3), QPointF(19, 9));
        p.drawLine(QPointF(19, 9), QPointF(25, 9));
        p.setPen(QPen(QColor(150, 165, 185), 1.5));
        for (int y = 13; y <= 25; y += 4)
            p.drawLine(QPointF(9, y), QPointF(y < 17 ? 21 : 15, y));
        QPolygonF bolt;
        bolt << QPointF(24, 12) << QPointF(17, 22) << QPointF(22, 22) << QPointF(19, 31)
             << QPointF(29, 19) << QPointF(24, 19) << QPointF(28, 12);
        p.setPen(QPen(QColor(170, 90, 0), 1));
        p.setBrush(QColor(255, 180, 30));
        p.drawPolygon(bolt);
    });
}

// A blue disc with a white "i".
QIcon InfoIcon() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(20, 70, 150), 1.5));
        p.setBrush(QColor(50, 120, 210));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(14, 7.5, 4, 4));
        p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
    });
}

// A red disc with a white cross.
QIcon QuitIcon() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(140, 20, 20), 1.5));
        p.setBrush(QColor(210, 50, 45));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(21, 21));
        p.drawLine(QPointF(21, 11), QPointF(11, 21));
    });
}
