#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace abacore {

namespace {

constexpr int kIconSize = 32;

const QColor Ink(40, 40, 48);
const QColor Paper(252, 252, 246);

void drawPage(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Paper);
    p.drawRect(r);
}

void drawPrinter(QPainter& p) {
    drawPage(p, QRectF(9, 3, 14, 10));
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(120, 130, 150));
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 3, 3);
    drawPage(p, QRectF(9, 20, 14, 9));
    p.setPen(QPen(Ink, 1));
    p.drawLine(QPointF(12, 24), QPointF(20, 24));
    p.drawLine(QPointF(12, 27), QPointF(18, 27));
    p.setBrush(QColor(90, 200, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
}

void drawClipart(QPainter& p) {
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(170, 215, 250));
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(22, 11), 3, 3);
    QPainterPath hills;
    hills.moveTo(4, 26);
    hills.lineTo(12, 14);
    hills.lineTo(18, 21);
    hills.lineTo(22, 17);
    hills.lineTo(28, 26);
    hills.closeSubpath();
    p.setBrush(QColor(70, 150, 70));
    p.drawPath(hills);
}

void drawSave(QPainter& p) {
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(60, 100, 170));
    QPainterPath disk;
    disk.moveTo(4, 4);
    disk.lineTo(24, 4);
    disk.lineTo(28, 8);
    disk.lineTo(28, 28);
    disk.lineTo(4, 28);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(QColor(220, 220, 225));
    p.drawRect(QRectF(9, 4, 13, 8));
    p.setBrush(Paper);
    p.drawRect(QRectF(8, 17, 16, 11));
    p.setPen(QPen(Ink, 1));
    p.drawLine(QPointF(11, 21), QPointF(21, 21));
    p.drawLine(QPointF(11, 24), QPointF(21, 24));
}

void drawQuickWord(QPainter& p) {
    drawPage(p, QRectF(6, 3, 20, 26));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(40, 80, 170));
    p.drawText(QRectF(6, 5, 20, 22), Qt::AlignCenter, QStringLiteral("W"));
}

void drawAnswers(QPainter& p) {
    drawPage(p, QRectF(6, 3, 20, 26));
    p.setPen(QPen(Ink, 1));
    for (int y = 9; y <= 24; y += 5)
        p.drawLine(QPointF(10, y), QPointF(16, y));
    p.setPen(QPen(QColor(200, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(15, 17);
    tick.lineTo(19, 22);
    tick.lineTo(27, 9);
    p.drawPath(tick);
}

void drawQuit(QPainter& p) {
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(150, 100, 60));
    p.drawRect(QRectF(5, 3, 15, 26));
    p.setBrush(QColor(250, 210, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(17, 16), 1.4, 1.4);
    p.setPen(QPen(QColor(200, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(21, 16), QPointF(29, 16));
    p.drawLine(QPointF(26, 12), QPointF(29, 16));
    p.drawLine(QPointF(26, 20), QPointF(29, 16));
}

// A page of text with a lightning bolt: documents that open at once.
void drawQuickWordSetting(QPainter& p) {
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
}

// A blue disc with a white "i".
void drawInfo(QPainter& p) {
    p.setPen(QPen(QColor(20, 70, 150), 1.5));
    p.setBrush(QColor(50, 120, 210));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 7.5, 4, 4));
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
}

// A sheet with its code at the foot: a row of four short groups.
void drawSheetCode(QPainter& p) {
    drawPage(p, QRectF(6, 3, 20, 26));
    p.setPen(QPen(Ink, 1));
    for (int y = 8; y <= 18; y += 5)
        p.drawLine(QPointF(10, y), QPointF(22, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 170));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(8.5 + i * 4, 22.5, 3, 3));
}

} // namespace

QIcon ToolbarIcon(ToolbarPicture picture) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case ToolbarPicture::Print:
        drawPrinter(p);
        break;
    case ToolbarPicture::Clipart:
        drawClipart(p);
        break;
    case ToolbarPicture::Save:
        drawSave(p);
        break;
    case ToolbarPicture::QuickWord:
        drawQuickWord(p);
        break;
    case ToolbarPicture::Answers:
        drawAnswers(p);
        break;
    case ToolbarPicture::Quit:
        drawQuit(p);
        break;
    case ToolbarPicture::QuickWordSetting:
        drawQuickWordSetting(p);
        break;
    case ToolbarPicture::Info:
        drawInfo(p);
        break;
    case ToolbarPicture::SheetCode:
        drawSheetCode(p);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace abacore
