#include "worksheet/document.h"

#include <gtest/gtest.h>

namespace {

std::string paragraphText(const Paragraph& p) {
    std::string s;
    for (const Run& r : p.runs)
        s += r.text;
    return s;
}

} // namespace

TEST(Document, LineFeedsSplitParagraphsThatKeepTheAlignment) {
    Document d;
    d.SetAlignment(Alignment::Centre);
    d.Insert("Heading\n");
    d.Insert("\nName\n");
    ASSERT_EQ(d.paragraphs().size(), 4u);
    EXPECT_EQ(paragraphText(d.paragraphs()[0]), "Heading");
    EXPECT_EQ(paragraphText(d.paragraphs()[1]), "");
    EXPECT_EQ(paragraphText(d.paragraphs()[2]), "Name");
    for (const Paragraph& p : d.paragraphs())
        EXPECT_EQ(p.alignment, Alignment::Centre);
    d.SetAlignment(Alignment::Left);
    EXPECT_EQ(d.paragraphs()[2].alignment, Alignment::Centre);
    EXPECT_EQ(d.paragraphs()[3].alignment, Alignment::Left);
    EXPECT_EQ(d.plainText(), "Heading\n\nName\n");
}

TEST(Document, FormatChangesMakeNewRunsAndEqualFormatsMerge) {
    Document d;
    d.SetBold(true);
    d.Insert("ab");
    d.Insert("cd");
    d.SetUnderline(true);
    d.Insert("e");
    d.SetUnderline(false);
    d.SetColor({255, 0, 0});
    d.Insert("f");
    const auto& runs = d.paragraphs()[0].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "abcd");
    EXPECT_TRUE(runs[0].format.bold);
    EXPECT_TRUE(runs[1].format.underline);
    EXPECT_EQ(runs[2].format.color, (Rgb{255, 0, 0}));
}

TEST(Document, InsertAtStartGoesBeforeEverything) {
    Document d;
    d.Insert("world\nsecond");
    d.MoveToStart();
    d.SetItalic(true);
    d.Insert("hello\n");
    EXPECT_EQ(d.plainText(), "hello\nworld\nsecond");
    EXPECT_TRUE(d.paragraphs()[0].runs[0].format.italic);
    EXPECT_FALSE(d.paragraphs()[1].runs[0].format.italic);
    d.MoveToEnd();
    d.Insert("!");
    EXPECT_EQ(d.plainText(), "hello\nworld\nsecond!");
}

TEST(Document, ClearEmptiesButKeepsTheCurrentFormat) {
    Document d;
    d.SetFontName("Courier New");
    d.Insert("x\ny");
    d.Clear();
    EXPECT_TRUE(d.isEmpty());
    EXPECT_EQ(d.plainText(), "");
    EXPECT_EQ(d.currentFormat().fontName, "Courier New");
}

TEST(Document, EmptyLinesTakeTheFormatInForceWhenTheyEnd) {
    Document d;
    d.SetFontSize(18);
    d.Insert("Title\n");
    d.SetFontSize(10);
    d.Insert("\n");
    EXPECT_EQ(d.paragraphs()[0].endFormat.fontSize, 18);
    EXPECT_EQ(d.paragraphs()[1].endFormat.fontSize, 10);
}
