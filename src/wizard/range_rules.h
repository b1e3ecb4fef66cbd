#pragma once
// The range screen's rules: the boxes' opening values and lowest values, the check run when a
// box loses the focus, the check run on "Continue", and storing the four bounds. Boxes are
// numbered 0 first minimum, 1 first maximum, 2 second minimum, 3 second maximum.

#include "core/worksheet_request.h"
#include "wizard/wizard_message.h"

#include <array>
#include <optional>
#include <string>

namespace abacore {

// The largest value of a box and of its arrow control (SecondMax is a 16-bit integer).
inline constexpr int kRangeCeiling = 32767;

namespace RangeText {
inline constexpr const char* kCaption = "Choose Minimum and Maximum";
inline constexpr const char* kPrompt =
    "Type or use the arrows provided to choose minimum and maximum values for the worksheet.";
inline constexpr const char* kMinimum = "Minimum";
inline constexpr const char* kMaximum = "Maximum";
inline constexpr const char* kThrough = "through";
inline constexpr const char* kInvalidTitle = "Oops!";
inline constexpr const char* kInvalid = "Invalid entry...";
inline constexpr const char* kMaximumTitle = "Hey!";
inline constexpr const char* kMaximumBelowMinimum =
    "The maximum value must be higher or equal to the minimum.";
inline constexpr const char* kWarningTitle = "Hey!";
} // namespace RangeText

// What the screen shows when it opens.
struct RangeScreenSetup {
    std::array<int, 4> values{0, 100, 0, 100}; // in the boxes, and the arrows' positions
    std::array<int, 4> lowest{0, 0, 0, 0};     // the lowest value each box accepts
    std::string sign;                          // in front of the second row
    bool secondRowShown = true;
};

RangeScreenSetup RangeScreenOpening(const WorksheetRequest& request);

// The boxes and their arrow controls while the screen is open.
struct RangeBoxes {
    std::array<std::string, 4> texts;
    std::array<int, 4> arrows{};
    std::array<int, 4> lowest{};
};

RangeBoxes RangeBoxesFrom(const RangeScreenSetup& setup);

// Whether an arrow control follows a box that holds `value`.
inline bool ArrowFollows(int value) {
    return value < kRangeCeiling;
}

enum class RangeFault {
    InvalidEntry,        // the box is emptied and gets the focus back
    MaximumBelowMinimum, // the maximum was set back to the minimum
};

struct RangeProblem {
    RangeFault fault;
    int box;
    WizardMessage message;
};

// The check when box (or arrow control) `box` loses the focus: the box's text becomes the
// magnitude of the whole part of its leading number ("-7.9" gives "8", "abc" gives "0"); a value
// below the box's lowest value or above kRangeCeiling is an invalid entry (the box is emptied);
// otherwise the arrow follows, and the pair rules keep minimum <= maximum: a minimum raised
// above its maximum silently pulls the maximum up, a maximum lowered below its minimum is set
// back to it with a message. Returns the message to show, if any.
std::optional<RangeProblem> CheckRangeBox(RangeBoxes& boxes, int box);

// The check when the focus moves between box `box` and its own arrow control, which act as one
// control: a box left empty by an invalid entry is not refused again, and its arrow goes to the
// box's lowest value so that the arrows step from there. Any other text is checked as
// CheckRangeBox does.
std::optional<RangeProblem> CheckRangeBoxInPair(RangeBoxes& boxes, int box);

// The check of the box being edited when "Continue" is pressed (Return does not move the
// focus): as CheckRangeBox, except that an empty box is an invalid entry rather than 0.
std::optional<RangeProblem> CheckEditedRangeBox(RangeBoxes& boxes, int box);

// The check on "Continue" for four values (the batch command passes its own): each one
// at or above its box's lowest value and at most kRangeCeiling, and each
// minimum at or below its maximum. Returns the first problem found.
std::optional<RangeProblem> CheckRangeValues(const std::array<int, 4>& lowest,
                                             const std::array<double, 4>& values);

// The same for the boxes' texts, where an empty box (or one without a number) is an invalid
// entry. On success `values` holds the four values.
std::optional<RangeProblem> CheckRangeTexts(const RangeBoxes& boxes, std::array<double, 4>& values);

// Stores the whole parts of four checked values as FirstMin, FirstMax, SecondMin, SecondMax.
void StoreRanges(WorksheetRequest& request, const std::array<double, 4>& values);

// After storing: the row's range warning when a stored bound is below the row's lowest value
// for its box (for the crossword, a maximum below 100 that division let through). It is only
// a warning; the wizard goes on.
std::optional<WizardMessage> RangeWarning(const WorksheetRequest& request);

} // namespace abacore
