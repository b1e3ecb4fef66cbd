#include "ui/screen_helpers.h"

#include <QDir>
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

QString FindFileIgnoringCase(const QString& folder, const QString& fileName) {
    const QDir dir(folder);
    if (dir.exists(fileName))
        return dir.filePath(fileName);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

void SetBackgroundPicture(QWidget* window, const QString& fileName) {
    const QString path = FindFileIgnoringCase(QDir::currentPath(), fileName);
    if (path.isEmpty())
        return;
    const QPixmap picture(path);
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
