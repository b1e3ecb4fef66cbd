#include "request_for.h"
#include "wizard/range_rules.h"

#include <gtest/gtest.h>

using namespace abacore;

constexpr std::array<bool, 4> Addition{1, 0, 0, 0}, Division{0, 0, 0, 1}, AddAndDivide{1, 0, 0, 1};

static RangeBoxes practiceBoxes(const std::array<bool, 4>& ticked) {
    return RangeBoxesFrom(RangeScreenOpening(RequestFor(Activity::SkillsPractice, ticked)));
}

// The fault and box of a check's problem, for comparing in one go; {-1} when there is none.
static std::pair<std::optional<RangeFault>, int> Fault(const std::optional<RangeProblem>& p) {
    return p ? std::pair(std::optional(p->fault), p->box) : std::pair(std::nullopt, -1);
}

TEST(RangeOpening, ValuesLowestValuesAndSignOfEachActivity) {
    const Activity P = Activity::SkillsPractice, X = Activity::Crossword;
    const std::string div = "\u00F7";
    using Four = std::array<int, 4>;
    using Case = std::tuple<const char*, Activity, std::array<bool, 4>, Four, Four, std::string>;
    const Case cases[] = {
        // name, activity, skills, values, lowest values, sign
        {"addition", P, Addition, {0, 100, 0, 100}, {0, 0, 0, 0}, "+"},
        {"mixed", P, {1, 1, 0, 0}, {0, 100, 0, 100}, {0, 0, 0, 0}, div},
        {"division", P, Division, {0, 100, 1, 100}, {0, 0, 1, 1}, div},
        {"crossword", X, Addition, {0, 1000, 0, 1000}, {0, 100, 0, 100}, "+"},
        // With division the divisor rule wins, also for the crossword's second maximum.
        {"crossword division", X, AddAndDivide, {0, 1000, 1, 1000}, {0, 100, 1, 1}, div},
    };
    for (const auto& [name, activity, ticked, values, lowest, sign] : cases) {
        const RangeScreenSetup setup = RangeScreenOpening(RequestFor(activity, ticked));
        EXPECT_EQ(std::tie(setup.values, setup.lowest, setup.sign, setup.secondRowShown),
                  std::tuple(values, lowest, sign, true))
            << name;
    }
    EXPECT_FALSE(RangeScreenOpening(RequestFor(Activity::MathSquares, Addition)).secondRowShown);

    // Back after a refused sheet: the ranges as typed, raised to what each box now accepts.
    WorksheetRequest kept = RequestFor(P, Division);
    std::tie(kept.FirstMin, kept.FirstMax, kept.SecondMin, kept.SecondMax) =
        std::tuple(3.0, 40.0, 0.0, 9);
    EXPECT_EQ(RangeScreenOpening(kept).values, (Four{0, 100, 1, 100}));
    kept.KeepTyped = true;
    EXPECT_EQ(RangeScreenOpening(kept).values, (Four{3, 40, 1, 9}));
}

// The invalid entry's text is checked through the batch command, its title by the window.
// Each case on a fresh division screen: 0-100 and 1-100, divisors at least 1. 32767 is accepted,
// but the arrow does not go that far.
TEST(RangeBoxCheck, TextBecomesTheWholeMagnitudeOrAnInvalidEntryIsEmptied) {
    // typed, box, text kept (empty: an invalid entry), arrow
    const std::tuple<const char*, int, std::string, int> cases[] = {
        {"12.7", 3, "12", 12}, {"-7.9", 3, "8", 8},
        {"abc", 1, "0", 0},    {" 42x", 3, "42", 42},
        {"0", 2, "", 1},       {"32768", 3, "", 100},
        {"1e9", 1, "", 100},   {"32767", 3, "32767", 100},
    };
    for (const auto& [typed, box, kept, arrow] : cases) {
        RangeBoxes boxes = practiceBoxes(Division);
        const auto i = static_cast<size_t>(box);
        boxes.texts[i] = typed;
        const auto problem = CheckRangeBox(boxes, box);
        EXPECT_EQ(std::pair(boxes.texts[i], boxes.arrows[i]), std::pair(kept, arrow)) << typed;
        const auto fault = kept.empty() ? std::optional(RangeFault::InvalidEntry) : std::nullopt;
        EXPECT_EQ(Fault(problem), std::pair(fault, fault ? box : -1)) << typed;
    }
}

