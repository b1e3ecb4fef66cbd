#include "worksheet/flash_cards.h"

#include "core/number_text.h"
#include "core/utf8.h"
#include "document/page_setup.h"

#include <algorithm>
#include <cmath>

namespace abacore {

namespace {

enum class Card { Horizontal, Vertical, Bracket };

Card firstCard(int16_t style) {
    switch (style) {
    case 4:
        return Card::Vertical;
    case 1:
    case 3:
    case 5:
    case 7:
        return Card::Bracket;
    default:
        return Card::Horizontal;
    }
}

// The kind of the next card: styles of two kinds alternate, style 7 goes bracket, horizontal,
// vertical, and a single kind stays.
Card nextCard(int16_t style, Card card) {
    switch (style) {
    case 3:
        return card == Card::Horizontal ? Card::Bracket
               : card == Card::Bracket  ? Card::Horizontal
                                        : card;
    case 5:
        return card == Card::Vertical  ? Card::Bracket
               : card == Card::Bracket ? Card::Vertical
                                       : card;
    case 6:
        return card == Card::Horizontal ? Card::Vertical
               : card == Card::Vertical ? Card::Horizontal
                                        : card;
    case 7:
        return card == Card::Horizontal ? Card::Vertical
               : card == Card::Vertical ? Card::Bracket
                                        : Card::Horizontal;
    default:
        return card;
    }
}

std::string trimmed(double value) {
    return TrimmedNumberText(value);
}

// Advance widths in thousandths of an em. The fixed-pitch fonts (the stacked cards' and the
// bracket's side) are 600 wide (602 in one); the others are those of the bold serif
// face (the cards are bold), whose metric twins agree on every character a card can hold.
// Anything else counts as a whole em, so an unexpected character errs towards a smaller card.
int serifBoldWidth(char32_t c) {
    if (c >= '0' && c <= '9')
        return 500;
    switch (c) {
    case ' ':
        return 250;
    case '-':
    case '(':
    case ')':
        return 333;
    case 'x':
    case '_':
        return 500;
    case '+':
    case U'\u00F7':
        return 570;
    case 'R':
        return 722;
    default:
        return 1000;
    }
}
constexpr int kFixedPitchWidth = 602;

double widthInEms(std::string_view utf8, bool fixedPitch) {
    int thousandths = 0;
    for (size_t at = 0; at < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, at);
        thousandths += fixedPitch ? kFixedPitchWidth : serifBoldWidth(c);
    }
    return thousandths / 1000.0;
}

class CardWriter {
public:
    CardWriter(GenerationState& state, Document& worksheet, Paper paper)
        : m_state(state), m_worksheet(worksheet), m_paper(paper) {}

    void horizontal(const ArithmeticProblem& problem) {
        m_worksheet.SetFontName(kCardFont);
        m_state.GridWidth = kWideCardWidth;
        std::string text = " ";
        AppendTrimmedNumberText(text, problem.first);
        text += ' ';
        text += SkillSign(problem.skill);
        text += ' ';
        AppendTrimmedNumberText(text, problem.second);
        appendGap(text, CharacterCount(text), 2);
        text += m_state.AnswerText;
        m_worksheet.SetFontSize(CardFontSize(widthInEms(text, false), m_paper));
        m_worksheet.Insert(text);
        endCard("\n\n\n\n");
    }

    // A bar of "_" over the dividend, then divisor, the bracket's side, dividend and answer.
    void bracket(const ArithmeticProblem& problem) {
        m_worksheet.SetFontName(kCardFont);
        m_state.GridWidth = kWideCardWidth;
        const std::string divisor = trimmed(problem.second);
        const std::string dividend = trimmed(problem.first);
        const int sLength = CharacterCount(divisor) + 2; // " " + divisor + "/"
        std::string bar(static_cast<size_t>(sLength + 1), ' ');
        bar.append(static_cast<size_t>(CharacterCount(dividend) + 1), '_');
        std::string text = dividend;
        appendGap(text, sLength + CharacterCount(dividend), 0);
        text += m_state.AnswerText;
        const double size =
            CardFontSize(std::max(widthInEms(bar, false),
                                  widthInEms(divisor + text, false) + kFixedPitchWidth / 1000.0),
                         m_paper);
        // The bar and the line under it are one card: never cut apart by a page end.
        m_worksheet.SetKeepWithNext(true);
        m_worksheet.SetFontSize(size);
        m_worksheet.Insert(bar);
        endCard("\n");
        m_worksheet.SetKeepWithNext(false);
        m_worksheet.SetFontSize(size);
        m_worksheet.Insert(divisor);
        m_worksheet.SetFontName(kBracketSideFont);
        m_worksheet.Insert(kBracketSide);
        m_worksheet.SetFontName(kCardFont);
        m_worksheet.Insert(text);
        endCard("\n\n\n\n");
    }

