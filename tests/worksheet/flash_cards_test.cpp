#include "worksheet/flash_cards.h"

#include "core/number_text.h"
#include "ranges_request.h"
#include "recorded_question.h"
#include "worksheet/activity_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace abacore;

namespace {

WorksheetRequest Cards(Skill skill, double firstMin, double firstMax, double secondMin,
                       int16_t secondMax, int16_t style, int16_t count) {
    return RangesRequest(skill, firstMin, firstMax, secondMin, secondMax, true, style, count);
}

// The cards' paragraphs (each with its text and its runs), made on a worksheet as the builder
// leaves it: centred heading, then bold Courier New; the cards set their own font and size, 50
// points unless a card is too long for it, and their line breaks are all of 50 points, so every
// strip is as tall.
struct Sheet {
    Document document;
    GenerationState state;
    std::vector<std::string> texts;
    std::vector<Paragraph> paragraphs;
};

std::unique_ptr<Sheet> Make(WorksheetRequest r, uint64_t seed = 1) {
    auto sheet = std::make_unique<Sheet>();
    sheet->document.SetAlignment(Alignment::Centre);
    sheet->document.Insert("Heading\n");
    sheet->document.SetBold(true);
    sheet->document.SetFontName("Courier New");
    RandomSource random(seed);
    MakeFlashCards(r, random, RowOf(Activity::FlashCards).problemRules, DrawLimits{}, sheet->state,
                   sheet->document);
    const auto& all = sheet->document.paragraphs();
    sheet->paragraphs.assign(all.begin() + 1, all.end());
    for (const Paragraph& p : sheet->paragraphs) {
        sheet->texts.emplace_back();
        for (const auto& run : p.runs) {
            sheet->texts.back() += run.text;
            EXPECT_EQ(run.format.fontSize, p.runs[0].format.fontSize);
            EXPECT_TRUE(run.format.fontSize <= 50 && run.format.fontSize >= 20) << run.text;
            EXPECT_TRUE(run.format.bold);
        }
        EXPECT_EQ(p.endFormat.fontSize, 50);
        EXPECT_EQ(p.alignment, Alignment::Left);
    }
    return sheet;
}

bool IsStacked(const Paragraph& p) {
    return !p.runs.empty() && p.runs[0].format.fontName == "Courrier New";
}

} // namespace

TEST(FlashCards, EachKindOfCardHasItsLinesGapsAndFonts) {
    // 12 + 3: the question, (17.5 - 7) + (17.5 - 3) / 2 - 2 = 15.75 blanks, the answer.
    const auto horizontal = Make(Cards(Skill::Addition, 11, 12, 2, 3, 2, 2));
    const std::string card = " 12 + 3" + std::string(15, ' ') + " 15\n\n\n\n";
    EXPECT_EQ(horizontal->document.plainText(), "Heading\n" + card + card);
    EXPECT_EQ(horizontal->paragraphs[0].runs[0].format.fontName, "Times New Roman");
    EXPECT_EQ(horizontal->paragraphs[0].runs[0].format.fontSize, 50);
    EXPECT_EQ(horizontal->state.AnswerText, " 15"); // the last card's answer only

    // 12 / 3: a bar over the dividend, the bracket's side in "Terminal", then
    // (17.5 - 5) + (17.5 - 2) / 2 = 20.25 blanks, no 2 taken off.
    const auto bracket = Make(Cards(Skill::Division, 11, 12, 2, 3, 1, 1));
    EXPECT_EQ(bracket->texts,
              (std::vector<std::string>{"    ___", "3\u250212" + std::string(20, ' ') + " 4", "",
                                        "", "", ""}));
    const auto& side = bracket->paragraphs[1].runs;
    ASSERT_EQ(side.size(), 3u);
    EXPECT_EQ(side[1].text + side[1].format.fontName, "\u2502Terminal");
    EXPECT_EQ(side[2].format.fontName, "Times New Roman");

    // 12 + 3 stacked: " 12", (10 - 3) + (10 - 3) / 2 = 10.5 blanks and the answer; "+ 3"
    // underlined beneath with its line breaks, in the font as the sheet has always named it.
    const auto stacked = Make(Cards(Skill::Addition, 11, 12, 2, 3, 4, 1));
    EXPECT_EQ(stacked->texts[0], " 12" + std::string(10, ' ') + " 15");
    EXPECT_TRUE(IsStacked(stacked->paragraphs[0]));
    EXPECT_FALSE(stacked->paragraphs[0].runs[0].format.underline);
    EXPECT_EQ(stacked->texts[1], "+ 3");
    EXPECT_TRUE(stacked->paragraphs[1].runs[0].format.underline);
    EXPECT_TRUE(stacked->paragraphs[2].endFormat.underline);
    EXPECT_FALSE(stacked->document.currentFormat().underline);

    // A long question with a long answer gets no gap, and a size at which it fits the line:
    // some 17 ems at 27 points.
    const auto longest = Make(Cards(Skill::Addition, 99'999'999'999'999, 1e14, 32766, 32767, 2, 1));
    EXPECT_EQ(longest->texts[0], " 100000000000000 + 32767 100000000032767");
    EXPECT_EQ(longest->paragraphs[0].runs[0].format.fontSize, 27);
}

