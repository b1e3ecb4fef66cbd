// Large print: each activity in each layout, made at the usual size and in large print from the
// same seed, on either paper. The larger sheet must hold the same key, in type one and a half
// times as large; no sheet may have a fixed-pitch line wider than its page.
#include "worksheet/large_print.h"

#include "core/random_source.h"
#include "core/utf8.h"
#include "document/page_setup.h"
#include "printed_lines.h"
#include "ranges_request.h"
#include "worksheet/worksheet_builder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace abacore;

namespace {

// The widest advance of the fonts that print "Courier New" and "Terminal": DejaVu Sans Mono's.
constexpr double kWidestFixedAdvanceEm = 1233.0 / 2048.0;

std::set<double> Sizes(const Document& d) {
    std::set<double> sizes;
    for (const Paragraph& p : d.paragraphs())
        for (const Run& r : p.runs)
            sizes.insert(r.format.fontSize);
    return sizes;
}

struct Case {
    const char* name;
    Activity activity;
    int16_t style = 2;
    double firstMin = 0, firstMax = 9999, secondMin = 1;
    int16_t count = 20;
    Skill skill = Skill::Mixed;
};

} // namespace

// Trailing blanks never push a line over.
void ExpectLinesFit(const Document& sheet, Paper paper) {
    for (const Paragraph& p : sheet.paragraphs()) {
        std::string text;
        for (const abacore::Run& r : p.runs)
            text += r.text;
        if (p.runs.empty() ||
            (p.runs[0].format.fontName != "Courier New" && p.runs[0].format.fontName != "Terminal"))
            continue;
        const double inches = CharacterCount(TrimRight(text)) * kWidestFixedAdvanceEm *
                              p.runs[0].format.fontSize / 72;
        EXPECT_LE(inches, PageSetup::PageOf(paper).textWidthInches()) << '"' << text << '"';
    }
}

TEST(LargePrint, EachLayoutFitsThePageAndKeepsItsKey) {
    const std::pair<uint64_t, Paper> kRuns[] = {
        {1, Paper::Letter}, {2, Paper::Letter}, {3, Paper::Letter}, {1, Paper::A4}, {2, Paper::A4}};
    std::vector<Case> cases{
        {"riddle", Activity::SecretRiddle},
        {"squares", Activity::MathSquares, 2, 0, 300, 1, 7},
        {"squares, widest results", Activity::MathSquares, 2, 100, 32767, 1, 5, Skill::Division},
        {"words", Activity::WordProblems},
        {"matching, widest expressions", Activity::ValueMatching, 2, -32767, 32767, -32767, 25},
        // The cards cannot grow: large print leaves them as they are.
        {"cards", Activity::FlashCards, 7},
    };
    for (int16_t style = 1; style <= 7; ++style)
        cases.push_back({"skills", Activity::SkillsPractice, style});
    for (const Case& c : cases) {
        for (const auto& [seed, paper] : kRuns) {
            WorksheetRequest usual =
                RangesRequest(c.skill, c.firstMin, c.firstMax, c.secondMin,
                              c.secondMin < 0 ? 32767 : 999, true, c.style, c.count);
            usual.SkillChecked = {false, true, true, true, true};
            usual.ActivityType = c.activity;
            usual.AllowNegatives = true;
            usual.FirstSquareFilled = c.skill == Skill::Division;
            usual.PunchLine = "Because it had far too many problems of its own to solve, and "
                              "nobody would help it with a single one!";
            usual.ProgramFolder = ABACORE_SOURCE_DIR "/data";
            usual.PaperSize = paper;
            WorksheetRequest large = usual;
            large.LargePrint = true;
            RandomSource usualRandom(seed), largeRandom(seed);
            const WorksheetDocuments u = BuildWorksheet(usual, usualRandom);
            const WorksheetDocuments l = BuildWorksheet(large, largeRandom);
            SCOPED_TRACE(c.name + (" " + std::to_string(c.style)) + ", seed " +
                         std::to_string(seed) + " on " + std::string(PaperName(paper)));

            const double scale = c.activity == Activity::FlashCards ? 1 : kLargePrintScale;
            for (const auto& [usualDoc, largeDoc] :
                 {std::pair{&u.worksheet, &l.worksheet}, std::pair{&u.answerKey, &l.answerKey}}) {
                std::set<double> scaled;
                for (const double size : Sizes(*usualDoc))
                    scaled.insert(size * scale);
                EXPECT_EQ(Sizes(*largeDoc), scaled);
            }
            // Letter's usual layouts are those of every earlier sheet; a band of math squares with
            // the widest division results still runs 0.06 in past its line there.
            if (paper == Paper::A4)
                ExpectLinesFit(u.worksheet, paper);
            ExpectLinesFit(l.worksheet, paper);
            EXPECT_EQ(l.answerKey.plainText(), u.answerKey.plainText());
        }
    }
}
