// `make ... --picture FILE`, run through the real executable.
#include "../worksheet/rtf_picture_reader.h"
#include "clipart/picture_messages.h"
#include "file_bytes.h"
#include "run_make.h"
#include "test_pictures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace abacore;

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
        {dir.path(),
         PictureUnreadableReason(QDir(dir.path()).dirName().toStdString(), "it is a folder")},
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
    EXPECT_TRUE(HelpText().contains("--picture FILE"));
}
