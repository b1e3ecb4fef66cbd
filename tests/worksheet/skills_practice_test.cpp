#include "worksheet/skills_practice.h"

#include "worksheet/random_source.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Every problem is 12 + 3 unless a test widens the ranges.
WorksheetRequest sheetRequest(int16_t style, int16_t count) {
    WorksheetRequest r;
    r.ActivityType = Activity::SkillsPractice;
    r.SkillMode = Skill::Addition;
    r.FirstMin = 11;
    r.FirstMax = 12;
    r.SecondMin = 2;
    r.SecondMax = 3;
    r.ProblemStyle = style;
    r.ProblemCount = count;
    return r;
}

struct Sheet {
    Document document;
    std::vector<std::string> lines; // the printed grid rows
    std::string answers;
};

Sheet makeSheet(WorksheetRequest r, uint64_t seed = 1) {
    Sheet sheet;
    RandomSource random(seed);
    GenerationState state;
    MakeSkillsPractice(r, random, DrawLimits{}, state, sheet.document);
    sheet.answers = state.AnswerText;
    std::string text = sheet.document.plainText();
    EXPECT_TRUE(text.empty() || text.back() == '\n');
    size_t start = 0;
    for (size_t lf; (lf = text.find('\n', start)) != std::string::npos; start = lf + 1)
        sheet.lines.push_back(text.substr(start, lf - start));
    return sheet;
}

// A 75-column row with texts placed at 1-based columns.
std::string row(std::vector<std::pair<int, std::string>> items) {
    std::string line(75, ' ');
    for (const auto& [column, text] : items)
        line.replace(static_cast<size_t>(column - 1), text.size(), text);
    return line.substr(0, 75);
}

char kindOf(const std::string& line) {
    if (line.find(" =") != std::string::npos)
        return 'H';
    if (line.find('/') != std::string::npos)
        return 'B';
    if (line.find(")   ") != std::string::npos)
        return 'V';
    return 0;
}

// (line index, kind) of every problem row.
std::vector<std::pair<size_t, char>> problemRows(const Sheet& sheet) {
    std::vector<std::pair<size_t, char>> rows;
    for (size_t i = 0; i < sheet.lines.size(); ++i)
        if (char kind = kindOf(sheet.lines[i]))
            rows.emplace_back(i, kind);
    return rows;
}

const std::string kBlank(75, ' ');

} // namespace

TEST(SkillsPractice, OneHorizontalProblemMakesOneBlockOfSixRows) {
    const Sheet sheet = makeSheet(sheetRequest(2, 1));
    ASSERT_EQ(sheet.lines.size(), 6u);
    EXPECT_EQ(sheet.lines[0], kBlank);
    EXPECT_EQ(sheet.lines[1], row({{6, "1) 12 + 3 ="}}));
    for (size_t i = 2; i < 6; ++i)
        EXPECT_EQ(sheet.lines[i], kBlank);
    EXPECT_EQ(sheet.answers, "\n 1)   15");
}

TEST(SkillsPractice, HorizontalRowsHoldThreeProblemsTwentyTwoColumnsApart) {
    const Sheet sheet = makeSheet(sheetRequest(2, 10));
    const std::string full = row({{6, "1) 12 + 3 ="}, {28, "2) 12 + 3 ="}, {50, "3) 12 + 3 ="}});
    EXPECT_EQ(sheet.lines[1], full);
    // A two-digit number pushes the rest one column right; the next problem keeps its column.
    ASSERT_EQ(sheet.lines.size(), 6u + 7 + 7 + 7);
    EXPECT_EQ(sheet.lines[22], row({{6, "10) 12 + 3 ="}}));
    EXPECT_TRUE(sheet.answers.ends_with("\n 9)   15\n 10)   15"));
}

TEST(SkillsPractice, VerticalProblemsStackWithTheSecondNumberUnderlined) {
    const Sheet sheet = makeSheet(sheetRequest(4, 1));
    ASSERT_EQ(sheet.lines.size(), 6u);
    EXPECT_EQ(sheet.lines[1], row({{6, "1)"}, {12, "12"}}));
    EXPECT_EQ(sheet.lines[2], row({{11, "+ 3"}}));
    const auto& runs = sheet.document.paragraphs()[2].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, std::string(10, ' '));
    EXPECT_FALSE(runs[0].format.underline);
    EXPECT_EQ(runs[1].text, "+ 3");
    EXPECT_TRUE(runs[1].format.underline);
    EXPECT_FALSE(runs[2].format.underline);
}

TEST(SkillsPractice, VerticalRowsHoldFourOrForStyleSixThree) {
    const Sheet four = makeSheet(sheetRequest(4, 10));
    EXPECT_EQ(four.lines[1], row({{6, "1)"},
                                  {12, "12"},
                                  {22, "2)"},
                                  {28, "12"},
                                  {38, "3)"},
                                  {44, "12"},
                                  {54, "4)"},
                                  {60, "12"}}));
    // Rows of 4, 4 and a last one of 2, flushed after the loop.
    const auto rows = problemRows(four);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(four.lines[rows[2].first], row({{6, "9)"}, {12, "12"}, {22, "10)"}, {28, "12"}}));
    EXPECT_EQ(four.lines[rows[2].first + 1], row({{11, "+ 3"}, {27, "+ 3"}}));

    const Sheet six = makeSheet(sheetRequest(6, 6));
    ASSERT_EQ(problemRows(six).size(), 2u);
    EXPECT_EQ(six.lines[problemRows(six)[1].first],
              row({{6, "4)"}, {12, "12"}, {30, "5)"}, {36, "12"}, {54, "6)"}, {60, "12"}}));
}

