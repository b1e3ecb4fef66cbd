#include "worksheet/worksheet_builder.h"

#include "core/random_source.h"
#include "ranges_request.h"
#include "worksheet/activity_table.h"
#include "worksheet/math_squares.h"

#include <gtest/gtest.h>

#include <array>
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
    EXPECT_EQ(Shape(riddleDocs.worksheet).at(6),
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

} // namespace

// Every activity of the table builds from a request alone: its directions, problems in the
// fonts it needs, and an answer key exactly when it has one.
TEST(WorksheetBuilder, EverySheetOfTheTableBuildsWithItsFontsAndAnswerKey) {
    for (const ActivityRow& row : Activities()) {
        if (row.output != Output::Sheet)
            continue;
        for (uint64_t seed : {1, 2, 3}) {
            WorksheetRequest r = SheetOf(row);
            RandomSource random(seed);
            const WorksheetDocuments docs = BuildWorksheet(r, random);
            const std::string sheet = docs.worksheet.plainText();
            const std::string key = docs.answerKey.plainText();
            SCOPED_TRACE(std::string(row.batchName));
            EXPECT_EQ(sheet.rfind(r.Heading + "\n", 0), 0u);
            EXPECT_EQ(sheet.find("Directions:") != std::string::npos, row.hasAnswerKey);
            // The cards are cut apart: no Name/Date line.
            EXPECT_EQ(sheet.find("\nName___") != std::string::npos,
                      row.activity != Activity::FlashCards);
            if (row.hasAnswerKey) {
                EXPECT_EQ(key.rfind(r.Heading + "\nAnswer Key\n\n", 0), 0u);
                EXPECT_GT(key.size(), r.Heading.size() + 14); // and answers under it
            } else {
                EXPECT_TRUE(docs.answerKey.isEmpty());
            }

            // The last line: the squares upright in "Terminal", the cards in 50 points, the
            // riddle's punch line in 6, the others bold in 11. Only the squares' box lines have
            // an exact height, so that they touch.
            const Paragraph* last = nullptr;
            const bool squares = row.activity == Activity::MathSquares;
            for (const Paragraph& p : docs.worksheet.paragraphs()) {
                std::string text;
                for (const abacore::Run& run : p.runs)
                    text += run.text;
                if (text.find_first_not_of(' ') != std::string::npos)
                    last = &p;
                if (!squares || text.find("\u2502") != std::string::npos) {
                    EXPECT_EQ(p.lineHeight, squares ? kSquaresLineHeight : 0) << text;
                }
            }
            EXPECT_EQ(docs.worksheet.paragraphs().back().lineHeight, 0);
            ASSERT_NE(last, nullptr);
            const CharFormat& f = last->runs.back().format;
            EXPECT_EQ(f.bold, !squares);
            EXPECT_EQ(f.fontSize, row.activity == Activity::FlashCards     ? 50
                                  : row.activity == Activity::SecretRiddle ? 6
                                                                           : 11);
            EXPECT_EQ(f.fontName == "Terminal", squares);
        }
    }
}

static std::string Text(Activity activity, Skill skill, std::array<YesNo, 5> checked = {},
                        bool firstSquareFilled = false) {
    WorksheetRequest r = RangesRequest(skill, 0, 0, 0, 0);
    r.ActivityType = activity;
    r.SkillChecked = checked;
    r.FirstSquareFilled = firstSquareFilled;
    const Directions directions = RowOf(activity).directions;
    return directions ? directions(r) : "";
}

// Every sheet with an answer key prints its activity's directions, naming the chosen skills;
// the flash cards (no key) and the crossword (a page of its own) print none.
TEST(Directions, TextByActivityAndSkills) {
    for (const ActivityRow& row : Activities()) {
        EXPECT_EQ(row.directions != nullptr, row.output == Output::Sheet && row.hasAnswerKey)
            << row.batchName;
        EXPECT_EQ(row.generator != nullptr, row.output == Output::Sheet) << row.batchName;
    }
    // Several skills: no name, two blanks between the words.
    EXPECT_EQ(Text(Activity::SkillsPractice, Skill::Mixed),
              "Practice your  skills by solving the problems below.");
    EXPECT_EQ(Text(Activity::WordProblems, Skill::Addition), "Solve the word problems below.");
    EXPECT_EQ(Text(Activity::SecretRiddle, Skill::Division),
              "Solve the division problems below, then use the answers to decipher the answer to "
              "the riddle.");
    // Math squares: the skill's verb and noun, or the chosen skills listed twice.
    const std::string subtract = Text(Activity::MathSquares, Skill::Subtraction, {}, true);
    EXPECT_NE(subtract.find("numbers subtract left to right and downwards to equal the "
                            "differences provided.  The first square"),
              std::string::npos)
        << subtract;
    const std::string three =
        Text(Activity::MathSquares, Skill::Mixed, {false, true, true, false, true});
    EXPECT_TRUE(three.starts_with("Using addition, subtraction or division, fill") &&
                three.ends_with("skill (addition, subtraction or division)."))
        << three;
}