// The kinds take turns card by card; a page may end between cards, never inside a card of two.
TEST(FlashCards, KindsTakeTurnsAndTwoLineCardsStayOnOnePage) {
    const std::pair<int16_t, std::string> cases[] = {
        {0, "HHHHHHH"}, {1, "BBBBBBB"}, {2, "HHHHHHH"}, {3, "BHBHBHB"},
        {4, "VVVVVVV"}, {5, "BVBVBVB"}, {6, "HVHVHVH"}, {7, "BHVBHVB"},
    };
    for (const auto& [style, expected] : cases) {
        const auto sheet = Make(Cards(Skill::Division, 0, 100, 1, 9, style, 7));
        std::string kinds;
        for (size_t i = 0; i < sheet->texts.size(); ++i) {
            const bool blank = sheet->texts[i].find_first_not_of(' ') == std::string::npos;
            const bool bar = sheet->texts[i].find_first_not_of(" _") == std::string::npos;
            if (!blank)
                kinds += bar ? 'B' : IsStacked(sheet->paragraphs[i]) ? 'V' : 'H';
            const bool firstOfTwo = !blank && kinds.back() != 'H';
            EXPECT_EQ(sheet->paragraphs[i].keepWithNext, firstOfTwo) << style << ", line " << i;
            i += firstOfTwo; // the card's second line
        }
        EXPECT_EQ(kinds, expected) << "style " << style;
    }
}

// Each card's back answers its front; a stacked card's sign and second number end under the first
// number's last digit, whichever number is the longer.
TEST(FlashCards, AnswersMatchTheirProblemsAndStackedNumbersLineUp) {
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        WorksheetRequest r = Cards(Skill::Mixed, 0, seed % 2 ? 9999 : 99, 1, 999, 6, 40);
        r.AllowNegatives = true;
        r.MixedSkills = true;
        r.SkillChecked = {false, true, true, true, true};
        const auto sheet = Make(r, seed);
        ASSERT_EQ(sheet->state.Content.problems.size(), 40u);
        for (const SheetProblem& p : sheet->state.Content.problems) {
            const RecordedQuestion q = ReadQuestion(p.question);
            const double remainder = q.divides() ? 0 : std::fmod(q.first, q.second);
            EXPECT_EQ(p.answer, TrimmedNumberText(q.value()) +
                                    (remainder == 0 ? "" : " R (" + NumberText(remainder) + ")"))
                << p.question;
            EXPECT_TRUE(q.sign != "\u00F7" || q.second <= q.first) << p.question;
        }
        for (size_t i = 0; i < sheet->texts.size(); ++i) {
            if (!IsStacked(sheet->paragraphs[i]))
                continue;
            const std::string &first = sheet->texts[i], &second = sheet->texts[++i];
            const size_t end = first.find(' ', first.find_first_not_of(' '));
            EXPECT_EQ(static_cast<int>(end), CharacterCount(second)) << first;
        }
    }
}
