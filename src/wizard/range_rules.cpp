#include "wizard/range_rules.h"

#include "wizard/number_entry.h"
#include "wizard/skill_signs.h"

#include <cmath>

namespace {

constexpr int FirstMinBox = 0;
constexpr int FirstMaxBox = 1;
constexpr int SecondMinBox = 2;
constexpr int SecondMaxBox = 3;

// Divisors come from the second row, so neither of its boxes may reach 0.
void keepDivisorsAboveZero(RangeScreenSetup& setup) {
    setup.lowest[SecondMinBox] = 1;
    setup.lowest[SecondMaxBox] = 1;
    setup.values[SecondMinBox] = 1;
}

RangeProblem invalidEntry(int box) {
    return {RangeFault::InvalidEntry, box, {RangeText::InvalidTitle, RangeText::Invalid}};
}

RangeProblem maximumBelowMinimum(int box) {
    return {RangeFault::MaximumBelowMinimum,
            box,
            {RangeText::MaximumTitle, RangeText::MaximumBelowMinimum}};
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
    RangeScreenSetup setup;
    setup.sign = SignText(request.SkillMode);
    if (request.SkillMode == Skill::Division)
        keepDivisorsAboveZero(setup);
    if (request.ActivityType == Activity::Crossword) {
        // Small maxima leave too few long answers to build a crossword from.
        setup.lowest = {0, 100, 0, 100};
        setup.values = {0, 1000, 0, 1000};
    }
    // Also among mixed skills, and also for the crossword: its second row may then open at 1.
    if (request.isChecked(Skill::Division))
        keepDivisorsAboveZero(setup);
    setup.secondRowShown = request.ActivityType != Activity::MathSquares;
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
    if (value < boxes.lowest[i] || value > RangeCeiling) {
        boxes.texts[i].clear();
        return invalidEntry(box);
    }
    if (ArrowFollows(static_cast<int>(value)))
        boxes.arrows[i] = static_cast<int>(value);

    switch (box) {
    case FirstMinBox:
        pullMaximum(boxes, FirstMinBox, FirstMaxBox);
        break;
    case SecondMinBox:
        pullMaximum(boxes, SecondMinBox, SecondMaxBox);
        break;
    case FirstMaxBox:
        if (pullMaximum(boxes, FirstMinBox, FirstMaxBox))
            return maximumBelowMinimum(box);
        break;
    case SecondMaxBox:
        if (pullMaximum(boxes, SecondMinBox, SecondMaxBox))
            return maximumBelowMinimum(box);
        break;
    default:
        break;
    }
    return std::nullopt;
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
        if (!std::isfinite(whole[i]) || whole[i] < lowest[i] || whole[i] > RangeCeiling)
            return invalidEntry(static_cast<int>(i));
    }
    if (whole[FirstMinBox] > whole[FirstMaxBox])
        return maximumBelowMinimum(FirstMaxBox);
    if (whole[SecondMinBox] > whole[SecondMaxBox])
        return maximumBelowMinimum(SecondMaxBox);
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
    request.FirstMin = std::floor(values[FirstMinBox]);
    request.FirstMax = std::floor(values[FirstMaxBox]);
    request.SecondMin = std::floor(values[SecondMinBox]);
    request.SecondMax = static_cast<int16_t>(std::floor(values[SecondMaxBox]));
}

std::optional<WizardMessage> CrosswordRangeWarning(const WorksheetRequest& request) {
    if (request.ActivityType != Activity::Crossword)
        return std::nullopt;
    if (valueOf(request.FirstMin) < 0 || valueOf(request.FirstMax) < 100 ||
        valueOf(request.SecondMin) < 0 || request.SecondMax < 100)
        return WizardMessage{RangeText::CrosswordTitle, RangeText::CrosswordRanges};
    return std::nullopt;
}
