#include "rtf_picture_reader.h"
#include "worksheet/rtf_writer.h"

#include <gtest/gtest.h>

#include <random>

using namespace abacore;

namespace {

std::shared_ptr<const Picture> MakePicture(std::mt19937& random, PictureFormat format) {
    auto p = std::make_shared<Picture>();
    p->format = format;
    p->bytes.resize(std::uniform_int_distribution<size_t>(0, 300)(random));
    for (char& c : p->bytes)
        c = static_cast<char>(std::uniform_int_distribution(0, 255)(random));
    p->widthPixels = std::uniform_int_distribution(1, 5000)(random);
    p->heightPixels = std::uniform_int_distribution(1, 5000)(random);
    p->widthTwips = std::uniform_int_distribution(1, 10512)(random);
    p->heightTwips = std::uniform_int_distribution(1, 13680)(random);
    return p;
}

// Each paragraph as text, a picture as "#".
std::vector<std::string> Shape(const Document& d) {
    std::vector<std::string> out;
    for (const Paragraph& p : d.paragraphs()) {
        std::string s;
        for (const Run& r : p.runs)
            s += r.picture ? "#" : r.text;
        out.push_back(s);
    }
    return out;
}

} // namespace

TEST(DocumentPicture, GoesInAtTheInsertionPointAndTextFlowsAroundIt) {
    auto picture = std::make_shared<const Picture>();
    Document d;
    d.Insert("heading\nbody");
    d.MoveToStart();
    d.InsertPicture(picture);
    d.Insert("x");
    d.InsertPicture(picture);
    d.InsertPicture(picture); // two pictures side by side stay two
    d.Insert("\n");
    EXPECT_EQ(Shape(d), (std::vector<std::string>{"#x##", "heading", "body"}));
    d.MoveToEnd();
    d.InsertPicture(picture);
    d.Insert("end");
    EXPECT_EQ(Shape(d), (std::vector<std::string>{"#x##", "heading", "body#end"}));
    // Text of one format on both sides of a picture does not merge across it.
    EXPECT_EQ(d.paragraphs()[2].runs.size(), 3u);
    EXPECT_EQ(d.plainText(), "x\nheading\nbodyend");
    d.InsertPicture(nullptr); // nothing to insert
    EXPECT_EQ(Shape(d).back(), "body#end");
}

// The picture group holds the bytes as they were, the kind of image and both sizes; the text
// around it is unchanged. Over random pictures of both kinds.
TEST(DocumentPicture, TheRtfPictureGroupReadsBackToTheSamePicture) {
    std::mt19937 random(99);
    for (int i = 0; i < 200; ++i) {
        Document d;
        d.Insert("before ");
        const auto first = MakePicture(random, PictureFormat::Png);
        const auto second = MakePicture(random, PictureFormat::Jpeg);
        d.InsertPicture(first);
        d.Insert(" after\nline {2}\n");
        d.InsertPicture(second);
        const std::string rtf = RtfText(d);
        const auto pictures = ReadRtfPictures(rtf);
        ASSERT_EQ(pictures.size(), 2u);
        for (size_t k = 0; k < 2; ++k) {
            const Picture& expected = k == 0 ? *first : *second;
            EXPECT_EQ(pictures[k].kind, k == 0 ? "pngblip" : "jpegblip");
            EXPECT_EQ(pictures[k].bytes, expected.bytes);
            EXPECT_EQ(pictures[k].size.at("picw"), expected.widthPixels);
            EXPECT_EQ(pictures[k].size.at("pich"), expected.heightPixels);
            EXPECT_EQ(pictures[k].size.at("picwgoal"), expected.widthTwips);
            EXPECT_EQ(pictures[k].size.at("pichgoal"), expected.heightTwips);
            EXPECT_EQ(pictures[k].paragraph, k == 0 ? 0u : 2u);
        }
        EXPECT_NE(rtf.find("before {\\pict"), std::string::npos);
        EXPECT_NE(rtf.find("} after\\par"), std::string::npos);
        EXPECT_NE(rtf.find("line \\{2\\}\\par"), std::string::npos);
    }
}
