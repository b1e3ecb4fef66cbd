#include "request_for.h"
#include "wizard/range_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr std::array<bool, 4> Addition{1, 0, 0, 0}, Division{0, 0, 0, 1}, AddAndDivide{1, 0, 0, 1};

RangeBoxes practiceBoxes(const std::array<bool, 4>& ticked) {
    return RangeBoxesFrom(RangeScreenOpening(RequestFor(Activity::SkillsPractice, ticked)));
}

} // namespace

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
        {"mixed division", P, AddAndDivide, {0, 100, 1, 100}, {0, 0, 1, 1}, div},
        {"crossword", X, Addition, {0, 1000, 0, 1000}, {0, 100, 0, 100}, "+"},
        // With division the divisor rule wins, also for the crossword's second maximum.
        {"crossword division", X, AddAndDivide, {0, 1000, 1, 1000}, {0, 100, 1, 1}, div},
    };
    for (const auto& [name, activity, ticked, values, lowest, sign] : cases) {
        const RangeScreenSetup setup = RangeScreenOpening(RequestFor(activity, ticked));
        EXPECT_EQ(setup.values, values) << name;
        EXPECT_EQ(setup.lowest, lowest) << name;
        EXPECT_EQ(setup.sign, sign) << name;
        EXPECT_TRUE(setup.secondRowShown) << name;
    }
    EXPECT_FALSE(RangeScreenOpening(RequestFor(Activity::MathSquares, Addition)).secondRowShown);
}

// Each case on a fresh division screen: 0-100 and 1-100, divisors at least 1. 32767 is accepted,
// but the arrow does not go that far.
TEST(RangeBoxCheck, TextBecomesTheWholeMagnitudeOrAnInvalidEntryIsEmptied) {
    // typed, box, text kept (empty: an invalid entry), arrow
    const std::tuple<const char*, int, std::string, int> cases[] = {
        {"12.7", 3, "12", 12}, {"-7.9", 3, "8", 8},
        {"abc", 1, "0", 0},    {" 42x", 3, "42", 42},
        {"", 1, "0", 0},       {"-30", 0, "30", 30},
        {"0", 2, "", 1},       {"32768", 3, "", 100},
        {"1e9", 1, "", 100},   {"32767", 3, "32767", 100},
    };
    for (const auto& [typed, box, kept, arrow] : cases) {
        RangeBoxes boxes = practiceBoxes(Division);
        boxes.texts[static_cast<size_t>(box)] = typed;
        const auto problem = CheckRangeBox(boxes, box);
        EXPECT_EQ(boxes.texts[static_cast<size_t>(box)], kept) << typed;
        EXPECT_EQ(boxes.arrows[static_cast<size_t>(box)], arrow) << typed;
        EXPECT_EQ(problem.has_value(), kept.empty()) << typed;
        if (problem) {
            EXPECT_EQ(problem->fault, RangeFault::InvalidEntry) << typed;
            EXPECT_EQ(problem->box, box) << typed;
            EXPECT_EQ(problem->message, (WizardMessage{"Oops!", "Invalid entry..."}));
        }
    }
}

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
        {3, "20", setBack, {"500", "500", "250", "250"}},
        // An invalid entry runs no pair rule.
        {1, "32768", RangeFault::InvalidEntry, {"500", "", "250", "250"}},
    };
    RangeBoxes boxes = practiceBoxes(Addition);
    for (const auto& [box, typed, fault, texts] : steps) {
        boxes.texts[static_cast<size_t>(box)] = typed;
        const auto problem = CheckRangeBox(boxes, box);
        EXPECT_EQ(problem ? std::optional(problem->fault) : std::nullopt, fault) << typed;
        EXPECT_EQ(boxes.texts, texts) << typed;
        for (size_t i = 0; i < 4; ++i) // the arrows follow the boxes
            EXPECT_TRUE(texts[i].empty() || std::to_string(boxes.arrows[i]) == texts[i]) << typed;
        if (fault == setBack) {
            EXPECT_EQ(problem->message,
                      (WizardMessage{"Hey!",
                                     "The maximum value must be higher or equal to the minimum."}));
        }
    }
}

TEST(RangeContinueCheck, EditedBoxMayNotBeEmptyAndEachBoxMustBeInBounds) {
    RangeBoxes boxes = practiceBoxes(Division);
    boxes.texts[1] = std::string(" "); // assigning the literal trips a false g++ 12 warning
    EXPECT_EQ(CheckEditedRangeBox(boxes, 1)->fault, RangeFault::InvalidEntry);
    EXPECT_EQ(boxes.texts[1], "");
    std::array<double, 4> values{};
    EXPECT_EQ(CheckRangeTexts(boxes, values)->box, 1) << "an empty box is no 0";

    const auto invalid = RangeFault::InvalidEntry, setBack = RangeFault::MaximumBelowMinimum;
    const std::tuple<std::array<double, 4>, int, RangeFault> cases[] = {
        {{0, 100, 0, 100}, 2, invalid},   {{-1, 100, 1, 100}, 0, invalid},
        {{0, 40000, 1, 100}, 1, invalid}, {{50, 40, 1, 100}, 1, setBack},
        {{0, 100, 7, 6}, 3, setBack},     {{0, 32767, 1, 32767}, -1, {}},
        {{5, 5.9, 6, 6}, -1, {}},
    };
    for (const auto& [v, box, fault] : cases) {
        const auto problem = CheckRangeValues({0, 0, 1, 1}, v);
        EXPECT_EQ(problem ? problem->box : -1, box) << ::testing::PrintToString(v);
        if (problem) {
            EXPECT_EQ(problem->fault, fault) << ::testing::PrintToString(v);
        }
    }
}

TEST(RangeStore, StoresWholePartsAndWarnsTheCrosswordOfMaximaBelowHundred) {
    WorksheetRequest r = RequestFor(Activity::Crossword, AddAndDivide);
    StoreRanges(r, {0.5, 100.9, 1.2, 99.9});
    EXPECT_EQ(r.FirstMin, 0.0);
    EXPECT_EQ(r.FirstMax, 100.0);
    EXPECT_EQ(r.SecondMin, 1.0);
    EXPECT_EQ(r.SecondMax, 99);
    // Division lets the crossword's second maximum go below 100; that only earns a warning.
    EXPECT_EQ(CrosswordRangeWarning(r),
              (WizardMessage{"Hey!", "For the crossword to be created properly, the maximum "
                                     "values should be at least 100."}));
    StoreRanges(r, {0, 100, 1, 100});
    EXPECT_FALSE(CrosswordRangeWarning(r));
    r.ActivityType = Activity::SkillsPractice;
    StoreRanges(r, {0, 10, 1, 10});
    EXPECT_FALSE(CrosswordRangeWarning(r));
}
