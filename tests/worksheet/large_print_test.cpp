// Large print: every activity that has it, in each layout, made at the usual size and in large
// print from the same seed. The larger sheet must hold the same problems and the same key, in
// type one and a half times as large, with no fixed-pitch line wider than the page.
#include "worksheet/large_print.h"

#include "ranges_request.h"
#include "worksheet/page_setup.h"
#include "worksheet/random_source.h"
#include "worksheet/utf8.h"
#include "worksheet/worksheet_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <vector>

using namespace abacore;

namespace {

// The widest advance of the fixed-pitch fonts that print "Courier New" and "Terminal":
// DejaVu Sans Mono, 1233 units of 2048.
constexpr double kWidestFixedAdvanceEm = 1233.0 / 2048.0;

bool FixedPitch(const std::string& font) {
    return font == "Courier New" || font == "Terminal";
}

// The printed width, in inches, of each paragraph set wholly in fixed-pitch type, trailing
// blanks left out (they never push a line over).
std::vector<std::pair<double, std::string>> FixedPitchLines(const Document& d) {
    std::vector<std::pair<double, std::string>> lines;
    for (const Paragraph& p : d.paragraphs()) {
        if (p.runs.empty() || !std::all_of(p.runs.begin(), p.runs.end(), [](const Run& r) {
                return FixedPitch(r.format.fontName);
            }))
            continue;
        std::vector<double> widths; // of each character
        std::string text;
        for (const Run& r : p.runs) {
            for (size_t i = 0; i < r.text.size();) {
                const bool blank = r.text[i] == ' ';
                NextCodePoint(r.text, i);
                widths.push_back(blank ? -r.format.fontSize : r.format.fontSize);
            }
            text += r.text;
        }
        while (!widths.empty() && widths.back() < 0)
            widths.pop_back();
        double points = 0;
        for (double w : widths)
            points += std::abs(w) * kWidestFixedAdvanceEm;
        lines.emplace_back(points / 72.0, text);
    }
    return lines;
}

std::set<double> Sizes(const Document& d) {
    std::set<double> sizes;
    for (const Paragraph& p : d.paragraphs())
        for (const Run& r : p.runs)
            sizes.insert(r.format.fontSize);
    return sizes;
}

// The numbers on the sheet, sorted: the same problems give the same numbers, however they are
// laid out (a mixed sheet's rows take turns, so a problem may be drawn in another form).
std::vector<std::string> Numbers(const Document& d) {
    const std::string text = d.plainText();
    static const std::regex number(R"(\d+(\.\d+)?)");
    std::vector<std::string> numbers;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        numbers.push_back(it->str());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The problem numbers "1)", "2)", ... in reading order.
std::vector<int> ProblemNumbers(const Document& d) {
    const std::string text = d.plainText();
    static const std::regex number(R"((?:^|[\s_])(\d+)\))");
    std::vector<int> numbers;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stoi((*it)[1]));
    return numbers;
}

struct Case {
    const char* name;
    std::function<void(WorksheetRequest&)> set;
    bool numbered = true; // the sheet shows "1)", "2)", ...
};

WorksheetRequest Base(int16_t count) {
    WorksheetRequest r = RangesRequest(Skill::Mixed, 0, 9999, 1, 999, true, 2, count);
    r.SkillChecked = {false, true, true, true, true};
    r.AllowNegatives = true;
    r.Heading = "Large Print";
    r.ProgramFolder = ABACORE_SOURCE_DIR "/data";
    return r;
}

} // namespace

