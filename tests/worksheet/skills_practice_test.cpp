#include "worksheet/skills_practice.h"

#include "core/random_source.h"
#include "core/utf8.h"
#include "printed_lines.h"
#include "ranges_request.h"
#include "worksheet/activity_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <string>
#include <utility>
#include <vector>

using namespace abacore;

namespace {

struct Sheet {
    Document document;
    std::vector<std::string> lines; // the printed grid rows, trailing blanks cut off
    std::string answers;
};

Sheet Make(WorksheetRequest r, uint64_t seed = 1) {
    Sheet sheet;
    RandomSource random(seed);
    GenerationState state;
    MakeSkillsPractice(r, random, RowOf(Activity::SkillsPractice).problemRules, DrawLimits{}, state,
                       sheet.document);
    sheet.answers = state.AnswerText;
    const std::string text = sheet.document.plainText();
    EXPECT_TRUE(text.empty() || text.back() == '\n');
    for (size_t start = 0, lf; (lf = text.find('\n', start)) != std::string::npos; start = lf + 1) {
        const std::string line = text.substr(start, lf - start);
        EXPECT_EQ(CharacterCount(line), 75) << line;
        sheet.lines.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
    }
    return sheet;
}

// Every problem 12 + 3.
Sheet Make(int16_t style, int16_t count, Skill skill = Skill::Addition) {
    return Make(RangesRequest(skill, 11, 12, 2, 3, false, style, count));
}

} // namespace

TEST(SkillsPractice, ColumnsOfEachLayoutAndAnswerKeyEntries) {
    // Three in a row, 22 columns apart; a two-digit number pushes the rest of its text right.
    const Sheet horizontal = Make(2, 10);
    EXPECT_EQ(horizontal.lines[8], "     4) 12 + 3 =           5) 12 + 3 =           6) 12 + 3 =");
    EXPECT_EQ(horizontal.lines[22], "     10) 12 + 3 =");
    EXPECT_TRUE(horizontal.answers.ends_with("\n 9)   15\n 10)   15"));
    // Four in a row, the last row of two flushed after the loop; the sign and second number
    // underlined under the first.
    const Sheet vertical = Make(4, 10);
    EXPECT_EQ(vertical.lines[11], "     5)    12        6)    12        7)    12        8)    12");
    EXPECT_EQ(vertical.lines[21], "     9)    12        10)   12");
    EXPECT_EQ(UnderlinedShape(vertical.document)[22],
              "          [+ 3]             [+ 3]" + std::string(46, ' '));
    // Style 6: vertical rows of three, spread as wide as the horizontal ones.
    EXPECT_EQ(Make(6, 6).lines[12],
              "          + 3                     + 3                     + 3");
    // The bar over the dividend; an addition in a bracket row is drawn as a division would be.
    const Sheet bracket = Make(1, 1, Skill::Division);
    EXPECT_EQ(bracket.lines,
              (std::vector<std::string>{"           ____", "     1)  3/12", "", "", "", ""}));
    EXPECT_EQ(bracket.answers, "\n 1)   4");
    EXPECT_EQ(Make(1, 1).lines[1] + Make(1, 1).answers, "     1)  3/12\n 1)   15");
    // Remainders in the key, text past column 75 cut off.
    const Sheet remainders = Make(RangesRequest(Skill::Division, 21, 22, 6, 7, true, 2, 3));
    EXPECT_EQ(remainders.lines[1],
              "     1) 22 \u00F7 7 =           2) 22 \u00F7 7 =           3) 22 \u00F7 7 =");
    EXPECT_TRUE(remainders.answers.ends_with("\n 3)   3 Remainder  1   (or: 3.14285714285714)"));
    EXPECT_EQ(Make(RangesRequest(Skill::Division, 7, 8, 3, 4, true, 2, 1)).answers, "\n 1)   2");
    // A blank for the second number, then the first, 24 columns apart; the key gives it.
    const Sheet missing = Make(RangesRequest(Skill::Division, 21, 22, 6, 7, true, 8, 2));
    EXPECT_EQ(missing.lines[1], "     1) 22 \u00F7 ____ = 3 R 1    2) ____ \u00F7 7 = 3 R 1");
    EXPECT_EQ(missing.answers, "\n 1)   7\n 2)   22");
    const Sheet wide =
        Make(RangesRequest(Skill::Addition, 99'999'999'999'999, 1e14, 32766, 32767, false, 2, 3));
    EXPECT_EQ(wide.lines[1],
              "     1) 100000000000000 + 32) 100000000000000 + 33) 100000000000000 + 32767");
}

