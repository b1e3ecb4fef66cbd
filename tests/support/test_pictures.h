#pragma once
// Picture files for tests, drawn here so that every pixel is known.

#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QString>

namespace abacore {

// A picture whose pixels differ from each other: a gradient with a diagonal.
inline QImage PatternImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           x == y ? qRgb(0, 0, 0)
                                  : qRgb(x * 255 / width, y * 255 / height, (x + y) % 256));
    return image;
}

// Writes the pattern as `format` ("bmp", "jpeg", "png", "gif", "ico"); the image written.
inline QImage WritePicture(const QString& path, int width, int height, const char* format) {
    const QImage image = PatternImage(width, height);
    QImageWriter writer(path, format);
    if (!writer.write(image))
        return {};
    return image;
}

// Whether two images show the same pixels.
inline bool SamePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace abacore
