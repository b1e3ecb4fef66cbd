#include "worksheet/worksheet_builder.h"

#include "ranges_request.h"
#include "worksheet/generation_error.h"
#include "worksheet/random_source.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace abacore;

static WorksheetRequest AdditionSheet(int16_t count, Activity activity = Activity::SkillsPractice) {
    WorksheetRequest r = RangesRequest(Skill::Addition, 11, 12, 2, 3, false, 2, count); // 12 + 3
    r.ActivityType = activity;
    r.Heading = "Adding Up";
    return r;
}

// Each paragraph as "alignment font size [b] [i]|text" in the format of its first run or mark,
// trailing blanks cut off.
static std::vector<std::string> Shape(const Document& d) {
    std::vector<std::string> out;
    for (const Paragraph& p : d.paragraphs()) {
        const CharFormat& f = p.runs.empty() ? p.endFormat : p.runs[0].format;
        std::ostringstream s;
        s << "LCR"[static_cast<int>(p.alignment)] << ' ' << f.fontName << ' ' << f.fontSize
          << (f.bold ? " b" : "") << (f.italic ? " i" : "") << '|';
        for (const auto& r : p.runs)
            s << r.text;
        out.push_back(s.str().substr(0, s.str().find_last_not_of(' ') + 1));
    }
    return out;
}

TEST(WorksheetBuilder, SkillsFlashCardAndRiddleSheetsWithTheirAnswerKeys) {
    WorksheetRequest r = AdditionSheet(2);
    RandomSource random(1);
    const WorksheetDocuments docs = BuildWorksheet(r, random);
    const std::string t = "C Times New Roman ", row = "L Courier New 11 b|";
    EXPECT_EQ(Shape(docs.worksheet),
              (std::vector<std::string>{
                  t + "18 b|Adding Up", t + "14|",
                  t + "14|Name_____________________________     Date_______________", t + "10 b i|",
                  t + "10 b i|Directions: Practice your addition skills by solving the problems "
                      "below.",
                  t + "10 b i|", row, row + "     1) 12 + 3 =           2) 12 + 3 =", row, row, row,
                  row, row}));
    // The entries start with their own line break, in the paragraph left-aligned before them.
    const std::string key = "L Times New Roman 12 b|";
    EXPECT_EQ(Shape(docs.answerKey),
              (std::vector<std::string>{t + "12 b|Adding Up", t + "12 b|Answer Key", t + "12 b|",
                                        key, key + " 1)   15", key + " 2)   15"}));

    WorksheetRequest flash = AdditionSheet(1, Activity::FlashCards);
    const WorksheetDocuments cards = BuildWorksheet(flash, random);
    EXPECT_EQ(cards.worksheet.plainText(), "Adding Up\n"); // no Name/Date, directions or key
    EXPECT_TRUE(cards.answerKey.isEmpty());
    WorksheetRequest riddle = AdditionSheet(1, Activity::SecretRiddle);
    riddle.RiddleQuestion = "What has hands but cannot clap?";
    const WorksheetDocuments riddleDocs = BuildWorksheet(riddle, random);
    ASSERT_GT(riddleDocs.worksheet.paragraphs().size(), 7u);
    EXPECT_EQ(Shape(riddleDocs.worksheet)[6],
              "C Times New Roman 14 b i|Riddle: What has hands but cannot clap?");
    EXPECT_EQ(riddleDocs.answerKey.plainText(), "Adding Up\nAnswer Key\n\n");
}

TEST(WorksheetBuilder, ImpossibleRangesThrowBeforeAnythingIsMade) {
    WorksheetRequest r = RangesRequest(Skill::Mixed, 0, 5, 10, 20, false, 2, 32767);
    r.SkillChecked = {false, true, true, false, false};
    RandomSource random(1);
    EXPECT_THROW(BuildWorksheet(r, random), GenerationError);
    EXPECT_EQ(r.SkillMode, Skill::Mixed); // no problem was made
}
