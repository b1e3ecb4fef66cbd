#include "worksheet/activity_table.h"

#include "core/program_folder.h"
#include "core/program_messages.h"
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
PreparedSheet SharedRulesOnly(const WorksheetRequest& r, const ProblemRules& rules) {
    return {CheckProblemsCanBeMade(r, rules), {}};
}
PreparedSheet RiddleCheck(const WorksheetRequest& r, const ProblemRules& rules) {
    return {CheckSecretRiddleCanBeMade(r, rules), {}};
}
// Replaces the shared check, which would test the second range that squares do not use.
PreparedSheet SquaresCheck(const WorksheetRequest& r, const ProblemRules& rules) {
    return {CheckMathSquaresCanBeMade(r, rules), {}};
}
PreparedSheet WordsCheck(const WorksheetRequest& r, const ProblemRules& rules) {
    WordProblemsSetup setup = CheckWordProblemsCanBeMade(r, rules, DataFoldersOf(r));
    return {setup.limits, std::move(setup.templates)};
}
PreparedSheet MatchingCheck(const WorksheetRequest& r, const ProblemRules& rules) {
    PreparedSheet prepared = SharedRulesOnly(r, rules);
    CheckValueMatchingCanBeMade(r);
    return prepared;
}

// The generators, each given what its check prepared.
void SkillsSheet(WorksheetRequest& r, RandomSource& random, const ProblemRules& rules,
                 const PreparedSheet& p, GenerationState& s, Document& d) {
    MakeSkillsPractice(r, random, rules, p.limits, s, d);
}
void RiddleSheet(WorksheetRequest& r, RandomSource& random, const ProblemRules& rules,
                 const PreparedSheet& p, GenerationState& s, Document& d) {
    MakeSecretRiddle(r, random, rules, p.limits, s, d);
}
void SquaresSheet(WorksheetRequest& r, RandomSource& random, const ProblemRules& rules,
                  const PreparedSheet& p, GenerationState& s, Document& d) {
    MakeMathSquares(r, random, rules, p.limits, s, d);
}
void WordsSheet(WorksheetRequest& r, RandomSource& random, const ProblemRules& rules,
                const PreparedSheet& p, GenerationState& s, Document& d) {
    MakeWordProblems(r, random, rules, p.limits, p.templates, s, d);
}
void CardsSheet(WorksheetRequest& r, RandomSource& random, const ProblemRules& rules,
                const PreparedSheet& p, GenerationState& s, Document& d) {
    MakeFlashCards(r, random, rules, p.limits, s, d);
}
void MatchingSheet(WorksheetRequest& r, RandomSource& random, const ProblemRules& rules,
                   const PreparedSheet& p, GenerationState& s, Document& d) {
    MakeValueMatching(r, random, rules, p.limits, s, d);
}

