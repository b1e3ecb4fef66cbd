#include "../support/add_text.h"

#include "document/rtf_writer.h"
#include "document/text_writer.h"
#include "rtf_picture_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

using namespace abacore;

static const std::string kPage =
    "\\paperw12240\\paperh15840\\margl864\\margr864\\margt1080\\margb1080\n";

// Only the fonts and colours in use are listed; each paragraph states its alignment, the tabs
// and its whole format; between runs only what changes; the mark carries the format of an
// empty line; blanks keep their width (\dntblnsbdb); a kept paragraph says \keepn, one of
// exact line height \sl with a negative height; no \par after the last paragraph.
TEST(RtfWriter, WholeFile) {
    const std::string tabs = "\\tx0\\tx15\\tx30\\tx45";
    const Document d = SampleSheet("Quiz {1} \\ \xC3\xB7");
    const std::string expected =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
        "{\\fonttbl{\\f0\\fswiss\\fcharset0\\fprq2 Arial;}{\\f1\\fmodern\\fcharset0\\fprq1 Courier "
        "New;}{\\f2\\fmodern\\fcharset255\\fprq1 Terminal;}{\\f3\\fnil\\fcharset0 Odd Font;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\n" +
        kPage + "\\dntblnsbdb\n\\pard\\qc" + tabs +
        "\\f0\\fs36\\b\\i0\\ulnone\\cf1 Quiz \\{1\\} \\\\ \\'f7\\par\n" + "\\pard\\qc" + tabs +
        "\\f0\\fs28\\b0\\i0\\ulnone\\cf1 \\par\n" + "\\pard\\ql\\keepn" + tabs +
        "\\f1\\fs21\\b0\\i\\ulnone\\cf1   1)  35\\ul + 17\\i0\\ulnone \\tab =\\par\n" +
        "\\pard\\ql\\sl-230\\slmult0" + tabs +
        "\\f2\\fs21\\b0\\i0\\ulnone\\cf1 \\u9474\\'b3\\par\n" + "\\pard\\qr" + tabs +
        "\\f3\\fs21\\b0\\i0\\ulnone\\cf2 end}\n";
    EXPECT_EQ(RtfText(d, Paper::Letter), expected);

    EXPECT_EQ(RtfText(Document{}, Paper::Letter),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2 "
              "Times New Roman;}}\n{\\colortbl;\\red0\\green0\\blue0;}\n" +
                  kPage + "\\dntblnsbdb\n\\pard\\ql\\f0\\fs24\\b0\\i0\\ulnone\\cf1 }\n");
}

// The stacked cards' misspelt font: readers that pick a missing font's stand-in by its name alone
// would take a proportional one, so the table names the font they know, fixed-pitch, and keeps
// the sheet's spelling as its alternative.
TEST(RtfWriter, TheCardsMisspeltFontIsNamedAsReadersKnowIt) {
    Document d;
    d.SetFontName("Courrier New");
    d.Insert("  12");
    EXPECT_NE(RtfText(d, Paper::Letter)
                  .find("{\\fonttbl{\\f0\\fmodern\\fcharset0\\fprq1 Courier "
                        "New{\\*\\falt Courrier New};}}"),
              std::string::npos);
}

TEST(RtfWriter, EscapesByFontAndCharacter) {
    // Text fonts in Windows-1252, the OEM font as Unicode with its code page 437 byte.
    const std::array<const char*, 3> cases[] = {
        {"Courier New", "\t 2", "\\tab  2"},
        {"Courier New", "\xE2\x82\xAC", "\\'80"},                   // euro from the 0x80 row
        {"Courier New", "\xE8\xAA\x9E", "\\u-30050?"},              // above 32767: negative
        {"Courier New", "\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"}, // outside the basic plane
        {"Courier New", "\xE2\x82z", "\\u-3?\\u-3?z"},              // one U+FFFD per bad byte
        {"Courier New", "a\rb", "ab"},                              // control character dropped
        {"Terminal", "\xE2\x95\x94", "\\u9556\\'c9"},
        {"Terminal", "\xE2\x82\xAC", "\\u8364?"}, // not in code page 437
        {"Terminal", "\xC2\xA0", "\\u160\\'ff"},  // the no-break space
        // U+00A0 to U+00FF are the bytes A0 to FF of Windows-1252, so every reader shows them.
        {"Times New Roman", "\xC2\xA0", "\\'a0"},
        {"Times New Roman", "\xC3\xBF", "\\'ff"},
    };
    for (const auto& [font, text, escaped] : cases) {
        Document d;
        d.SetFontName(font);
        d.Insert(text);
        const std::string rtf = RtfText(d, Paper::Letter);
        const size_t body = rtf.find("\\cf1 ");
        ASSERT_NE(body, std::string::npos) << escaped;
        EXPECT_EQ(rtf.substr(body + 5, rtf.size() - body - 7), escaped);
    }
}

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

} // namespace

// The picture group holds the bytes as they were, the kind of image and both sizes, in the
// paragraph it was inserted into. Over random pictures of both kinds.
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
        const std::string rtf = RtfText(d, Paper::Letter);
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
    }
}

// The text form leaves out the control characters typed into a text, as the rich text does: a
// form feed in a heading would start a page of its own, an escape drive the terminal. The tab,
// the line ends and the page breaks of the document itself stay.
TEST(TextWriter, LeavesOutTypedControlsAndKeepsTheDocumentsPageBreaks) {
    Document version;
    version.Insert("Week\f3\x1B[2J\r\xC2\x9B\x7F\n\t1)");
    Document set;
    set.AppendOnNewPage(version);
    set.AppendOnNewPage(version);
    EXPECT_EQ(PlainTextBytes(set), "Week3[2J\n\t1)\n\fWeek3[2J\n\t1)");
}
