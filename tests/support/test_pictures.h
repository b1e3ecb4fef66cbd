#pragma once
// Picture files for tests, drawn here so that every pixel is known.

#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <vector>

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

// The pictures of a PDF as pdfimages lists them: pixels and pixels per inch. Empty without it.
struct PdfImage {
    int width = 0, height = 0;
    double xPpi = 0, yPpi = 0;
    double widthInches() const { return width / xPpi; }
    double heightInches() const { return height / yPpi; }
};

inline std::vector<PdfImage> PdfImages(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable("pdfimages");
    std::vector<PdfImage> out;
    if (tool.isEmpty())
        return out;
    QProcess process;
    process.start(tool, {"-list", pdf});
    process.waitForFinished(30000);
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() < 14 || f[2] != "image")
            continue;
        out.push_back({f[3].toInt(), f[4].toInt(), f[12].toDouble(), f[13].toDouble()});
    }
    return out;
}

// Whether two images show the same pixels.
inline bool SamePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace abacore
