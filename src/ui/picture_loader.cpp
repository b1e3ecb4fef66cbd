#include "ui/picture_loader.h"

#include "clipart/picture_messages.h"
#include "clipart/picture_size.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace abacore {

namespace {

// Enough for the largest picture taken (kMostPicturePixels) at four bytes a pixel: only a
// picture whose type cannot be decoded smaller comes near it.
constexpr int kDecodeLimitMiB = static_cast<int>(kMostPicturePixels * 4 / (1024 * 1024)) + 1;

// The PNG library writes its errors (a file cut short) to the error stream itself, past Qt's
// message handler. While a picture is decoded that stream goes nowhere; the user hears of a
// bad picture from us.
class LibraryErrorsMuted {
public:
    LibraryErrorsMuted() {
        std::fflush(stderr);
        m_saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && nowhere >= 0)
            ::dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            ::close(nowhere);
    }
    ~LibraryErrorsMuted() {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    LibraryErrorsMuted(const LibraryErrorsMuted&) = delete;
    LibraryErrorsMuted& operator=(const LibraryErrorsMuted&) = delete;

private:
    int m_saved = -1;
};

std::string Encoded(const QImage& image, PictureFormat format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == PictureFormat::Jpeg ? "jpeg" : "png");
    if (format == PictureFormat::Jpeg)
        writer.setQuality(92);
    else
        // The smallest PNG (Qt counts PNG compression from 0 to 100): the bytes end up in every
        // saved file.
        writer.setCompression(100);
    if (!writer.write(image))
        return {};
    return bytes.toStdString();
}

// Keeps no more pixels than print needs at the shown size and encodes them; `image` becomes
// what was encoded. Nothing when the image cannot be encoded.
std::shared_ptr<Picture> Reencoded(QImage& image, TwipSize shown, PictureFormat format) {
    const PixelSize pixels{image.width(), image.height()};
    const PixelSize kept = KeptPixels(pixels, shown);
    if (kept != pixels)
        image =
            image.scaled(kept.width, kept.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    auto picture = std::make_shared<Picture>();
    picture->format = format;
    picture->bytes = Encoded(image, format);
    if (picture->bytes.empty())
        return nullptr;
    picture->widthPixels = image.width();
    picture->heightPixels = image.height();
    picture->widthTwips = shown.width;
    picture->heightTwips = shown.height;
    return picture;
}

} // namespace

LoadedPicture LoadPicture(const std::filesystem::path& path) {
    // The name's bytes as they are: a name that is not UTF-8 still opens its own file.
    const std::string name = path.filename().string();
    // Not kept waiting by a pipe or a device: what it is is known before anything is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw PictureError(PictureUnreadableReason(name, std::strerror(errno)));
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode))
        throw PictureError(PictureUnreadableReason(name, "it is a folder"));
    if (!S_ISREG(status.st_mode))
        throw PictureError(PictureUnreadableReason(name, "it is not an ordinary file"));
    if (file.size() > kLargestPictureFileBytes)
        throw PictureError(PictureFileTooLargeReason(name));
    // A device can claim size 0 and still deliver: read one byte past the limit to tell.
    const QByteArray bytes = file.read(kLargestPictureFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw PictureError(PictureUnreadableReason(name, file.errorString().toStdString()));
    if (bytes.size() > kLargestPictureFileBytes)
        throw PictureError(PictureFileTooLargeReason(name));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer); // no format given: the content decides
    // A photo turned by its camera's note is shown, and embedded, the way up it was taken.
    reader.setAutoTransform(true);
    QByteArray format;
    QImage image;
    PixelSize pixels;
    bool scaled = false;
    {
        const LibraryErrorsMuted muted;
        format = reader.format();
        // Decoded at no more pixels than print needs, so memory stays bounded whatever the
        // photo; Qt's own limit (128 MiB) would refuse an ordinary phone photo outright.
        QImageReader::setAllocationLimit(kDecodeLimitMiB);
        QSize stored = reader.size(); // as stored, before the camera's note turns it
        if (stored.isValid()) {
            if (static_cast<long long>(stored.width()) * stored.height() > kMostPicturePixels)
                throw PictureError(TooManyPixelsReason(name));
            const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
            pixels = turned ? PixelSize{stored.height(), stored.width()}
                            : PixelSize{stored.width(), stored.height()};
            const PixelSize kept = KeptPixels(pixels, ShownSize(pixels));
            if (kept != pixels) {
                reader.setScaledSize(turned ? QSize(kept.height, kept.width)
                                            : QSize(kept.width, kept.height));
                scaled = true;
            }
        }
        image = reader.read();
    }
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        throw PictureError(NotAPictureReason(name));
    if (pixels.width <= 0)
        pixels = PixelSize{image.width(), image.height()};

    const TwipSize shown = ShownSize(pixels);
    const bool jpeg = format == "jpeg" || format == "jpg";
    if (jpeg && !scaled && reader.transformation() == QImageIOHandler::TransformationNone) {
        auto picture = std::make_shared<Picture>();
        picture->format = PictureFormat::Jpeg;
        picture->bytes = bytes.toStdString();
        picture->widthPixels = image.width();
        picture->heightPixels = image.height();
        picture->widthTwips = shown.width;
        picture->heightTwips = shown.height;
        return LoadedPicture{image, std::move(picture)};
    }
    // A turned photo stays a photo: JPEG again, without the note that turned it.
    auto picture = Reencoded(image, shown, jpeg ? PictureFormat::Jpeg : PictureFormat::Png);
    if (!picture)
        throw PictureError(NotAPictureReason(name));
    return LoadedPicture{image, std::move(picture)};
}

std::shared_ptr<const Picture> PictureFromImage(const QImage& image, int shownWidthTwips,
                                                int shownHeightTwips) {
    if (image.isNull())
        return nullptr;
    TwipSize shown{shownWidthTwips, shownHeightTwips};
    if (shown.width <= 0 || shown.height <= 0)
        shown = ShownSize(PixelSize{image.width(), image.height()});
    QImage embedded = image;
    return Reencoded(embedded, shown, PictureFormat::Png);
}

} // namespace abacore
