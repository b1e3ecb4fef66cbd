#include "ui/screen_helpers.h"

#include "core/atomic_file.h"
#include "core/program_folder.h"

#include <QGuiApplication>
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
    // reading of the name.
    QPixmap picture;
    try {
        const std::string bytes = ReadWholeFile(*path);
        picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                             static_cast<uint>(bytes.size()));
    } catch (const ReadError&) {
    }
    if (picture.isNull())
        return;
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window,
                     QBrush(picture.scaled(window->size(), Qt::KeepAspectRatioByExpanding,
                                           Qt::SmoothTransformation)));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

} // namespace abacore
