#include "wizard/range_rules.h"
#include "wizard/skill_rules.h"

#include <gtest/gtest.h>

namespace {

WorksheetRequest requestFor(Activity activity, const std::array<bool, 4>& ticked) {
    WorksheetRequest r;
    r.ActivityType = activity;
    ApplySkillChoice(r, ticked);
    return r;
}

RangeBoxes boxesFor(Activity activity, const std::array<bool, 4>& ticked) {
    return RangeBoxesFrom(RangeScreenOpening(requestFor(activity, ticked)));
}

// Types `text` into a box and leaves it.
std::optional<RangeProblem> typeInto(RangeBoxes& boxes, int box, const std::string& text) {
    boxes.texts[static_cast<size_t>(box)] = text;
    return CheckRangeBox(boxes, box);
}

constexpr std::array<bool, 4> AdditionOnly{true, false, false, false};
constexpr std::array<bool, 4> DivisionOnly{false, false, false, true};

} // namespace

TEST(RangeOpening, PlainSkillsOpenAtZeroToHundredWithTheirSign) {
    const RangeScreenSetup setup =
        RangeScreenOpening(requestFor(Activity::SkillsPractice, AdditionOnly));
    EXPECT_EQ(setup.values, (std::array{0, 100, 0, 100}));
    EXPECT_EQ(setup.lowest, (std::array{0, 0, 0, 0}));
    EXPECT_EQ(setup.sign, "+");
    EXPECT_TRUE(setup.secondRowShown);
    EXPECT_EQ(
        RangeScreenOpening(requestFor(Activity::SkillsPractice, {false, true, false, false})).sign,
        "-");
    EXPECT_EQ(
        RangeScreenOpening(requestFor(Activity::SkillsPractice, {false, false, true, false})).sign,
        "x");
    EXPECT_EQ(
        RangeScreenOpening(requestFor(Activity::SkillsPractice, {true, true, false, false})).sign,
        "\u00F7");
}

TEST(RangeOpening, DivisionKeepsTheSecondRowAboveZero) {
    for (const auto& ticked : {DivisionOnly, std::array{true, false, false, true}}) {
        const RangeScreenSetup setup =
            RangeScreenOpening(requestFor(Activity::SkillsPractice, ticked));
        EXPECT_EQ(setup.values, (std::array{0, 100, 1, 100}));
        EXPECT_EQ(setup.lowest, (std::array{0, 0, 1, 1}));
        EXPECT_EQ(setup.sign, "\u00F7");
    }
}

TEST(RangeOpening, CrosswordOpensWide) {
    const RangeScreenSetup setup =
        RangeScreenOpening(requestFor(Activity::Crossword, AdditionOnly));
    EXPECT_EQ(setup.values, (std::array{0, 1000, 0, 1000}));
    EXPECT_EQ(setup.lowest, (std::array{0, 100, 0, 100}));
    // With division the divisor rule comes last, also for the second maximum.
    const RangeScreenSetup divided =
        RangeScreenOpening(requestFor(Activity::Crossword, {true, false, false, true}));
    EXPECT_EQ(divided.values, (std::array{0, 1000, 1, 1000}));
    EXPECT_EQ(divided.lowest, (std::array{0, 100, 1, 1}));
}

TEST(RangeOpening, MathSquaresHideTheSecondRow) {
    EXPECT_FALSE(
        RangeScreenOpening(requestFor(Activity::MathSquares, AdditionOnly)).secondRowShown);
}

TEST(RangeBoxCheck, TypedTextBecomesTheMagnitudeOfItsWholePart) {
    RangeBoxes boxes = boxesFor(Activity::SkillsPractice, AdditionOnly);
    const std::pair<const char*, const char*> cases[] = {
        {"12.7", "12"}, {"-30", "30"}, {"-7.9", "8"}, {"abc", "0"}, {" 42x", "42"}, {"", "0"}};
    for (const auto& [typed, kept] : cases) {
        EXPECT_FALSE(typeInto(boxes, 3, typed)) << typed;
        EXPECT_EQ(boxes.texts[3], kept) << typed;
    }
    typeInto(boxes, 3, "64");
    EXPECT_EQ(boxes.arrows[3], 64) << "the arrow follows the box";
}

TEST(RangeBoxCheck, BelowTheLowestValueIsAnInvalidEntry) {
    RangeBoxes boxes = boxesFor(Activity::SkillsPractice, DivisionOnly);
    const auto problem = typeInto(boxes, 2, "0");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->fault, RangeFault::InvalidEntry);
    EXPECT_EQ(problem->box, 2);
    EXPECT_EQ(problem->message, (WizardMessage{"Oops!", "Invalid entry..."}));
    EXPECT_EQ(boxes.texts[2], "");
    EXPECT_EQ(boxes.arrows[2], 1) << "the arrow keeps its value";

    RangeBoxes crossword = boxesFor(Activity::Crossword, AdditionOnly);
    crossword.texts[0] = "80";
    ASSERT_TRUE(typeInto(crossword, 1, "50"));
    EXPECT_EQ(crossword.texts[1], "") << "no pair rule runs for an invalid entry";
    EXPECT_EQ(crossword.texts[0], "80");
}