    // First number over sign and second number, right-aligned on the digits; the second line
    // underlined; the answer after the first line's gap.
    void vertical(const ArithmeticProblem& problem) {
        m_worksheet.SetFontName(kVerticalCardFont);
        m_state.GridWidth = kVerticalCardWidth;
        const std::string a = trimmed(problem.first);
        const std::string b = trimmed(problem.second);
        const int lengthA = CharacterCount(a);
        const int lengthB = CharacterCount(b);
        std::string first;
        if (lengthB > lengthA)
            first.append(static_cast<size_t>(lengthB - lengthA), ' ') += "  ";
        else if (lengthB == lengthA)
            first = "  ";
        else
            first = " ";
        first += a;
        appendGap(first, CharacterCount(first), 0);
        first += m_state.AnswerText;
        // The first line is the longer one: the answer follows the longer number.
        const double size = CardFontSize(widthInEms(first, true), m_paper);
        m_worksheet.SetFontSize(size);
        m_worksheet.SetKeepWithNext(true);
        m_worksheet.Insert(first);
        endCard("\n");
        m_worksheet.SetKeepWithNext(false);

        std::string second(SkillSign(problem.skill));
        if (lengthA > lengthB)
            second.append(static_cast<size_t>(lengthA - lengthB), ' ');
        else
            second += ' ';
        second += b;
        m_worksheet.SetUnderline(true);
        m_worksheet.SetFontSize(size);
        m_worksheet.Insert(second);
        endCard("\n\n\n");
        m_worksheet.SetUnderline(false);
    }

private:
    // The line breaks of a card are of full size, whatever the size of its text: every strip
    // is as tall as the others.
    void endCard(std::string_view breaks) {
        m_worksheet.SetFontSize(kCardFontSize);
        m_worksheet.Insert(breaks);
    }

    void appendGap(std::string& text, int questionLength, double less) {
        const int gap =
            CardGap(m_state.GridWidth, questionLength, CharacterCount(m_state.AnswerText), less);
        text.append(static_cast<size_t>(gap), ' ');
    }

    GenerationState& m_state;
    Document& m_worksheet;
    Paper m_paper;
};

} // namespace

std::string CardAnswerText(const ArithmeticProblem& problem, bool remaindersAllowed) {
    std::string text = NumberText(problem.answer);
    if (problem.skill == Skill::Division && remaindersAllowed && !problem.exact) {
        text += " R (";
        AppendNumberText(text, problem.remainder);
        text += ')';
    }
    return text;
}

double CardFontSize(double widthInEms, Paper paper) {
    const double room = PageSetup::PageOf(paper).textWidthInches() * 72 * kCardLineShare;
    if (widthInEms * kCardFontSize <= room)
        return kCardFontSize;
    return std::floor(room / widthInEms * 2) / 2;
}

int CardGap(int width, int questionLength, int answerLength, double less) {
    const double half = width / 2.0;
    const double n = (half - questionLength) + (half - answerLength) / 2.0 - less;
    return n < 1 ? 0 : static_cast<int>(std::floor(n));
}

void MakeFlashCards(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                    const DrawLimits& limits, GenerationState& state, Document& worksheet) {
    const bool remainders = request.AllowRemainders.value_or(false);
    const int16_t style = request.ProblemStyle;
    worksheet.SetAlignment(Alignment::Left);
    CardWriter writer(state, worksheet, request.PaperSize);
    Card card = firstCard(style);
    DrawnProblems drawn;
    for (int number = 1; number <= request.ProblemCount; ++number) {
        const ArithmeticProblem problem = NextNewProblem(request, random, rules, limits, drawn);
        state.AnswerText = CardAnswerText(problem, remainders);
        // The back of the card as it prints, without the blank a number text starts with.
        state.Content.problems.push_back(
            {QuestionText(problem),
             state.AnswerText.substr(state.AnswerText.find_first_not_of(' ')),
             {},
             0});
        switch (card) {
        case Card::Horizontal:
            writer.horizontal(problem);
            break;
        case Card::Vertical:
            writer.vertical(problem);
            break;
        case Card::Bracket:
            writer.bracket(problem);
            break;
        }
        card = nextCard(style, card);
    }
}

} // namespace abacore