TEST(SkillsPractice, EachStyleHasItsRowSequence) {
    // The kind of each printed line: Horizontal, Vertical, Bracket or -.
    const std::pair<int16_t, std::string> cases[] = {
        {0, "-H------H------H------H----"},
        {1, "-B------B------B------B----"},
        {3, "-B---------H---------B---------H----"},
        {4, "-V---------V---------V-------"},
        {5, "-B---------V------------B---------V----"},
        {6, "-H---------V---------H---------V-------"},
        {7, "-B------H------V--------B----"},
        {8, "-M------M------M------M----"},
        {10, "-H------M------H------M----"},
        {12, "-M---------V---------M---------V-------"},
        {14, "-H---------V---------M---------V-------"},
    };
    for (const auto& [style, expected] : cases) {
        const Sheet sheet = Make(style, 12);
        std::string rows;
        for (size_t i = 0; i < sheet.lines.size(); ++i) {
            const std::string& line = sheet.lines[i];
            const size_t slash = line.find('/');
            const bool blank = line.find("____") != std::string::npos;
            rows += blank && line.find(" = ") != std::string::npos ? 'M'
                    : line.find(" =") != std::string::npos         ? 'H'
                    : slash != std::string::npos                   ? 'B'
                    : line.find(")   ") != std::string::npos       ? 'V'
                                                                   : '-';
            // Every bracket row has its bars on the printed row above, also after a vertical row.
            if (slash != std::string::npos) {
                EXPECT_EQ(sheet.lines[i - 1].substr(slash + 1, 4), "____") << style << ", " << i;
            }
        }
        EXPECT_EQ(rows, expected) << "style " << style;
    }
}

// In every vertical problem the sign and second number end under the first number's last
// digit: the sign's width in bytes (two for "÷") must not shift them. Mixed skills and
// ranges, all styles with vertical rows, many seeds.
TEST(SkillsPractice, VerticalSignRowsEndUnderTheFirstNumberForEverySkill) {
    int divisions = 0;
    const std::regex signAndNumber("[-+x/] [0-9]+");
    for (const int16_t style : {4, 5, 6, 7}) {
        for (uint64_t seed = 1; seed <= 25; ++seed) {
            WorksheetRequest r = RangesRequest(Skill::Mixed, 0, 999, 1, 99, true, style, 24);
            r.SkillChecked = {std::nullopt, true, true, true, true};
            const std::vector<std::string> lines = PrintedLines(Make(r, seed).document);
            for (size_t i = 1; i < lines.size(); ++i) {
                if (lines[i].find('=') != std::string::npos)
                    continue; // a horizontal row
                for (std::sregex_iterator m(lines[i].begin(), lines[i].end(), signAndNumber), end;
                     m != end; ++m) {
                    const auto last = static_cast<size_t>(m->position() + m->length());
                    divisions += lines[i][static_cast<size_t>(m->position())] == '/';
                    EXPECT_TRUE(std::isdigit(lines[i - 1][last - 1]) && lines[i - 1][last] == ' ')
                        << "style " << style << ", seed " << seed << ": " << lines[i];
                }
            }
        }
    }
    EXPECT_GT(divisions, 100);
}
