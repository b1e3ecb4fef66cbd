#include "add_text.h"
#include "document/rtf_writer.h"
#include "test_pictures.h"
#include "ui/document_bridge.h"
#include "ui/picture_loader.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using namespace abacore;

namespace {

std::shared_ptr<const Picture> PngPicture(int width, int height, int widthTwips, int heightTwips) {
    return PictureFromImage(PatternImage(width, height), widthTwips, heightTwips);
}

// The images of a document, in order, with their format.
std::vector<QTextImageFormat> Images(const QTextDocument& d) {
    std::vector<QTextImageFormat> out;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                for (int i = 0; i < it.fragment().length(); ++i)
                    out.push_back(it.fragment().charFormat().toImageFormat());
    return out;
}

std::vector<std::shared_ptr<const Picture>> Pictures(const Document& d) {
    std::vector<std::shared_ptr<const Picture>> out;
    for (const Paragraph& p : d.paragraphs())
        for (const Run& r : p.runs)
            if (r.picture)
                out.push_back(r.picture);
    return out;
}

double Dpi() {
    return std::round(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
}

} // namespace

// Model -> editor -> model keeps each picture (its very bytes), its place among the text and its
// size; so does the copy that printing lays out.
TEST(DocumentBridgePicture, PicturesSurviveTheRoundTripAndTheCopyThatIsPrinted) {
    const auto small = PngPicture(30, 20, 900, 600);
    const auto large = PngPicture(200, 100, 10512, 5256);
    Document d;
    Add(d, "Times New Roman", 18, "b", "Heading\n", Alignment::Centre);
    d.InsertPicture(small);
    Add(d, "Courier New", 11, "", " 1)  2 + 3=\n");
    d.InsertPicture(large);
    d.InsertPicture(small);
    d.Insert("end");
    // A photo stays JPEG, byte for byte, at a size other than its pixels'.
    QTemporaryDir dir;
    WritePicture(dir.filePath("photo.jpg"), 50, 40, "jpeg");
    auto photo =
        std::make_shared<Picture>(*LoadPicture(dir.filePath("photo.jpg").toStdString()).picture);
    photo->widthTwips = 1000;
    d.InsertPicture(photo);

    QTextDocument q;
    FillTextDocument(d, q, Paper::Letter);
    const auto images = Images(q);
    ASSERT_EQ(images.size(), 4u);
    EXPECT_NEAR(images[0].width(), 900 * Dpi() / 1440, 1e-9);
    EXPECT_NEAR(images[1].height(), 5256 * Dpi() / 1440, 1e-9);
    EXPECT_EQ(images[0].name(), images[2].name()); // one picture, one image
    const QImage shown =
        q.resource(QTextDocument::ImageResource, QUrl(images[1].name())).value<QImage>();
    EXPECT_TRUE(SamePixels(shown, PatternImage(200, 100)));
    EXPECT_FALSE(ExactModel(q).has_value()) << "pictures are laid out by Qt's document layout";

    // The RTF holds each picture's format, bytes, sizes and place among the runs.
    const std::unique_ptr<QTextDocument> printed(q.clone());
    for (const QTextDocument* source : {&q, printed.get()})
        EXPECT_EQ(RtfText(ReadTextDocument(*source), Paper::Letter), RtfText(d, Paper::Letter));
}

// An image pasted from elsewhere has no file of its own: it comes back as PNG of the image, at
// the size it is shown at, or at its own size when none is set.
TEST(DocumentBridgePicture, APastedImageComesBackAsPng) {
    QTextDocument q;
    const QImage image = PatternImage(40, 25);
    q.addResource(QTextDocument::ImageResource, QUrl("dropped_image"), image);
    QTextCursor cursor(&q);
    cursor.insertText("a");
    QTextImageFormat format;
    format.setName("dropped_image");
    cursor.insertImage(format);
    format.setWidth(20 * Dpi() / 96);
    cursor.insertImage(format); // only the width: the height keeps the shape
    cursor.insertText("b");
    const auto pictures = Pictures(ReadTextDocument(q));
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0]->format, PictureFormat::Png);
    EXPECT_TRUE(SamePixels(QImage::fromData(QByteArray::fromStdString(pictures[0]->bytes)), image));
    EXPECT_EQ(std::tuple(pictures[0]->widthTwips, pictures[0]->heightTwips, pictures[1]->widthTwips,
                         pictures[1]->heightTwips),
              std::tuple(600, 375, 300, 188));
}
