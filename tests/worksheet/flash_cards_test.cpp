#include "worksheet/flash_cards.h"

#include "ranges_request.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using namespace abacore;

namespace {

WorksheetRequest Cards(Skill skill, double firstMin, double firstMax, double secondMin,
                       int16_t secondMax, int16_t style, int16_t count, bool remainders = false) {
    WorksheetRequest r =
        RangesRequest(skill, firstMin, firstMax, secondMin, secondMax, remainders, style, count);
    r.ActivityType = Activity::FlashCards;
    return r;
}

struct Sheet {
    Document document;
    GenerationState state;
};

// The worksheet as the builder leaves it for the cards: 50 points, bold, centred heading.
std::unique_ptr<Sheet> Make(WorksheetRequest r, uint64_t seed = 1) {
    auto sheet = std::make_unique<Sheet>();
    sheet->document.SetAlignment(Alignment::Centre);
    sheet->document.Insert("Heading\n");
    sheet->document.SetBold(true);
    sheet->document.SetFontSize(50);
    RandomSource random(seed);
    MakeFlashCards(r, random, DrawLimits{}, sheet->state, sheet->document);
    return sheet;
}

std::string TextOf(const Paragraph& p) {
    std::string s;
    for (const auto& run : p.runs)
        s += run.text;
    return s;
}

// The cards' paragraphs, the heading left out.
std::vector<Paragraph> CardParagraphs(const Document& d) {
    return {d.paragraphs().begin() + 1, d.paragraphs().end()};
}

// The kind of each card, H, V or B, read from its shape.
std::string Kinds(const Document& d) {
    std::string kinds;
    const std::vector<Paragraph> ps = CardParagraphs(d);
    for (size_t i = 0; i < ps.size(); ++i) {
        const std::string text = TextOf(ps[i]);
        if (text.empty())
            continue;
        if (text.find_first_not_of(" _") == std::string::npos) {
            kinds += 'B';
            ++i; // the line under the bar
        } else if (ps[i].runs[0].format.fontName == "Courrier New") {
            kinds += 'V';
            ++i; // the underlined second line
        } else {
            kinds += 'H';
        }
    }
    return kinds;
}

} // namespace

TEST(FlashCards, EachKindOfCardHasItsLinesGapsAndFonts) {
    // 12 + 3: the question, then (17.5 - 7) + (17.5 - 3) / 2 - 2 = 15.75 blanks, the answer.
    const auto horizontal = Make(Cards(Skill::Addition, 11, 12, 2, 3, 2, 2));
    const std::string card = " 12 + 3" + std::string(15, ' ') + " 15\n\n\n\n";
    EXPECT_EQ(horizontal->document.plainText(), "Heading\n" + card + card);
    for (const Paragraph& p : CardParagraphs(horizontal->document)) {
        EXPECT_EQ(p.alignment, Alignment::Left);
        for (const auto& run : p.runs) {
            EXPECT_EQ(run.format.fontName, "Times New Roman");
            EXPECT_EQ(run.format.fontSize, 50);
            EXPECT_TRUE(run.format.bold);
        }
    }
    EXPECT_EQ(horizontal->state.AnswerText, " 15"); // the last card's answer only
    EXPECT_EQ(horizontal->state.GridWidth, 35);

    // 12 / 3: a bar over the dividend, the bracket's side in "Terminal", (17.5 - 5) +
    // (17.5 - 2) / 2 = 20.25 blanks, no 2 taken off.
    const auto bracket = Make(Cards(Skill::Division, 11, 12, 2, 3, 1, 1));
    const std::vector<Paragraph> b = CardParagraphs(bracket->document);
    EXPECT_EQ(TextOf(b[0]), "    ___");
    ASSERT_EQ(b[1].runs.size(), 3u);
    EXPECT_EQ(b[1].runs[0].text, "3");
    EXPECT_EQ(b[1].runs[1].text, "\u2502");
    EXPECT_EQ(b[1].runs[1].format.fontName, "Terminal");
    EXPECT_EQ(b[1].runs[2].text, "12" + std::string(20, ' ') + " 4");
    EXPECT_EQ(b[1].runs[2].format.fontName, "Times New Roman");
    EXPECT_EQ(b.size(), 6u); // bar, card, three empty lines, and the one the next card opens

    // 12 + 3 stacked: " 12", (10 - 3) + (10 - 3) / 2 = 10.5 blanks and the answer; "+ 3"
    // beneath, underlined with its line breaks, in the font as the sheet has always named it.
    const auto vertical = Make(Cards(Skill::Addition, 11, 12, 2, 3, 4, 1));
    const std::vector<Paragraph> v = CardParagraphs(vertical->document);
    EXPECT_EQ(TextOf(v[0]), " 12" + std::string(10, ' ') + " 15");
    EXPECT_FALSE(v[0].runs[0].format.underline);
    EXPECT_EQ(v[0].runs[0].format.fontName, "Courrier New");
    ASSERT_EQ(v[1].runs.size(), 1u);
    EXPECT_EQ(v[1].runs[0].text, "+ 3");
    EXPECT_TRUE(v[1].runs[0].format.underline);
    EXPECT_TRUE(v[1].endFormat.underline && v[2].endFormat.underline);
    EXPECT_FALSE(vertical->document.currentFormat().underline);
    EXPECT_EQ(vertical->state.GridWidth, 20);

    // A long question with a long answer: no gap at all.
    const auto wide = Make(Cards(Skill::Addition, 99'999'999'999'999, 1e14, 32766, 32767, 2, 1));
    EXPECT_EQ(TextOf(CardParagraphs(wide->document)[0]),
              " 100000000000000 + 32767 100000000032767");
}

