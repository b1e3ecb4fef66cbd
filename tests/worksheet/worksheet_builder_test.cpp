#include "worksheet/worksheet_builder.h"

#include "worksheet/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

WorksheetRequest additionSheet() {
    WorksheetRequest r;
    r.ActivityType = Activity::SkillsPractice;
    r.SkillMode = Skill::Addition;
    r.SkillChecked[1] = true;
    r.FirstMin = 11;
    r.FirstMax = 12;
    r.SecondMin = 2;
    r.SecondMax = 3; // always 12 + 3
    r.ProblemStyle = 2;
    r.ProblemCount = 1;
    r.Heading = "Adding Up";
    return r;
}

std::string textOf(const Paragraph& p) {
    std::string s;
    for (const Run& run : p.runs)
        s += run.text;
    return s;
}

CharFormat format(const char* font, double size, bool bold = false, bool italic = false) {
    CharFormat f;
    f.fontName = font;
    f.fontSize = size;
    f.bold = bold;
    f.italic = italic;
    return f;
}

const std::string kNameDate = "Name_____________________________     Date_______________";

} // namespace

TEST(WorksheetBuilder, SkillsSheetHasHeadingNameDateDirectionsAndProblems) {
    WorksheetRequest r = additionSheet();
    RandomSource random(1);
    const WorksheetDocuments docs = BuildWorksheet(r, random);
    const std::string blank(75, ' ');
    std::string problem = "     1) 12 + 3 =";
    problem.resize(75, ' ');
    EXPECT_EQ(docs.worksheet.plainText(),
              "Adding Up\n\n" + kNameDate +
                  "\n\nDirections: Practice your addition skills by solving the problems "
                  "below.\n\n" +
                  blank + "\n" + problem + "\n" + blank + "\n" + blank + "\n" + blank + "\n" +
                  blank + "\n");
    EXPECT_EQ(docs.worksheet.tabStops(), (std::vector<int>{0, 15, 30, 45}));

    const auto& paragraphs = docs.worksheet.paragraphs();
    EXPECT_EQ(paragraphs[0].runs[0].format, format("Times New Roman", 18, true));
    EXPECT_EQ(textOf(paragraphs[2]), kNameDate);
    EXPECT_EQ(paragraphs[2].runs[0].format, format("Times New Roman", 14));
    EXPECT_EQ(paragraphs[4].runs[0].format, format("Times New Roman", 10, true, true));
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(paragraphs[i].alignment, Alignment::Centre) << i;
    // The problems: bold, fixed pitch, left-aligned.
    EXPECT_EQ(textOf(paragraphs[7]), problem);
    EXPECT_EQ(paragraphs[7].runs[0].format, format("Courier New", 11, true));
    EXPECT_EQ(paragraphs[7].alignment, Alignment::Left);
}

TEST(WorksheetBuilder, AnswerKeyFrameAndEntries) {
    WorksheetRequest r = additionSheet();
    r.ProblemCount = 2;
    RandomSource random(1);
    const WorksheetDocuments docs = BuildWorksheet(r, random);
    EXPECT_EQ(docs.answerKey.plainText(), "Adding Up\nAnswer Key\n\n\n 1)   15\n 2)   15");
    const auto& paragraphs = docs.answerKey.paragraphs();
    EXPECT_EQ(paragraphs[1].alignment, Alignment::Centre);
    EXPECT_EQ(paragraphs[1].runs[0].format, format("Times New Roman", 12, true));
    // The entries start with their own line break, in the paragraph left-aligned before them.
    EXPECT_EQ(paragraphs[3].alignment, Alignment::Left);
    EXPECT_EQ(paragraphs[4].alignment, Alignment::Left);
    EXPECT_EQ(paragraphs[4].runs[0].format, format("Times New Roman", 12, true));
}

TEST(WorksheetBuilder, FlashCardsHaveNoNameDateDirectionsOrKey) {
    WorksheetRequest r = additionSheet();
    r.ActivityType = Activity::FlashCards;
    RandomSource random(1);
    const WorksheetDocuments docs = BuildWorksheet(r, random);
    EXPECT_EQ(docs.worksheet.plainText(), "Adding Up\n");
    EXPECT_TRUE(docs.answerKey.isEmpty());
}

TEST(WorksheetBuilder, RiddleDirectionsEndWithTheRiddleInLargerItalics) {
    WorksheetRequest r = additionSheet();
    r.ActivityType = Activity::SecretRiddle;
    r.RiddleQuestion = "What has hands but cannot clap?";
    RandomSource random(1);
    const WorksheetDocuments docs = BuildWorksheet(r, random);
    const auto& paragraphs = docs.worksheet.paragraphs();
    ASSERT_GT(paragraphs.size(), 7u);
    EXPECT_EQ(textOf(paragraphs[6]), "Riddle: What has hands but cannot clap?");
    EXPECT_EQ(paragraphs[6].runs[0].format.fontSize, 14);
    EXPECT_TRUE(paragraphs[6].runs[0].format.italic);
    EXPECT_EQ(paragraphs[6].alignment, Alignment::Centre);
    EXPECT_EQ(docs.answerKey.plainText(), "Adding Up\nAnswer Key\n\n");
}

TEST(WorksheetBuilder, ImpossibleRangesThrowBeforeAnythingIsMade) {
    WorksheetRequest r = additionSheet();
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    r.SkillChecked[2] = true;
    r.FirstMin = 0;
    r.FirstMax = 5;
    r.SecondMin = 10;
    r.SecondMax = 20;
    r.ProblemCount = 32767;
    RandomSource random(1);
    EXPECT_THROW(BuildWorksheet(r, random), GenerationError);
    EXPECT_EQ(r.SkillMode, Skill::Mixed); // no problem was made
}

TEST(WorksheetBuilder, ExactDivisionOverTheWidestRangesIsMade) {
    WorksheetRequest r = additionSheet();
    r.SkillMode = Skill::Division;
    r.FirstMin = 0;
    r.FirstMax = 32767;
    r.SecondMin = 0;
    r.SecondMax = 32767;
    r.ProblemCount = 200;
    RandomSource random(3);
    const WorksheetDocuments docs = BuildWorksheet(r, random);
    const std::string key = docs.answerKey.plainText();
    EXPECT_NE(key.find("\n 200) "), std::string::npos);
    EXPECT_EQ(key.find("Remainder"), std::string::npos);
}

TEST(WorksheetBuilder, AFixedSeedGivesTheSameSheetTwice) {
    WorksheetRequest r = additionSheet();
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    r.SkillChecked = {false, true, true, true, true};
    r.AllowRemainders = true;
    r.FirstMin = 0;
    r.FirstMax = 500;
    r.SecondMin = 0;
    r.SecondMax = 30;
    r.ProblemStyle = 7;
    r.ProblemCount = 40;
    WorksheetRequest copy = r;
    RandomSource one(77);
    RandomSource two(77);
    const WorksheetDocuments a = BuildWorksheet(r, one);
    const WorksheetDocuments b = BuildWorksheet(copy, two);
    EXPECT_EQ(a.worksheet.plainText(), b.worksheet.plainText());
    EXPECT_EQ(a.answerKey.plainText(), b.answerKey.plainText());
    EXPECT_EQ(r.SkillMode, copy.SkillMode);
    RandomSource other(78);
    EXPECT_NE(BuildWorksheet(copy, other).answerKey.plainText(), a.answerKey.plainText());
}
