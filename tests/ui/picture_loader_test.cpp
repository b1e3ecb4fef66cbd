#include "clipart/picture_messages.h"
#include "failure_text.h"
#include "file_bytes.h"
#include "test_pictures.h"
#include "ui/picture_loader.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

std::string ReasonFor(const QString& path) {
    return FailureText<PictureError>([&] { LoadPicture(path.toStdString()); });
}

} // namespace

// Every type but JPEG (kept byte for byte: make_picture_test) becomes PNG with the same pixels,
// shown at 15 twips a pixel.
TEST(PictureLoader, TurnsOtherTypesThanJpegIntoPngWithTheSamePixels) {
    QTemporaryDir dir;
    for (const char* type : {"bmp", "png", "ico"}) {
        // A bitmap named as if it were a JPEG: the content decides, not the name.
        const QString path = dir.filePath(QString("picture-%1.jpg").arg(type));
        WritePicture(path, 40, 30, type);
        const LoadedPicture loaded = LoadPicture(path.toStdString());
        const Picture& p = *loaded.picture;
        EXPECT_EQ(p.format, PictureFormat::Png) << type;
        const QImage decoded = QImage::fromData(QByteArray::fromStdString(p.bytes), "png");
        EXPECT_TRUE(SamePixels(decoded, QImage(path))) << type;
        EXPECT_EQ(std::tuple(p.widthPixels, p.heightPixels, p.widthTwips, p.heightTwips),
                  std::tuple(40, 30, 600, 450))
            << type;
    }
}

// A picture wider than the page is shown at the page's width (A4's 7.07 inches, which fits
// Letter too), and its bytes keep no more than 300 pixels to the inch of it; the sizes
// themselves are the picture size rules'.
// A phone's photo, past Qt's own decoding limit, is read at those pixels too; a picture of more
// than 100 megapixels is refused by its header.
TEST(PictureLoader, AVeryLargePictureIsFittedToThePageWidth) {
    QTemporaryDir dir;
    WritePicture(dir.filePath("wide.bmp"), 4000, 1000, "bmp");
    QImage photo(8000, 6000, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(dir.filePath("photo.jpg"), "jpeg"));
    for (const auto& [name, size] :
         {std::pair{"wide.bmp", QSize(2120, 530)}, std::pair{"photo.jpg", QSize(2120, 1590)}}) {
        const LoadedPicture loaded = LoadPicture(dir.filePath(name).toStdString());
        const QImage decoded = QImage::fromData(QByteArray::fromStdString(loaded.picture->bytes));
        EXPECT_TRUE(decoded.size() == size && loaded.image.size() == size &&
                    QSize(loaded.picture->widthPixels, loaded.picture->heightPixels) == size)
            << name;
    }
    QImage huge(10001, 10000, QImage::Format_Mono);
    huge.fill(1);
    ASSERT_TRUE(huge.save(dir.filePath("huge.png"), "png"));
    EXPECT_EQ(ReasonFor(dir.filePath("huge.png")), TooManyPixelsReason("huge.png"));
}

// A text file and a missing one: make_picture_test.
TEST(PictureLoader, RefusesWhatIsNotAReadablePictureNamingTheFileAndTheReason) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("empty.bmp"), ""));
    EXPECT_EQ(ReasonFor(dir.filePath("empty.bmp")), NotAPictureReason("empty.bmp"));

    QDir(dir.path()).mkdir("folder.bmp");
    EXPECT_EQ(ReasonFor(dir.filePath("folder.bmp")),
              PictureUnreadableReason("folder.bmp", "it is a folder"));
    EXPECT_EQ(ReasonFor("/dev/zero"),
              PictureUnreadableReason("zero", "it is not an ordinary file"));
}
