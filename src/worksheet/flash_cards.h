#pragma once
// Flash cards: one strip per problem in a large font, the question at one end and its answer
// at the other, so that the strip folds into a card. The card kinds (horizontal, vertical,
// bracketed) take turns card by card as ProblemStyle says. There is no answer key.

#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "document/document.h"
#include "worksheet/char_grid.h"
#include "worksheet/problem.h"

#include <string>

namespace abacore {

// The fonts of the cards. The vertical cards name their font as the sheet always has,
// misspelt; a reader that lacks it falls back on another.
inline constexpr const char* kCardFont = "Times New Roman";
inline constexpr const char* kVerticalCardFont = "Courrier New";
inline constexpr const char* kBracketSideFont = "Terminal";
// The side of the division bracket: code 179 of the "Terminal" font's character set.
inline constexpr const char* kBracketSide = "\u2502";

// Large enough to read across a classroom.
inline constexpr double kCardFontSize = 50;
// A card is one line on its strip, whatever its numbers: 5-digit numbers, 10-digit products
// and remainders make lines too long for 50 points (a stacked card holds some 17 characters at
// that size). Such a card, and only such a card, is set smaller, just enough to fit; its gap
// keeps the blanks the layout gives it, since the gap puts the answer where the fold brings it
// to the back, and a narrower gap alone would still leave the longest cards too wide. The
// line may fill this share of the page's text width: the rest is kept for screens that round
// each character's advance to whole pixels.
inline constexpr double kCardLineShare = 0.98;

// Widths of a strip in characters.
inline constexpr int kWideCardWidth = 35; // horizontal and bracketed cards
inline constexpr int kVerticalCardWidth = 20;

// Inserts request.ProblemCount cards into the worksheet in 50-point type (smaller where a card
// needs it, see kCardLineShare). state.AnswerText
// holds the last card's answer; state.GridWidth the last card's width.
void MakeFlashCards(WorksheetRequest& request, RandomSource& random, const ProblemRules& rules,
                    const DrawLimits& limits, GenerationState& state, Document& worksheet);

// The answer as a card shows it: NumberText of the answer, and for a division that leaves a
// remainder (when remainders are allowed) " R (" + NumberText(remainder) + ")".
std::string CardAnswerText(const ArithmeticProblem& problem, bool remaindersAllowed);

// The size of a card whose longest line is this many ems wide: kCardFontSize when it fits on the
// paper's page, otherwise the largest half point size at which it does.
double CardFontSize(double widthInEms, Paper paper);

// The blanks between a card's question and its answer: the largest whole number not above
// (width / 2 - questionLength) + (width / 2 - answerLength) / 2 - less, none below 1.
int CardGap(int width, int questionLength, int answerLength, double less);

} // namespace abacore
