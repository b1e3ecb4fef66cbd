// A word processor reads the saved pictures back at the size they were given.
#include "file_bytes.h"
#include "test_pictures.h"
#include "ui/picture_loader.h"
#include "worksheet/rtf_writer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace abacore;

TEST(RtfPictureReader, LibreOfficeShowsEachPictureAtItsSize) {
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty() || QStandardPaths::findExecutable("pdfimages").isEmpty())
        GTEST_SKIP() << "LibreOffice or pdfimages is not installed";
    QTemporaryDir dir;
    WritePicture(dir.filePath("photo.jpg"), 288, 144, "jpeg"); // 3 x 1.5 inches on screen
    WritePicture(dir.filePath("wide.bmp"), 1500, 300, "bmp");  // fitted to 7.3 inches
    // Shown smaller than its pixels say: the reader must take the size it is given.
    auto photo = std::make_shared<Picture>(*LoadPicture(dir.filePath("photo.jpg")).picture);
    photo->widthTwips = 2 * 1440;
    photo->heightTwips = 1440;
    Document d;
    d.Insert("Heading\n");
    d.InsertPicture(photo);
    d.Insert("\nbetween ");
    d.InsertPicture(LoadPicture(dir.filePath("wide.bmp")).picture);
    d.Insert(" end");
    ASSERT_TRUE(WriteBytes(dir.filePath("sheet.rtf"), QByteArray::fromStdString(RtfText(d))));

    QProcess convert;
    convert.setWorkingDirectory(dir.path());
    convert.start(office, {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless",
                           "--convert-to", "pdf", "--outdir", dir.path(), "sheet.rtf"});
    ASSERT_TRUE(convert.waitForFinished(180000));
    const auto images = PdfImages(dir.filePath("sheet.pdf"));
    ASSERT_EQ(images.size(), 2u);
    EXPECT_NEAR(images[0].widthInches(), 2.0, 0.05);
    EXPECT_NEAR(images[0].heightInches(), 1.0, 0.05);
    EXPECT_NEAR(images[1].widthInches(), 7.3, 0.05);
    EXPECT_NEAR(images[1].heightInches(), 1.46, 0.05);
    EXPECT_TRUE(PdfText(dir.filePath("sheet.pdf")).contains("between"));
}