TEST(RangeBoxCheck, CeilingIsAcceptedButTheArrowDoesNotFollowIt) {
    RangeBoxes boxes = boxesFor(Activity::SkillsPractice, AdditionOnly);
    EXPECT_FALSE(typeInto(boxes, 1, "32767"));
    EXPECT_EQ(boxes.texts[1], "32767");
    EXPECT_EQ(boxes.arrows[1], 100);
    const auto problem = typeInto(boxes, 1, "32768");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->fault, RangeFault::InvalidEntry);
    EXPECT_EQ(boxes.texts[1], "");
    EXPECT_TRUE(typeInto(boxes, 3, "1e9"));
}

TEST(RangeBoxCheck, RaisedMinimumPullsItsMaximumSilently) {
    RangeBoxes boxes = boxesFor(Activity::SkillsPractice, AdditionOnly);
    EXPECT_FALSE(typeInto(boxes, 0, "500"));
    EXPECT_EQ(boxes.texts[1], "500");
    EXPECT_EQ(boxes.arrows[1], 500);
    EXPECT_EQ(boxes.texts[3], "100") << "the other row is left alone";

    EXPECT_FALSE(typeInto(boxes, 2, "250"));
    EXPECT_EQ(boxes.texts[3], "250");
    EXPECT_EQ(boxes.arrows[3], 250);

    EXPECT_FALSE(typeInto(boxes, 0, "500")) << "equal values are fine";
}

TEST(RangeBoxCheck, LoweredMaximumIsSetBackWithAMessage) {
    RangeBoxes boxes = boxesFor(Activity::SkillsPractice, AdditionOnly);
    typeInto(boxes, 0, "80");
    const auto problem = typeInto(boxes, 1, "50");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->fault, RangeFault::MaximumBelowMinimum);
    EXPECT_EQ(problem->message,
              (WizardMessage{"Hey!", "The maximum value must be higher or equal to the minimum."}));
    EXPECT_EQ(boxes.texts[1], "80");
    EXPECT_EQ(boxes.arrows[1], 80);

    typeInto(boxes, 2, "30");
    ASSERT_TRUE(typeInto(boxes, 3, "20"));
    EXPECT_EQ(boxes.texts[3], "30");
}

TEST(RangeContinueCheck, EditedBoxMayNotBeEmpty) {
    RangeBoxes boxes = boxesFor(Activity::SkillsPractice, AdditionOnly);
    boxes.texts[1] = " ";
    const auto problem = CheckEditedRangeBox(boxes, 1);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->fault, RangeFault::InvalidEntry);
    EXPECT_EQ(boxes.texts[1], "");
    boxes.texts[0] = "-30";
    EXPECT_FALSE(CheckEditedRangeBox(boxes, 0));
    EXPECT_EQ(boxes.texts[0], "30");
}

TEST(RangeContinueCheck, EmptyOrOutOfBoundsBoxesAreInvalid) {
    RangeBoxes boxes = boxesFor(Activity::SkillsPractice, DivisionOnly);
    std::array<double, 4> values{};
    ASSERT_FALSE(CheckRangeTexts(boxes, values));
    EXPECT_EQ(values, (std::array{0.0, 100.0, 1.0, 100.0}));

    boxes.texts[2] = "";
    auto problem = CheckRangeTexts(boxes, values);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->box, 2);
    EXPECT_EQ(problem->fault, RangeFault::InvalidEntry);

    const std::array<int, 4> lowest{0, 0, 1, 1};
    EXPECT_EQ(CheckRangeValues(lowest, {0, 100, 0, 100})->box, 2);
    EXPECT_EQ(CheckRangeValues(lowest, {-1, 100, 1, 100})->box, 0);
    EXPECT_EQ(CheckRangeValues(lowest, {0, 40000, 1, 100})->box, 1);
    EXPECT_FALSE(CheckRangeValues(lowest, {0, 32767, 1, 32767}));
}

TEST(RangeContinueCheck, MinimumAboveMaximumNamesTheMaximum) {
    const std::array<int, 4> lowest{0, 0, 0, 0};
    auto problem = CheckRangeValues(lowest, {50, 40, 0, 100});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->fault, RangeFault::MaximumBelowMinimum);
    EXPECT_EQ(problem->box, 1);
    EXPECT_EQ(CheckRangeValues(lowest, {0, 100, 7, 6})->box, 3);
    EXPECT_FALSE(CheckRangeValues(lowest, {5, 5, 6, 6}));
}

TEST(RangeStore, StoresWholePartsAndWarnsTheCrossword) {
    WorksheetRequest r = requestFor(Activity::Crossword, {true, false, false, true});
    StoreRanges(r, {0, 1000, 1, 1000});
    EXPECT_EQ(r.FirstMin, 0.0);
    EXPECT_EQ(r.FirstMax, 1000.0);
    EXPECT_EQ(r.SecondMin, 1.0);
    EXPECT_EQ(r.SecondMax, 1000);
    EXPECT_FALSE(CrosswordRangeWarning(r));

    // Division lets the crossword's second maximum go below 100; that only earns a warning.
    StoreRanges(r, {0, 1000, 1, 50.9});
    EXPECT_EQ(r.SecondMax, 50);
    const auto warning = CrosswordRangeWarning(r);
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->text,
              "For the crossword to be created properly, the maximum values should be at least "
              "100.");

    r.ActivityType = Activity::SkillsPractice;
    EXPECT_FALSE(CrosswordRangeWarning(r));
}
