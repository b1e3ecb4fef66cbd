#pragma once
// Picture files for tests, drawn here so that every pixel is known.

#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <cmath>

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

// Page `page` (from 1) of a PDF as pdftoppm draws it at `dpi`; null without pdftoppm.
inline QImage PdfPageImage(const QString& pdf, int page = 1, int dpi = 40) {
    const QString tool = QStandardPaths::findExecutable("pdftoppm");
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {"-png", "-r", QString::number(dpi), "-f", QString::number(page), "-l",
                         QString::number(page), "-singlefile", pdf});
    process.waitForFinished(30000);
    return QImage::fromData(process.readAllStandardOutput(), "PNG");
}

// The share of an image's pixels within `tolerance` of `colour` in each of red, green and blue
// (a picture in a PDF may be stored as JPEG).
inline double ShareNear(const QImage& image, const QColor& colour, int tolerance = 24) {
    if (image.isNull())
        return 0;
    qint64 near = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            near += std::abs(c.red() - colour.red()) <= tolerance &&
                    std::abs(c.green() - colour.green()) <= tolerance &&
                    std::abs(c.blue() - colour.blue()) <= tolerance;
        }
    return static_cast<double>(near) / (static_cast<qint64>(image.width()) * image.height());
}

// Whether two images show the same pixels.
inline bool SamePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace abacore
