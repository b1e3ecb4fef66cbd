#include "worksheet/worksheet_builder.h"

#include "../support/failure_text.h"
#include "ranges_request.h"
#include "temp_folder.h"
#include "worksheet/activity_table.h"
#include "worksheet/generation_error.h"
#include "worksheet/math_squares.h"
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

TEST(WorksheetBuilder, SkillsAndRiddleSheetsWithTheirAnswerKeys) {
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

    // A punch line without letters: no problems, an empty key.
    WorksheetRequest riddle = AdditionSheet(1, Activity::SecretRiddle);
    riddle.RiddleQuestion = "What has hands but cannot clap?";
    const WorksheetDocuments riddleDocs = BuildWorksheet(riddle, random);
    ASSERT_GT(riddleDocs.worksheet.paragraphs().size(), 7u);
    EXPECT_EQ(Shape(riddleDocs.worksheet)[6],
              "C Times New Roman 14 b i|Riddle: What has hands but cannot clap?");
    EXPECT_EQ(riddleDocs.answerKey.plainText(), "Adding Up\nAnswer Key\n\n");
}

namespace {

// A small sheet of the activity as its screens leave the request: addition, default ranges.
WorksheetRequest SheetOf(const ActivityRow& row) {
    WorksheetRequest r = RangesRequest(Skill::Addition, 0, 100, 0, 100, false, 2, 6);
    r.ActivityType = row.activity;
    r.Heading = "Sheet " + std::string(row.batchName);
    r.RiddleQuestion = "What has hands but cannot clap?";
    r.PunchLine = "A clock!";
    r.ProgramFolder = ABACORE_SOURCE_DIR "/data";
    return r;
}

std::string BuildMessage(WorksheetRequest& r) {
    RandomSource random(1);
    return FailureText<GenerationError>([&] { BuildWorksheet(r, random); });
}

} // namespace

// Every activity of the table builds from a request alone: its directions, problems in the
// fonts it needs, and an answer key exactly when it has one.
TEST(WorksheetBuilder, EverySheetOfTheTableBuildsWithItsFontsAndAnswerKey) {
    int built = 0;
    for (const ActivityRow& row : Activities()) {
        if (!row.generator)
            continue;
        ++built;
        for (uint64_t seed : {1, 2, 3}) {
            WorksheetRequest r = SheetOf(row);
            RandomSource random(seed);
            const WorksheetDocuments docs = BuildWorksheet(r, random);
            const std::string sheet = docs.worksheet.plainText();
            const std::string key = docs.answerKey.plainText();
            SCOPED_TRACE(std::string(row.batchName));
            EXPECT_EQ(sheet.rfind(r.Heading + "\n", 0), 0u);
            EXPECT_EQ(sheet.find("Directions:") != std::string::npos, row.hasAnswerKey);
            EXPECT_EQ(sheet.find("Riddle: What has hands") != std::string::npos,
                      row.activity == Activity::SecretRiddle);
            if (row.hasAnswerKey) {
                EXPECT_EQ(key.rfind(r.Heading + "\nAnswer Key\n\n", 0), 0u);
                EXPECT_GT(key.size(), r.Heading.size() + 14); // and answers under it
            } else {
                EXPECT_TRUE(docs.answerKey.isEmpty());
            }

            // The last line: the squares upright in "Terminal", the cards in 50 points, the
            // riddle's punch line in 6, the others bold in 11.
            const Paragraph* last = nullptr;
            for (const Paragraph& p : docs.worksheet.paragraphs())
                for (const abacore::Run& run : p.runs)
                    if (run.text.find_first_not_of(' ') != std::string::npos)
                        last = &p;
            ASSERT_NE(last, nullptr);
            const CharFormat& f = last->runs.back().format;
            EXPECT_EQ(f.bold, row.activity != Activity::MathSquares);
            const double size = row.activity == Activity::FlashCards     ? 50
                                : row.activity == Activity::SecretRiddle ? 6
                                                                         : 11;
            EXPECT_EQ(f.fontSize, size);
            if (row.activity == Activity::MathSquares) {
                EXPECT_EQ(f.fontName, "Terminal");
            }
            // Only the squares' lines have an exact height, so their box lines touch.
            const auto& paragraphs = docs.worksheet.paragraphs();
            for (const Paragraph& p : paragraphs) {
                std::string text;
                for (const abacore::Run& run : p.runs)
                    text += run.text;
                const bool boxLine = text.find("\u2502") != std::string::npos;
                if (row.activity == Activity::MathSquares && boxLine) {
                    EXPECT_EQ(p.lineHeight, kSquaresLineHeight) << text;
                } else if (row.activity != Activity::MathSquares) {
                    EXPECT_EQ(p.lineHeight, 0) << text;
                }
            }
            EXPECT_EQ(paragraphs.front().lineHeight, 0);
            EXPECT_EQ(paragraphs.back().lineHeight, 0);
        }
    }
    EXPECT_EQ(built, 6);
}

// A sheet the request cannot make is refused before any problem is made: the skill, the count
// and the riddle's count stay as they were.
TEST(WorksheetBuilder, EachActivityRefusesWhatItCannotMakeBeforeMakingAnything) {
    struct Case {
        Activity activity;
        void (*spoil)(WorksheetRequest&);
        const char* message;
    };
    const Case cases[] = {
        {Activity::SecretRiddle,
         [](WorksheetRequest& r) {
             r.FirstMax = 1; // 1 + 1 only
             r.SecondMax = 1;
         },
         "different letters"},
        {Activity::MathSquares,
         [](WorksheetRequest& r) {
             r.SkillChecked = {false, false, false, false, true};
             r.FirstMin = 1;
             r.FirstMax = 32767;
         },
         "divide evenly"},
        {Activity::WordProblems,
         [](WorksheetRequest& r) { r.ProgramFolder = ABACORE_SOURCE_DIR "/no-such-folder"; },
         "add.dat"},
        {Activity::ValueMatching, [](WorksheetRequest& r) { r.SecondMin = 5, r.SecondMax = 6; },
         "strictly between"},
        {Activity::FlashCards,
         [](WorksheetRequest& r) {
             r.SkillChecked = {false, false, true, false, false};
             r.SecondMin = 50; // every second number above every first one
             r.FirstMax = 20;
         },
         "Subtraction"},
    };
    for (const Case& c : cases) {
        WorksheetRequest r = SheetOf(RowOf(c.activity));
        r.SkillMode = Skill::Mixed;
        r.MixedSkills = true;
        r.SkillChecked = {false, true, false, false, false};
        r.ProblemCount = 7;
        c.spoil(r);
        const std::string message = BuildMessage(r);
        SCOPED_TRACE(std::string(RowOf(c.activity).batchName));
        EXPECT_FALSE(message.empty());
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_EQ(r.SkillMode, Skill::Mixed);
        EXPECT_EQ(r.ProblemCount, 7);
    }
}

// The squares take all four numbers from the first range: a second range no subtraction could
// use does not stop them, while it stops every other sheet.
TEST(WorksheetBuilder, MathSquaresIgnoreTheSecondRange) {
    WorksheetRequest r = SheetOf(RowOf(Activity::MathSquares));
    r.SkillMode = Skill::Subtraction;
    r.SecondMin = 30000;
    r.SecondMax = 32767;
    EXPECT_EQ(BuildMessage(r), "");
    r.ActivityType = Activity::FlashCards;
    EXPECT_NE(BuildMessage(r), "");
}
