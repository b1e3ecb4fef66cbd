#include "worksheet/activity_table.h"

#include "core/program_folder.h"
#include "crossword/crossword_capacity.h"
#include "worksheet/directions.h"
#include "worksheet/feasibility.h"
#include "worksheet/flash_cards.h"
#include "worksheet/math_squares.h"
#include "worksheet/riddle_feasibility.h"
#include "worksheet/riddle_options.h"
#include "worksheet/secret_riddle.h"
#include "worksheet/skills_practice.h"
#include "worksheet/squares_feasibility.h"
#include "worksheet/squares_option.h"
#include "worksheet/style_option.h"
#include "worksheet/value_matching.h"
#include "worksheet/word_problems.h"

#include <array>

namespace abacore {

namespace {

using enum Screen;

constexpr std::array kSkillsScreens{ChooseSkill,   ChooseStyle,   ChooseMinMax,
                                    ChooseHeading, ChooseHowMany, Worksheet};
constexpr std::array kRiddleScreens{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseRiddle,
                                    Worksheet};
constexpr std::array kSquaresScreens{ChooseSkill,   ChooseMinMax,        ChooseHeading,
                                     ChooseHowMany, ChooseSquaresOption, Worksheet};
constexpr std::array kPlainScreens{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany,
                                   Worksheet};
constexpr std::array kCardScreens{ChooseSkill,     ChooseStyle,   ChooseMinMax,
                                  FlashDirections, ChooseHowMany, Worksheet};
constexpr std::array kCrosswordScreens{ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany,
                                       Crossword};

const std::array kStyleOptions{kStyleOption};
const std::array kRiddleOptions{kRiddleOption, kPunchLineOption};
const std::array kSquaresOptions{kFirstSquareFilledOption};

// The checks: every activity's ranges must be able to make its problems; some need more.
PreparedSheet SharedRulesOnly(const WorksheetRequest& r) {
    return {CheckProblemsCanBeMade(r, RulesFor(r.ActivityType)), {}};
}
PreparedSheet RiddleCheck(const WorksheetRequest& r) {
    return {CheckSecretRiddleCanBeMade(r), {}};
}
// Replaces the shared check, which would test the second range that squares do not use.
PreparedSheet SquaresCheck(const WorksheetRequest& r) {
    return {CheckMathSquaresCanBeMade(r), {}};
}
PreparedSheet WordsCheck(const WorksheetRequest& r) {
    WordProblemsSetup setup = CheckWordProblemsCanBeMade(r, DataFoldersOf(r));
    return {setup.limits, std::move(setup.templates)};
}
PreparedSheet MatchingCheck(const WorksheetRequest& r) {
    PreparedSheet prepared = SharedRulesOnly(r);
    CheckValueMatchingCanBeMade(r);
    return prepared;
}

// The generators, each given what its check prepared.
void SkillsSheet(WorksheetRequest& r, RandomSource& random, const PreparedSheet& p,
                 GenerationState& s, Document& d) {
    MakeSkillsPractice(r, random, p.limits, s, d);
}
void RiddleSheet(WorksheetRequest& r, RandomSource& random, const PreparedSheet& p,
                 GenerationState& s, Document& d) {
    MakeSecretRiddle(r, random, p.limits, s, d);
}
void SquaresSheet(WorksheetRequest& r, RandomSource& random, const PreparedSheet& p,
                  GenerationState& s, Document& d) {
    MakeMathSquares(r, random, p.limits, s, d);
}
void WordsSheet(WorksheetRequest& r, RandomSource& random, const PreparedSheet& p,
                GenerationState& s, Document& d) {
    MakeWordProblems(r, random, p.limits, p.templates, s, d);
}
void CardsSheet(WorksheetRequest& r, RandomSource& random, const PreparedSheet& p,
                GenerationState& s, Document& d) {
    MakeFlashCards(r, random, p.limits, s, d);
}
void MatchingSheet(WorksheetRequest& r, RandomSource& random, const PreparedSheet& p,
                   GenerationState& s, Document& d) {
    MakeValueMatching(r, random, p.limits, s, d);
}

const std::array<ActivityRow, 7> kRows{{
    {.activity = Activity::SkillsPractice,
     .batchName = "skills",
     .title = "Skills Practice Sheet",
     .headingWord = "Practice Worksheet",
     .check = &SharedRulesOnly,
     .generator = &SkillsSheet,
     .hasAnswerKey = true,
     .directions = &SkillsPracticeDirections,
     .afterDirections = nullptr,
     .asksRemainders = true,
     .asksNegatives = true,
     .problemRules = {},
     .screens = kSkillsScreens,
     .backJump = std::nullopt,
     .countLimit = std::nullopt,
     .countLimitNoun = "",
     .defaultCount = 20,
     .options = kStyleOptions},
    // No count screen: the punch line's letters set the number of problems.
    {.activity = Activity::SecretRiddle,
     .batchName = "riddle",
     .title = "Secret Riddle Worksheet",
     .headingWord = "Solve-The-Riddle Worksheet",
     .check = &RiddleCheck,
     .generator = &RiddleSheet,
     .hasAnswerKey = true,
     .directions = &SecretRiddleDirections,
     .afterDirections = &WriteRiddleLine,
     .asksRemainders = false,
     .asksNegatives = true,
     .problemRules = {.remaindersNeedOrder = false},
     .screens = kRiddleScreens,
     .backJump = std::nullopt,
     .countLimit = std::nullopt,
     .countLimitNoun = "",
     .defaultCount = 20,
     .options = kRiddleOptions},
    // The squares' option comes after the count, but its "Go Back" skips the count.
    {.activity = Activity::MathSquares,
     .batchName = "squares",
     .title = "Math Squares Puzzle",
     .headingWord = "Math Squares",
     .check = &SquaresCheck,
     .generator = &SquaresSheet,
     .hasAnswerKey = true,
     .directions = &MathSquaresDirections,
     .afterDirections = nullptr,
     .asksRemainders = true,
     .asksNegatives = true,
     .problemRules = {},
     .screens = kSquaresScreens,
     .backJump = std::pair{ChooseSquaresOption, ChooseHeading},
     .countLimit = kMostSquares,
     .countLimitNoun = "Math Squares",
     .defaultCount = 6,
     .options = kSquaresOptions},
    {.activity = Activity::WordProblems,
     .batchName = "words",
     .title = "Word Problems Sheet",
     .headingWord = "Word Problems Worksheet",
     .check = &WordsCheck,
     .generator = &WordsSheet,
     .hasAnswerKey = true,
     .directions = &WordProblemsDirections,
     .afterDirections = nullptr,
     .asksRemainders = false,
     .asksNegatives = false,
     .problemRules = {.reseed = Reseed::AfterPick},
     .screens = kPlainScreens,
     .backJump = std::nullopt,
     .countLimit = 20,
     .countLimitNoun = "Word Problems",
     .defaultCount = 20,
     .options = {}},
    // The cards are cut apart, so any number of them fits.
    {.activity = Activity::FlashCards,
     .batchName = "cards",
     .title = "Make Flash Cards",
     .headingWord = "",
     .check = &SharedRulesOnly,
     .generator = &CardsSheet,
     .hasAnswerKey = false,
     .directions = nullptr,
     .afterDirections = nullptr,
     .asksRemainders = true,
     .asksNegatives = true,
     .problemRules = {},
     .screens = kCardScreens,
     .backJump = std::nullopt,
     .countLimit = std::nullopt,
     .countLimitNoun = "",
     .defaultCount = 20,
     .options = kStyleOptions,
     .noLargePrint = "Flash cards are already printed as large as the page allows, so they "
                     "have no large print."},
    {.activity = Activity::ValueMatching,
     .batchName = "matching",
     .title = "Value-Matching Worksheet",
     .headingWord = "Value-Matching Worksheet",
     .check = &MatchingCheck,
     .generator = &MatchingSheet,
     .hasAnswerKey = true,
     .directions = &ValueMatchingDirections,
     .afterDirections = nullptr,
     .asksRemainders = false,
     .asksNegatives = true,
     .problemRules = {.divisionAlwaysExact = true, .remaindersNeedOrder = false},
     .screens = kPlainScreens,
     .backJump = std::nullopt,
     .countLimit = kMostMatchingProblems,
     .countLimitNoun = "problems",
     .defaultCount = 20,
     .options = {}},
    // As many words as the grid holds, every one with its own run of cells: how many depends on
    // the lengths of the answers, so on the skills and the ranges.
    {.activity = Activity::Crossword,
     .batchName = "crossword",
     .title = "Math Crossword Puzzle",
     .headingWord = "Crossword Puzzle",
     .check = nullptr,
     .generator = nullptr,
     .hasAnswerKey = true,
     .directions = nullptr,
     .afterDirections = nullptr,
     .asksRemainders = false,
     .asksNegatives = false,
     .problemRules = {.remaindersNeedOrder = false},
     .screens = kCrosswordScreens,
     .backJump = std::nullopt,
     .countLimit = std::nullopt,
     .countLimitNoun = "",
     .countCapacity = CrosswordCapacityRefusal,
     .defaultCount = 20,
     .options = {},
     .noLargePrint = "The crossword's grid has a fixed size, so the puzzle has no large print."},
}};

} // namespace

std::span<const ActivityRow> Activities() {
    return kRows;
}

const ActivityRow& RowOf(Activity activity) {
    for (const ActivityRow& row : kRows)
        if (row.activity == activity)
            return row;
    return kRows.front();
}

const ActivityRow* RowByBatchName(std::string_view name) {
    for (const ActivityRow& row : kRows)
        if (row.batchName == name)
            return &row;
    return nullptr;
}

} // namespace abacore
