#include "ui/screen_helpers.h"

#include "core/atomic_file.h"
#include "core/program_folder.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QTextEdit>
#include <QWidget>
#include <cmath>

namespace abacore {

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + area.width() / 2 - size.width() / 2,
                 area.top() + area.height() / 2 - size.height() / 2);
}

void SetBackgroundPicture(QWidget* window, const DataFolders& folders) {
    const auto path = FindDataFile(folders, kBackgroundPictureName);
    if (!path)
        return;
    // Read by its bytes: a program folder whose name is not UTF-8 would not open under Qt's
    // reading of the name. The reader makes it at the size it is shown, covering the window, so
    // a window much smaller than the picture does not pay for decoding the whole of it.
    QImage picture;
    try {
        QByteArray bytes = QByteArray::fromStdString(ReadWholeFile(*path));
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        const QSize full = reader.size();
        if (full.isValid() && !full.isEmpty() && !window->size().isEmpty())
            reader.setScaledSize(full.scaled(window->size(), Qt::KeepAspectRatioByExpanding));
        picture = reader.read();
    } catch (const ReadError&) {
    }
    if (picture.isNull())
        return;
    // The picture's own average colour says which ink reads on it.
    const QImage small = picture.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double red = 0, green = 0, blue = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) {
            const QColor c = small.pixelColor(x, y);
            red += c.redF();
            green += c.greenF();
            blue += c.blueF();
        }
    const double n = small.width() * small.height();
    const bool light =
        !IsDarkInk(QColor::fromRgbF(float(red / n), float(green / n), float(blue / n)));
    QPalette palette = window->palette();
    const QColor ink = light ? Qt::black : Qt::white;
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(std::move(picture))));
    palette.setColor(QPalette::Active, QPalette::WindowText, ink);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, ink);
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     light ? QColor(0x60, 0x60, 0x60) : QColor(0xb0, 0xb0, 0xb0));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

bool IsDarkInk(const QColor& colour) {
    // Below this relative luminance black and white would stand out from it equally.
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) <
           0.179;
}

void ShowAsPaper(QTextEdit* editor) {
    for (QWidget* widget : {static_cast<QWidget*>(editor), editor->viewport()}) {
        QPalette palette = widget->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Base, Qt::white);
            palette.setColor(group, QPalette::Text, Qt::black);
        }
        palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xf4, 0xf4, 0xf4));
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x60, 0x60, 0x60));
        widget->setPalette(palette);
    }
}

ReadingPanel::ReadingPanel(int opacity, QWidget* parent) : QFrame(parent), m_opacity(opacity) {
    setObjectName(QStringLiteral("Panel"));
}

void ReadingPanel::paintEvent(QPaintEvent*) {
    const QColor ink = palette().color(QPalette::WindowText);
    QColor veil = IsDarkInk(ink) ? QColor(Qt::white) : QColor(Qt::black);
    veil.setAlpha(m_opacity);
    QColor edge = ink;
    edge.setAlpha(70);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(edge);
    painter.setBrush(veil);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
}

} // namespace abacore