TEST(FlashCards, KindsTakeTurnsCardByCard) {
    const std::pair<int16_t, std::string> cases[] = {
        {0, "HHHHHHH"}, {1, "BBBBBBB"}, {2, "HHHHHHH"}, {3, "BHBHBHB"},
        {4, "VVVVVVV"}, {5, "BVBVBVB"}, {6, "HVHVHVH"}, {7, "BHVBHVB"},
    };
    for (const auto& [style, expected] : cases)
        EXPECT_EQ(Kinds(Make(Cards(Skill::Division, 0, 100, 1, 9, style, 7))->document), expected)
            << "style " << style;
}

TEST(FlashCards, AnswersMatchTheirProblemsAndStackedNumbersLineUp) {
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        // Either number may be the longer one.
        WorksheetRequest r = Cards(Skill::Mixed, 0, 9999, 1, 999, 6, 40, true);
        r.FirstMax = seed % 2 ? 9999 : 99;
        r.AllowNegatives = true;
        r.MixedSkills = true;
        r.SkillChecked = {false, true, true, true, true};
        const auto sheet = Make(r, seed);
        const std::vector<Paragraph> ps = CardParagraphs(sheet->document);
        for (size_t i = 0; i < ps.size(); ++i) {
            std::string line = TextOf(ps[i]);
            if (line.empty())
                continue;
            double a = 0, b = 0;
            std::string sign, rest;
            if (ps[i].runs[0].format.fontName == "Courrier New") {
                // The sign and second number end under the first number's last digit.
                const std::string second = TextOf(ps[++i]);
                const size_t digits = line.find_first_not_of(' ');
                const size_t end = line.find(' ', digits);
                EXPECT_EQ(static_cast<int>(end), CharacterCount(second)) << line << " / " << second;
                std::istringstream(line.substr(0, end)) >> a;
                std::istringstream(second) >> sign >> b;
                rest = line.substr(end);
            } else {
                std::istringstream in(line);
                in >> a >> sign >> b;
                std::getline(in, rest);
            }
            std::istringstream answer(rest);
            double q = 0, remainder = 0;
            answer >> q;
            if (sign == "+")
                EXPECT_EQ(q, a + b);
            else if (sign == "-")
                EXPECT_EQ(q, a - b);
            else if (sign == "x")
                EXPECT_EQ(q, a * b);
            else if (std::fmod(a, b) == 0) {
                std::string more;
                answer >> more;
                EXPECT_EQ(q, a / b) << line;
                EXPECT_EQ(more, "") << line; // no remainder part
            } else {
                std::string r1, r2;
                answer >> r1 >> r2 >> remainder;
                EXPECT_EQ(r1 + r2, "R(") << line;
                EXPECT_EQ(q * b + remainder, a) << line;
                EXPECT_TRUE(remainder > 0 && remainder < b && b <= a) << line;
            }
        }
    }
    ArithmeticProblem sevenByTwo{7, 2, Skill::Division, 3, 1, false, 3.5};
    EXPECT_EQ(CardAnswerText(sevenByTwo, true), " 3 R ( 1)");
    EXPECT_EQ(CardAnswerText(sevenByTwo, false), " 3");
}
