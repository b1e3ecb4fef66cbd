// `make ... --picture FILE`, run through the real executable.
#include "../worksheet/rtf_picture_reader.h"
#include "clipart/picture_messages.h"
#include "file_bytes.h"
#include "run_make.h"
#include "test_pictures.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

// The pattern as PNG bytes.
QByteArray PatternPng() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PatternImage(8, 8).save(&buffer, "PNG");
    return bytes;
}

// A PNG with a colour profile the PNG library warns about (too short) and shows all the same:
// an iCCP chunk put in after the signature and the header chunk.
QByteArray ProfiledPng() {
    QByteArray png = PatternPng();
    return png.insert(8 + 25, QByteArray::fromHex("00000011694343506963630000789c6360181e"
                                                  "000000c80001ce41d97e"));
}

} // namespace

TEST(MakePicture, ThePictureHeadsTheWorksheetBelowTheHeadingInEveryFormat) {
    QTemporaryDir dir;
    WritePicture(dir.filePath("owl.jpg"), 96, 72, "jpeg");
    const QStringList common{"skills", "--seed", "3", "--picture", dir.filePath("owl.jpg")};
    ASSERT_EQ(RunMake(common + QStringList{"-o", dir.filePath("w.rtf"), "--answer-key",
                                           dir.filePath("k.rtf")})
                  .exitCode,
              0);
    const std::string rtf = ReadBytes(dir.filePath("w.rtf")).toStdString();
    const auto pictures = ReadRtfPictures(rtf);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].kind, "jpegblip");
    EXPECT_EQ(QByteArray::fromStdString(pictures[0].bytes), ReadBytes(dir.filePath("owl.jpg")));
    EXPECT_EQ(pictures[0].paragraph, 1u);
    EXPECT_EQ(pictures[0].size.at("picwgoal"), 96 * 15);
    EXPECT_NE(rtf.find("\\pard\\qc"), std::string::npos);
    EXPECT_TRUE(ReadRtfPictures(ReadBytes(dir.filePath("k.rtf")).toStdString()).empty());

    // The text form holds the characters only: the picture leaves an empty line.
    ASSERT_EQ(RunMake(common + QStringList{"-o", dir.filePath("w.txt")}).exitCode, 0);
    EXPECT_TRUE(ReadBytes(dir.filePath("w.txt")).startsWith("Addition Practice Worksheet\n\n"));

    ASSERT_EQ(RunMake(common + QStringList{"-o", dir.filePath("w.pdf")}).exitCode, 0);
    // Only our words on the terminal: the library's note on the profile is not for the user.
    WriteBytes(dir.filePath("profiled.png"), ProfiledPng());
    const MakeResult profiled =
        RunMake({"skills", "--picture", dir.filePath("profiled.png"), "-o", dir.filePath("p.pdf")});
    EXPECT_EQ(profiled.exitCode, 0);
    EXPECT_EQ(profiled.err, "");
    if (QStandardPaths::findExecutable("pdfimages").isEmpty())
        GTEST_SKIP() << "pdfimages is not installed";
    const auto images = PdfImages(dir.filePath("w.pdf"));
    ASSERT_EQ(images.size(), 1u);
    EXPECT_NEAR(images[0].widthInches(), 1.0, 0.02);
    EXPECT_NEAR(images[0].heightInches(), 0.75, 0.02);
}

TEST(MakePicture, ABadPictureIsRefusedBeforeAnythingIsWritten) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("notes.bmp"), "not a picture\n");
    WriteBytes(dir.filePath("w.rtf"), "earlier");
    const std::pair<QString, std::string> cases[] = {
        {dir.filePath("notes.bmp"), NotAPictureReason("notes.bmp")},
        {dir.filePath("gone.bmp"),
         PictureUnreadableReason("gone.bmp", "No such file or directory")},
    };
    for (const auto& [picture, reason] : cases) {
        const MakeResult r = RunMake({"skills", "--picture", picture, "-o", dir.filePath("w.rtf"),
                                      "--answer-key", dir.filePath("k.rtf")});
        EXPECT_EQ(r.exitCode, 2) << reason;
        EXPECT_TRUE(r.err.startsWith("abacore-drill: Error: " + QString::fromStdString(reason)))
            << r.err.toStdString();
        EXPECT_TRUE(
            r.err.contains(QString::fromUtf8(kPictureErrorText.data(), kPictureErrorText.size())));
        EXPECT_EQ(ReadBytes(dir.filePath("w.rtf")), "earlier");
        EXPECT_FALSE(QFile::exists(dir.filePath("k.rtf")));
    }
}

// The crossword's PDF pages show the picture behind the grid, the puzzle and its key alike; a
// form that cannot hold it, or a file that is no picture, is refused before anything is written.
TEST(MakePicture, TheCrosswordPictureIsBehindThePdfGridAndOtherFormsAreRefused) {
    QTemporaryDir dir;
    QImage teal(60, 40, QImage::Format_RGB32);
    teal.fill(QColor(0, 128, 128));
    ASSERT_TRUE(teal.save(dir.filePath("teal.bmp")));
    const QStringList picture{"crossword", "--seed", "4", "--picture", dir.filePath("teal.bmp")};
    ASSERT_EQ(RunMake(picture + QStringList{"-o", dir.filePath("p.pdf"), "--answer-key",
                                            dir.filePath("k.pdf")})
                  .exitCode,
              0);
    ASSERT_EQ(RunMake({"crossword", "--seed", "4", "-o", dir.filePath("plain.pdf")}).exitCode, 0);
    if (!QStandardPaths::findExecutable("pdftoppm").isEmpty()) {
        EXPECT_GT(ShareNear(PdfPageImage(dir.filePath("p.pdf")), QColor(0, 128, 128)), 0.1);
        EXPECT_GT(ShareNear(PdfPageImage(dir.filePath("k.pdf")), QColor(0, 128, 128)), 0.1);
        EXPECT_EQ(ShareNear(PdfPageImage(dir.filePath("plain.pdf")), QColor(0, 128, 128)), 0);
    }

    WriteBytes(dir.filePath("notes.bmp"), "not a picture\n");
    const struct {
        QStringList args;
        QString message;
    } refused[] = {
        {picture + QStringList{"-o", dir.filePath("r.ipuz")}, "is an .ipuz file"},
        {picture + QStringList{"-o", dir.filePath("r.txt"), "--answer-key", dir.filePath("rk.pdf")},
         "is a .txt file"},
        {{"crossword", "--picture", dir.filePath("notes.bmp"), "-o", dir.filePath("r.pdf")},
         "Error: " + QString::fromStdString(NotAPictureReason("notes.bmp"))},
    };
    for (const auto& c : refused) {
        const MakeResult r = RunMake(c.args);
        EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
    const QStringList written = QDir(dir.path()).entryList({"r*"}, QDir::Files);
    EXPECT_TRUE(written.isEmpty()) << written.join(' ').toStdString();
}
