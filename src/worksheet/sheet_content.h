#pragma once
// What a pupil answers on a worksheet, recorded by the generators as they print it: outputs on
// which the pupil answers on screen (the web page) work from this rather than reading the
// printed document's text back.

#include "core/worksheet_request.h"
#include "worksheet/problem.h"

#include <array>

#include <string>
#include <vector>

namespace abacore {

struct SheetProblem {
    std::string question;  // as printed after its number: "12 + 7 =", a story
    std::string answer;    // what the pupil writes: a number without blanks, or a letter
    std::string remainder; // a division where remainders are allowed: its remainder ("0" too)
    char letter = 0;       // the secret riddle's punch-line letter, upper case
};

// A math square as the pupil sees it: the skill, each row's and column's result (first row,
// second row, first column, second column) and for division their remainders; any four
// numbers that give them are right.
struct SheetSquare {
    Skill skill = Skill::None;
    std::array<double, 4> results{};
    std::array<double, 4> remainders{};
    std::string given; // the top left number when the sheet prints it; empty otherwise
};

// How the pupil answers: a box after each problem (short ones side by side, stories one under
// another), the riddle's boxes that spell its punch line, four boxes a square, a letter for each
// problem, or cards to turn over.
enum class AnswerForm { Problems, Stories, Riddle, Squares, Matching, Cards };

struct SheetContent {
    AnswerForm form = AnswerForm::Problems;
    std::string heading;
    bool hasNameLine = false;
    std::string directions; // empty for a sheet without directions
    std::string riddle;     // the secret riddle's line ("Riddle: ...") and its punch line
    std::string punchLine;
    std::vector<SheetProblem> problems; // problem K at index K - 1
    std::vector<std::string> choices;   // value matching: the lettered column, A first
    std::vector<SheetSquare> squares;
    bool remaindersShown = false; // squares: a remainder other than 0 is part of a result
    bool firstSquareFilled = false;
};

// The horizontal form of a problem: "12 + 7 =".
std::string QuestionText(const ArithmeticProblem& problem);

// A problem as the answer-checking outputs record it: the answer as a number the pupil would
// type, and the remainder when the sheet allows remainders and the problem is a division.
SheetProblem RecordedProblem(const ArithmeticProblem& problem, bool remaindersAllowed);

} // namespace abacore
