#pragma once
// The one program-wide record through which every screen and generator talks. It is never
// reset: a field that the current request's screens do not write keeps an earlier value.

#include "core/paper.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace abacore {

enum class Activity : int16_t {
    None = 0,
    SkillsPractice = 1,
    SecretRiddle = 2,
    MathSquares = 3,
    WordProblems = 4,
    FlashCards = 5,
    ValueMatching = 6,
    Crossword = 7,
};

enum class Skill : int16_t {
    None = 0,
    Addition = 1,
    Subtraction = 2,
    Multiplication = 3,
    Division = 4,
    Mixed = 5,
};

// Bits of ProblemStyle.
namespace StyleBit {
inline constexpr int16_t kBracket = 1;
inline constexpr int16_t kHorizontal = 2;
inline constexpr int16_t kVertical = 4;
// A horizontal problem with a blank for one of its numbers (the skills sheet only).
inline constexpr int16_t kMissing = 8;
// The mixes whose rows take turns.
inline constexpr int16_t kBracketHorizontal = kBracket | kHorizontal;
inline constexpr int16_t kBracketVertical = kBracket | kVertical;
inline constexpr int16_t kHorizontalVertical = kHorizontal | kVertical;
inline constexpr int16_t kAll = kBracket | kHorizontal | kVertical;
} // namespace StyleBit

// A yes/no value that may never have been written; unset counts as false.
using YesNo = std::optional<bool>;
// A number that may never have been written; unset computes as 0.
using Number = std::optional<double>;

inline bool IsTrue(const YesNo& v) {
    return v.value_or(false);
}
inline double ValueOf(const Number& v) {
    return v.value_or(0.0);
}

// Whether an addition carries, or a subtraction borrows, in some column.
enum class Regrouping : int8_t { Any = 0, Never = 1, Always = 2 };

// What a teacher may ask of the problems beyond the two ranges, to fit the lesson. Left at these
// defaults, every sheet is drawn exactly as without them.
struct ProblemChoices {
    Regrouping regrouping = Regrouping::Any;
    // Every answer (the whole quotient of a division) lies within answerMin..answerMax.
    bool answerLimit = false;
    double answerMin = 0;
    double answerMax = 0;
    // Bit k-1 set: k (1..12) may be a multiplication's second number or a divisor. 0: any.
    uint16_t facts = 0;
    // No problem twice on one sheet (a + b and b + a, a x b and b x a count as the same).
    bool noRepeats = false;

    bool isDefault() const {
        return regrouping == Regrouping::Any && !answerLimit && facts == 0 && !noRepeats;
    }
};

struct WorksheetRequest {
    Activity ActivityType = Activity::None;
    Skill SkillMode = Skill::None;
    std::array<YesNo, 5> SkillChecked{}; // indices 1..4 by skill code; 0 unused
    bool MixedSkills = false;
    YesNo AllowRemainders;
    bool AllowNegatives = false;
    int16_t ProblemStyle = 0;
    Number FirstMin;
    Number FirstMax;
    Number SecondMin;
    int16_t SecondMax = 0;
    std::string Heading;
    int16_t ProblemCount = 0;
    ProblemChoices Choices;
    bool FirstSquareFilled = false;
    // The worksheet and its key in larger type, for pupils with low vision.
    bool LargePrint = false;
    // The paper the sheet is laid out for.
    Paper PaperSize = Paper::Letter;
    // The sheet and its key printed without the code that makes them again.
    bool NoSheetCode = false;
    std::string RiddleQuestion;
    std::string PunchLine;
    std::array<std::string, 101> CrosswordAnswers{};
    std::array<std::string, 101> CrosswordClues{};
    int16_t CrosswordCount = 0;
    bool QuickWordEnabled = false;
    std::string WordProcessorPath;
    std::string ProgramFolder;
    // An installed copy's places beside the program folder (which is then the user's own):
    // the shipped data files, read after the program folder's, and the documents folder that
    // holds the saved worksheets. Both empty when the program folder holds everything.
    std::string ShippedFolder;
    std::string DocumentsFolder;
    // Set when a sheet the request cannot make sends the teacher back into the wizard: the
    // screens where they typed (ranges, heading, count, riddle) then open with what the request
    // holds, not their defaults, until a sheet is made or the main menu starts an activity.
    bool KeepTyped = false;

    bool isChecked(Skill s) const {
        const auto i = static_cast<int>(s);
        return i >= 1 && i <= 4 && IsTrue(SkillChecked[static_cast<size_t>(i)]);
    }
};

} // namespace abacore
