#include "core/program_folder.h"
#include "ui/screen_helpers.h"

#include <QPalette>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace abacore;

// The text on a light picture is black and on a dark one white, and the picture covers the
// window, whether the window reads it at its size or is handed it decoded whole (as the main
// menu is, from another thread) and fitted to it.
TEST(BackgroundPicture, CoversTheWindowWithAnInkThatReadsOnIt) {
    for (const auto& [shade, ink] : {std::pair{QColor(235, 230, 215), QColor(Qt::black)},
                                     std::pair{QColor(40, 40, 70), QColor(Qt::white)}}) {
        QTemporaryDir folder;
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(shade);
        ASSERT_TRUE(picture.save(folder.filePath("AbacoreBack.jpg"), "JPG"));
        const DataFolders folders{folder.path().toStdString()};
        QWidget read, handed;
        read.resize(150, 150);
        handed.resize(150, 150);
        SetBackgroundPicture(&read, folders);
        SetBackgroundPicture(&handed,
                             FitBackgroundPicture(ReadBackgroundPicture(folders), handed.size()));
        for (const QWidget* window : {&read, &handed}) {
            EXPECT_EQ(window->palette().color(QPalette::Active, QPalette::WindowText), ink);
            EXPECT_EQ(window->palette().window().texture().size(), QSize(225, 150));
        }
    }
}