TEST(LargePrint, EachLayoutFitsThePageAndKeepsItsProblemsAndKey) {
    std::vector<Case> cases;
    for (int16_t style = 1; style <= 7; ++style)
        cases.push_back({"skills style", [style](WorksheetRequest& r) {
                             r.ActivityType = Activity::SkillsPractice;
                             r.ProblemStyle = style;
                         }});
    cases.push_back({"riddle", [](WorksheetRequest& r) {
                         r.ActivityType = Activity::SecretRiddle;
                         r.RiddleQuestion = "Why was the math book sad?";
                         r.PunchLine = "Because it had far too many problems of its own to "
                                       "solve, and nobody would help it with a single one!";
                     }});
    cases.push_back({"squares",
                     [](WorksheetRequest& r) {
                         r.ActivityType = Activity::MathSquares;
                         r.SkillChecked = {false, true, true, false, false};
                         r.FirstMax = 300;
                         r.ProblemCount = 7;
                     },
                     false});
    cases.push_back({"squares, remainders",
                     [](WorksheetRequest& r) {
                         r.ActivityType = Activity::MathSquares;
                         r.SkillMode = Skill::Division;
                         r.MixedSkills = false;
                         r.FirstMin = 100;
                         r.FirstMax = 32767;
                         r.FirstSquareFilled = true;
                         r.ProblemCount = 5;
                     },
                     false});
    cases.push_back(
        {"words", [](WorksheetRequest& r) { r.ActivityType = Activity::WordProblems; }});
    cases.push_back({"matching", [](WorksheetRequest& r) {
                         r.ActivityType = Activity::ValueMatching;
                         r.SkillChecked = {false, true, true, false, false};
                         r.ProblemCount = 25;
                     }});
    cases.push_back({"matching, long expressions", [](WorksheetRequest& r) {
                         r.ActivityType = Activity::ValueMatching;
                         r.FirstMin = -32767; // as wide as numbers go
                         r.FirstMax = 32767;
                         r.SecondMin = -32767;
                         r.SecondMax = 32767;
                         r.ProblemCount = 25;
                     }});

    const double textWidth = PageSetup::kTextWidthInches;
    for (size_t c = 0; c < cases.size(); ++c) {
        for (uint64_t seed : {1, 2, 3}) {
            const std::string row = std::string(cases[c].name) + " (case " + std::to_string(c) +
                                    ", seed " + std::to_string(seed) + ")";
            WorksheetRequest usual = Base(20);
            cases[c].set(usual);
            WorksheetRequest large = usual;
            large.LargePrint = true;
            RandomSource usualRandom(seed), largeRandom(seed);
            const WorksheetDocuments u = BuildWorksheet(usual, usualRandom);
            const WorksheetDocuments l = BuildWorksheet(large, largeRandom);

            for (const Document* d : {&l.worksheet, &l.answerKey}) {
                std::set<double> expected;
                for (double s : Sizes(d == &l.worksheet ? u.worksheet : u.answerKey))
                    expected.insert(s * kLargePrintScale);
                EXPECT_EQ(Sizes(*d), expected) << row;
            }
            for (const auto& [inches, text] : FixedPitchLines(l.worksheet))
                EXPECT_LE(inches, textWidth) << row << ": \"" << text << "\"";
            EXPECT_EQ(l.answerKey.plainText(), u.answerKey.plainText()) << row;
            EXPECT_EQ(Numbers(l.worksheet), Numbers(u.worksheet)) << row;
            if (cases[c].numbered) {
                std::vector<int> inOrder(static_cast<size_t>(large.ProblemCount));
                for (size_t k = 0; k < inOrder.size(); ++k)
                    inOrder[k] = static_cast<int>(k) + 1;
                EXPECT_EQ(ProblemNumbers(l.worksheet), inOrder) << row;
            }
        }
    }
}

// Where the layout cannot grow the sheet stays as it is, whatever an earlier request chose.
TEST(LargePrint, ActivitiesWithoutItAreMadeAtTheUsualSize) {
    for (const Activity a : {Activity::FlashCards, Activity::Crossword}) {
        EXPECT_FALSE(NoLargePrintReason(a).empty()) << static_cast<int>(a);
        WorksheetRequest r = Base(6);
        r.ActivityType = a;
        r.LargePrint = true;
        EXPECT_EQ(TypeScale(r), 1.0) << static_cast<int>(a);
    }
    WorksheetRequest cards = Base(6);
    cards.ActivityType = Activity::FlashCards;
    cards.ProblemStyle = 7;
    WorksheetRequest largeCards = cards;
    largeCards.LargePrint = true;
    RandomSource r1(5), r2(5);
    const Document usual = BuildWorksheet(cards, r1).worksheet;
    const Document large = BuildWorksheet(largeCards, r2).worksheet;
    EXPECT_EQ(large.plainText(), usual.plainText());
    EXPECT_EQ(Sizes(large), Sizes(usual));
}