// The set-back message's text: the batch command's refusals.
TEST(RangeBoxCheck, MinimumPullsItsMaximumSilentlyAndMaximumIsSetBackWithAMessage) {
    const auto setBack = RangeFault::MaximumBelowMinimum;
    using Step =
        std::tuple<int, const char*, std::optional<RangeFault>, std::array<std::string, 4>>;
    const Step steps[] = {
        // One screen throughout, opened at 0-100, 0-100.
        {0, "500", {}, {"500", "500", "0", "100"}},
        {2, "250", {}, {"500", "500", "250", "250"}},
        {1, "500", {}, {"500", "500", "250", "250"}}, // equal is fine
        {1, "50", setBack, {"500", "500", "250", "250"}},
        // An invalid entry runs no pair rule.
        {1, "32768", RangeFault::InvalidEntry, {"500", "", "250", "250"}},
    };
    RangeBoxes boxes = practiceBoxes(Addition);
    for (const auto& [box, typed, fault, texts] : steps) {
        boxes.texts[static_cast<size_t>(box)] = typed;
        const auto problem = CheckRangeBox(boxes, box);
        EXPECT_EQ(Fault(problem).first, fault) << typed;
        EXPECT_EQ(boxes.texts, texts) << typed;
    }
}

// After an invalid entry the box is empty; moving to its own arrows must not refuse it again,
// and the arrows start from the box's lowest value.
TEST(RangeBoxCheck, AnEmptiedBoxLetsItsArrowsStepFromTheLowestValue) {
    for (const Activity activity : {Activity::SkillsPractice, Activity::Crossword}) {
        const RangeBoxes opened =
            RangeBoxesFrom(RangeScreenOpening(RequestFor(activity, AddAndDivide)));
        for (int box = 0; box < 4; ++box) {
            const auto i = static_cast<size_t>(box);
            RangeBoxes boxes = opened;
            boxes.texts[i] = "40000";
            ASSERT_EQ(CheckRangeBox(boxes, box)->fault, RangeFault::InvalidEntry);
            EXPECT_EQ(CheckRangeBoxInPair(boxes, box), std::nullopt) << box;
            RangeBoxes expected = opened;
            expected.texts[i].clear();
            expected.arrows[i] = opened.lowest[i];
            EXPECT_EQ(std::tie(boxes.texts, boxes.arrows),
                      std::tie(expected.texts, expected.arrows))
                << box;
        }
    }
}

TEST(RangeContinueCheck, EditedBoxMayNotBeEmptyAndEachBoxMustBeInBounds) {
    RangeBoxes boxes = practiceBoxes(Division);
    boxes.texts[1] = std::string(" "); // assigning the literal trips a false g++ 12 warning
    EXPECT_EQ(CheckEditedRangeBox(boxes, 1)->fault, RangeFault::InvalidEntry);
    std::array<double, 4> values{};
    EXPECT_EQ(CheckRangeTexts(boxes, values)->box, 1) << "an empty box is no 0";

    const auto invalid = RangeFault::InvalidEntry, setBack = RangeFault::MaximumBelowMinimum;
    const std::tuple<std::array<double, 4>, int, std::optional<RangeFault>> cases[] = {
        {{0, 100, 0, 100}, 2, invalid}, {{0, 40000, 1, 100}, 1, invalid},
        {{0, 100, 7, 6}, 3, setBack},   {{0, 32767, 1, 32767}, -1, {}},
        {{5, 5.9, 6, 6}, -1, {}},
    };
    for (const auto& [v, box, fault] : cases)
        EXPECT_EQ(Fault(CheckRangeValues({0, 0, 1, 1}, v)), std::pair(fault, box))
            << ::testing::PrintToString(v);
}

TEST(RangeStore, StoresWholePartsAndWarnsTheCrosswordOfMaximaBelowHundred) {
    WorksheetRequest r = RequestFor(Activity::Crossword, AddAndDivide);
    StoreRanges(r, {0.5, 100.9, 1.2, 99.9});
    EXPECT_EQ(std::tie(r.FirstMin, r.FirstMax, r.SecondMin), std::tuple(0.0, 100.0, 1.0));
    EXPECT_EQ(r.SecondMax, 99);
    EXPECT_TRUE(RangeWarning(r)); // only a warning, shown by the window
    StoreRanges(r, {0, 100, 1, 100});
    EXPECT_FALSE(RangeWarning(r));
    r.ActivityType = Activity::SkillsPractice;
    StoreRanges(r, {0, 10, 1, 10});
    EXPECT_FALSE(RangeWarning(r));
}
