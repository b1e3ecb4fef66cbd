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

namespace {

// The size that covers an area, keeping the picture's proportions (none for no area).
QSize CoveringSize(QSize picture, QSize area) {
    return area.isEmpty() ? QSize() : picture.scaled(area, Qt::KeepAspectRatioByExpanding);
}

// A picture made at the size shown, with the ink that reads on it.
BackgroundPicture WithInk(QImage picture) {
    if (picture.isNull())
        return {};
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
    return {std::move(picture), light};
}

} // namespace

void SetBackgroundPicture(QWidget* window, const DataFolders& folders) {
    SetBackgroundPicture(window, WithInk(ReadBackgroundPicture(folders, window->size())));
}

QImage ReadBackgroundPicture(const DataFolders& folders, QSize area) {
    const auto path = FindDataFile(folders, kBackgroundPictureName);
    if (!path)
        return {};
    // Read as bytes: a program folder whose name is not UTF-8 would not open under Qt's
    // reading of the name.
    try {
        QByteArray bytes = QByteArray::fromStdString(ReadWholeFile(*path));
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        if (const QSize full = reader.size(); full.isValid() && !full.isEmpty())
            if (const QSize shown = CoveringSize(full, area); !shown.isEmpty())
                reader.setScaledSize(shown);
        return reader.read();
    } catch (const ReadError&) {
        return {};
    }
}

BackgroundPicture FitBackgroundPicture(const QImage& whole, QSize area) {
    // Scaled smoothly; the reader's own scaling, when asked for a size, may differ from it by a
    // shade here and there.
    const QSize shown = whole.isNull() ? QSize() : CoveringSize(whole.size(), area);
    return WithInk(shown.isEmpty() || shown == whole.size()
                       ? whole
                       : whole.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void SetBackgroundPicture(QWidget* window, BackgroundPicture picture) {
    if (picture.image.isNull())
        return;
    QPalette palette = window->palette();
    const bool light = picture.lightPicture;
    const QColor ink = light ? Qt::black : Qt::white;
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(std::move(picture.image))));
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