TEST(SkillsPractice, BracketProblemsPutTheBarOverTheDividend) {
    WorksheetRequest r = sheetRequest(1, 1);
    r.SkillMode = Skill::Division;
    r.FirstMin = 11;
    r.FirstMax = 12;
    r.SecondMin = 2;
    r.SecondMax = 3; // 12 / 3 divides evenly
    const Sheet sheet = makeSheet(r);
    ASSERT_EQ(sheet.lines.size(), 6u);
    EXPECT_EQ(sheet.lines[0], row({{12, "____"}}));
    EXPECT_EQ(sheet.lines[1], row({{6, "1)  3/12"}}));
    EXPECT_EQ(sheet.answers, "\n 1)   4");
}

TEST(SkillsPractice, EachStyleHasItsRowSequence) {
    struct Case {
        int16_t style;
        size_t lines;
        std::vector<std::pair<size_t, char>> rows;
    };
    const Case cases[] = {
        {0, 27, {{1, 'H'}, {8, 'H'}, {15, 'H'}, {22, 'H'}}},
        {1, 27, {{1, 'B'}, {8, 'B'}, {15, 'B'}, {22, 'B'}}},
        {2, 27, {{1, 'H'}, {8, 'H'}, {15, 'H'}, {22, 'H'}}},
        {3, 36, {{1, 'B'}, {11, 'H'}, {21, 'B'}, {31, 'H'}}},
        {4, 29, {{1, 'V'}, {11, 'V'}, {21, 'V'}}},
        {5, 39, {{1, 'B'}, {11, 'V'}, {24, 'B'}, {34, 'V'}}},
        {6, 39, {{1, 'H'}, {11, 'V'}, {21, 'H'}, {31, 'V'}}},
        {7, 29, {{1, 'B'}, {8, 'H'}, {15, 'V'}, {24, 'B'}}},
    };
    for (const Case& c : cases) {
        const Sheet sheet = makeSheet(sheetRequest(c.style, 12));
        EXPECT_EQ(sheet.lines.size(), c.lines) << "style " << c.style;
        EXPECT_EQ(problemRows(sheet), c.rows) << "style " << c.style;
        // Every bracket row has its bars on the printed row above, also after a vertical row.
        for (const auto& [index, kind] : problemRows(sheet)) {
            if (kind != 'B')
                continue;
            const size_t dividend = sheet.lines[index].find('/') + 1;
            EXPECT_EQ(sheet.lines[index - 1].substr(dividend, 4), "____")
                << "style " << c.style << " line " << index;
        }
    }
}

TEST(SkillsPractice, BracketRowsIgnoreTheSign) {
    WorksheetRequest r = sheetRequest(3, 30);
    r.SkillMode = Skill::Mixed;
    r.MixedSkills = true;
    r.SkillChecked[1] = true;
    r.SkillChecked[4] = true;
    r.FirstMin = 0;
    r.FirstMax = 50;
    r.SecondMin = 0;
    r.SecondMax = 9;
    const Sheet sheet = makeSheet(r, 9);
    for (const auto& [index, kind] : problemRows(sheet)) {
        const std::string& line = sheet.lines[index];
        const bool hasSign =
            line.find(" + ") != std::string::npos || line.find("\u00F7") != std::string::npos;
        EXPECT_EQ(hasSign, kind == 'H') << line;
    }
    // An addition in a bracket row is drawn as a division would be; its answer is the sum.
    const Sheet addition = makeSheet(sheetRequest(1, 1));
    EXPECT_EQ(addition.lines[1], row({{6, "1)  3/12"}}));
    EXPECT_EQ(addition.answers, "\n 1)   15");
}

TEST(SkillsPractice, AnswerKeyEntriesForDivision) {
    WorksheetRequest r = sheetRequest(2, 3);
    r.SkillMode = Skill::Division;
    r.AllowRemainders = true;
    r.FirstMin = 21;
    r.FirstMax = 22;
    r.SecondMin = 6;
    r.SecondMax = 7; // always 22 / 7
    const std::string entry3 = "\n 3)   3 Remainder  1   (or: 3.14285714285714)";
    const Sheet sheet = makeSheet(r);
    EXPECT_EQ(sheet.answers.substr(sheet.answers.size() - entry3.size()), entry3);
    EXPECT_NE(sheet.lines[1].find("3) 22 \u00F7 7 ="), std::string::npos);

    r.FirstMin = 7;
    r.FirstMax = 8;
    r.SecondMin = 3;
    r.SecondMax = 4; // 8 / 4: exact, no remainder part
    r.ProblemCount = 1;
    EXPECT_EQ(makeSheet(r).answers, "\n 1)   2");
}

TEST(SkillsPractice, TextPastColumnSeventyFiveIsCutOff) {
    WorksheetRequest r = sheetRequest(2, 3);
    r.FirstMin = 99'999'999'999'999;
    r.FirstMax = 100'000'000'000'000;
    r.SecondMin = 32766;
    r.SecondMax = 32767;
    const Sheet sheet = makeSheet(r);
    ASSERT_EQ(sheet.lines[1].size(), 75u);
    EXPECT_EQ(sheet.lines[1].substr(49), std::string("3) 100000000000000 + 32767 =").substr(0, 26));
}
