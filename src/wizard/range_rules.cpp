#include "wizard/range_rules.h"

#include "wizard/number_entry.h"
#include "wizard/skill_signs.h"
#include "worksheet/activity_table.h"

#include <algorithm>
#include <cmath>

namespace abacore {

namespace {

constexpr int kFirstMinBox = 0;
constexpr int kFirstMaxBox = 1;
constexpr int kSecondMinBox = 2;
constexpr int kSecondMaxBox = 3;

// Divisors come from the second row, so neither of its boxes may reach 0.
void keepDivisorsAboveZero(RangeScreenSetup& setup) {
    setup.lowest[kSecondMinBox] = 1;
    setup.lowest[kSecondMaxBox] = 1;
    setup.values[kSecondMinBox] = 1;
}

RangeProblem invalidEntry(int box) {
    return {RangeFault::InvalidEntry, box, {RangeText::kInvalidTitle, RangeText::kInvalid}};
}

RangeProblem maximumBelowMinimum(int box) {
    return {RangeFault::MaximumBelowMinimum,
            box,
            {RangeText::kMaximumTitle, RangeText::kMaximumBelowMinimum}};
}

double valueOfText(const std::string& text) {
    return LeadingNumber(text).value_or(0.0);
}

// Copies the minimum of a row into its maximum. True when the maximum had to change.
bool pullMaximum(RangeBoxes& boxes, int minBox, int maxBox) {
    const double minimum = valueOfText(boxes.texts[static_cast<size_t>(minBox)]);
    if (minimum <= valueOfText(boxes.texts[static_cast<size_t>(maxBox)]))
        return false;
    boxes.texts[static_cast<size_t>(maxBox)] = boxes.texts[static_cast<size_t>(minBox)];
    const int value = static_cast<int>(minimum);
    if (ArrowFollows(value) && value >= boxes.lowest[static_cast<size_t>(maxBox)])
        boxes.arrows[static_cast<size_t>(maxBox)] = value;
    return true;
}

} // namespace

RangeScreenSetup RangeScreenOpening(const WorksheetRequest& request) {
    const ActivityRow& row = RowOf(request.ActivityType);
    RangeScreenSetup setup;
    setup.sign = SignText(request.SkillMode);
    setup.values = row.rangeValues;
    setup.lowest = row.rangeLowest;
    // Also among mixed skills, and also over the row's lowest values: the second row may then
    // open at 1.
    if (request.SkillMode == Skill::Division || request.isChecked(Skill::Division))
        keepDivisorsAboveZero(setup);
    setup.secondRowShown = row.secondRowShown;
    if (request.KeepTyped) {
        const std::array<double, 4> typed{ValueOf(request.FirstMin), ValueOf(request.FirstMax),
                                          ValueOf(request.SecondMin),
                                          static_cast<double>(request.SecondMax)};
        for (size_t i = 0; i < 4; ++i)
            setup.values[i] = static_cast<int>(
                std::clamp(typed[i], static_cast<double>(setup.lowest[i]), kRangeCeiling * 1.0));
    }
    return setup;
}

RangeBoxes RangeBoxesFrom(const RangeScreenSetup& setup) {
    RangeBoxes boxes;
    for (size_t i = 0; i < 4; ++i)
        boxes.texts[i] = std::to_string(setup.values[i]);
    boxes.arrows = setup.values;
    boxes.lowest = setup.lowest;
    return boxes;
}

std::optional<RangeProblem> CheckRangeBox(RangeBoxes& boxes, int box) {
    const auto i = static_cast<size_t>(box);
    const double value = WholeMagnitude(boxes.texts[i]).value_or(0.0);
    boxes.texts[i] = DigitsOf(value);
    if (value < boxes.lowest[i] || value > kRangeCeiling) {
        boxes.texts[i].clear();
        return invalidEntry(box);
    }
    if (ArrowFollows(static_cast<int>(value)))
        boxes.arrows[i] = static_cast<int>(value);

    switch (box) {
    case kFirstMinBox:
        pullMaximum(boxes, kFirstMinBox, kFirstMaxBox);
        break;
    case kSecondMinBox:
        pullMaximum(boxes, kSecondMinBox, kSecondMaxBox);
        break;
    case kFirstMaxBox:
        if (pullMaximum(boxes, kFirstMinBox, kFirstMaxBox))
            return maximumBelowMinimum(box);
        break;
    case kSecondMaxBox:
        if (pullMaximum(boxes, kSecondMinBox, kSecondMaxBox))
            return maximumBelowMinimum(box);
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::optional<RangeProblem> CheckRangeBoxInPair(RangeBoxes& boxes, int box) {
    const auto i = static_cast<size_t>(box);
    if (boxes.texts[i].find_first_not_of(" \t") == std::string::npos) {
        boxes.texts[i].clear();
        boxes.arrows[i] = boxes.lowest[i];
        return std::nullopt;
    }
    return CheckRangeBox(boxes, box);
}

std::optional<RangeProblem> CheckEditedRangeBox(RangeBoxes& boxes, int box) {
    const std::string& text = boxes.texts[static_cast<size_t>(box)];
    if (text.find_first_not_of(" \t") == std::string::npos) {
        boxes.texts[static_cast<size_t>(box)].clear();
        return invalidEntry(box);
    }
    return CheckRangeBox(boxes, box);
}

std::optional<RangeProblem> CheckRangeValues(const std::array<int, 4>& lowest,
                                             const std::array<double, 4>& values) {
    std::array<double, 4> whole{};
    for (size_t i = 0; i < 4; ++i) {
        whole[i] = std::floor(values[i]);
        if (!std::isfinite(whole[i]) || whole[i] < lowest[i] || whole[i] > kRangeCeiling)
            return invalidEntry(static_cast<int>(i));
    }
    if (whole[kFirstMinBox] > whole[kFirstMaxBox])
        return maximumBelowMinimum(kFirstMaxBox);
    if (whole[kSecondMinBox] > whole[kSecondMaxBox])
        return maximumBelowMinimum(kSecondMaxBox);
    return std::nullopt;
}

std::optional<RangeProblem> CheckRangeTexts(const RangeBoxes& boxes,
                                            std::array<double, 4>& values) {
    for (size_t i = 0; i < 4; ++i) {
        const auto value = LeadingNumber(boxes.texts[i]);
        if (!value)
            return invalidEntry(static_cast<int>(i));
        values[i] = *value;
    }
    return CheckRangeValues(boxes.lowest, values);
}

void StoreRanges(WorksheetRequest& request, const std::array<double, 4>& values) {
    request.FirstMin = std::floor(values[kFirstMinBox]);
    request.FirstMax = std::floor(values[kFirstMaxBox]);
    request.SecondMin = std::floor(values[kSecondMinBox]);
    request.SecondMax = static_cast<int16_t>(std::floor(values[kSecondMaxBox]));
}

std::optional<WizardMessage> RangeWarning(const WorksheetRequest& request) {
    const ActivityRow& row = RowOf(request.ActivityType);
    if (row.rangeWarning.empty())
        return std::nullopt;
    const std::array<double, 4> stored{ValueOf(request.FirstMin), ValueOf(request.FirstMax),
                                       ValueOf(request.SecondMin),
                                       static_cast<double>(request.SecondMax)};
    for (size_t i = 0; i < stored.size(); ++i)
        if (stored[i] < row.rangeLowest[i])
            return WizardMessage{RangeText::kWarningTitle, std::string(row.rangeWarning)};
    return std::nullopt;
}

} // namespace abacore