const std::array<ActivityRow, 7> kRows{{
    {.activity = Activity::SkillsPractice,
     .batchName = "skills",
     .title = "Skills Practice Sheet",
     .buttonName = "Command1",
     .description =
         "Arithmetic problems across, stacked or in the division bracket, with an answer key",
     .headingWord = "Practice Worksheet",
     .check = &SharedRulesOnly,
     .generator = &SkillsSheet,
     .hasAnswerKey = true,
     .hasNameLine = true,
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
     .options = kStyleOptions,
     .missingLayout = true},
    // No count screen: the punch line's letters set the number of problems.
    {.activity = Activity::SecretRiddle,
     .batchName = "riddle",
     .title = "Secret Riddle Worksheet",
     .buttonName = "Command2",
     .description = "Solve the problems, then use their answers to spell out a riddle's punch line",
     .headingWord = "Solve-The-Riddle Worksheet",
     .check = &RiddleCheck,
     .generator = &RiddleSheet,
     .hasAnswerKey = true,
     .hasNameLine = true,
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
     .options = kRiddleOptions,
     .answerForm = AnswerForm::Riddle},
    // The squares' option comes after the count, but its "Go Back" skips the count.
    {.activity = Activity::MathSquares,
     .batchName = "squares",
     .title = "Math Squares Puzzle",
     .buttonName = "Command3",
     .description = "Two-by-two boxes: find four numbers that give each row's and column's result",
     .headingWord = "Math Squares",
     .check = &SquaresCheck,
     .generator = &SquaresSheet,
     .hasAnswerKey = true,
     .hasNameLine = true,
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
     .options = kSquaresOptions,
     .answerForm = AnswerForm::Squares,
     .countPrompt = "How many squares do you want on this worksheet?",
     .secondRowShown = false,
     .takesChoices = false},
    {.activity = Activity::WordProblems,
     .batchName = "words",
     .title = "Word Problems Sheet",
     .buttonName = "Command6",
     .description = "Short stories, each hiding one arithmetic problem to solve",
     .headingWord = "Word Problems Worksheet",
     .check = &WordsCheck,
     .generator = &WordsSheet,
     .hasAnswerKey = true,
     .hasNameLine = true,
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
     .options = {},
     .answerForm = AnswerForm::Stories},
    // The cards are cut apart, so any number of them fits.
    {.activity = Activity::FlashCards,
     .batchName = "cards",
     .title = "Make Flash Cards",
     .buttonName = "Command7",
     .description = "Strips to cut and fold, the problem on the front and its answer on the back",
     .headingWord = "",
     .check = &SharedRulesOnly,
     .generator = &CardsSheet,
     .hasAnswerKey = false,
     .hasNameLine = false,
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
                     "have no large print.",
     .answerForm = AnswerForm::Cards},
    {.activity = Activity::ValueMatching,
     .batchName = "matching",
     .title = "Value-Matching Worksheet",
     .buttonName = "Command8",
     .description =
         "Match each problem with the one of equal value in the right column, by its letter",
     .headingWord = "Value-Matching Worksheet",
     .check = &MatchingCheck,
     .generator = &MatchingSheet,
     .hasAnswerKey = true,
     .hasNameLine = true,
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
     .options = {},
     .answerForm = AnswerForm::Matching},
    // As many words as the grid holds, every one with its own run of cells: how many depends on
    // the lengths of the answers, so on the skills and the ranges.
    {.activity = Activity::Crossword,
     .batchName = "crossword",
     .title = "Math Crossword Puzzle",
     .buttonName = "Command4",
     .description =
         "A crossword whose clues are problems and whose answers fill the grid digit by digit",
     .headingWord = "Crossword Puzzle",
     .check = nullptr,
     .generator = nullptr,
     .hasAnswerKey = true,
     .hasNameLine = true,
     .directions = nullptr,
     .afterDirections = nullptr,
     .asksRemainders = false,
     .asksNegatives = false,
     .problemRules = {.remaindersNeedOrder = false},
     .screens = kCrosswordScreens,
     .backJump = std::nullopt,
     .countLimit = std::nullopt,
     .countLimitNoun = "",
     .countCapacity = CrosswordCapacity,
     .defaultCount = 20,
     .options = {},
     .noLargePrint = "The crossword's grid has a fixed size, so the puzzle has no large print.",
     .output = Output::Crossword,
     .openingNote = Note{ProgramText::kCrosswordHelpTitle, ProgramText::kCrosswordHelp},
     // Small maxima leave too few long answers to build a crossword from.
     .rangeValues = {0, 1000, 0, 1000},
     .rangeLowest = {0, 100, 0, 100},
     .rangeWarning = "For the crossword to be created properly, the maximum values should be at "
                     "least 100."},
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

std::string WindowTitleOf(std::string_view caption, Activity activity) {
    std::string title(caption);
    title += " \u2013 "; // an en dash
    title += RowOf(activity).title;
    return title;
}

} // namespace abacore
