#include "ui/screen_helpers.h"

#include "core/atomic_file.h"
#include "core/program_folder.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

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
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(std::move(picture))));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

} // namespace abacore
