#pragma once

#include "core/paper.h"

namespace abacore {

// The printed page, shared by the writers, the layouts and the PDF renderer: A4 or US Letter,
// with the same margins on both. They leave 7.3 inches for the text on Letter and 7.07 on A4,
// so a 75-character grid row of 11-point Courier New (6.875 in) stays on one line on either.

namespace PageSetup {

inline constexpr int kTwipsPerInch = 1440;

inline constexpr double kLeftMarginInches = 0.6;
inline constexpr double kRightMarginInches = 0.6;
inline constexpr double kTopMarginInches = 0.75;
inline constexpr double kBottomMarginInches = 0.75;

constexpr int ToTwips(double inches) {
    const double twips = inches * kTwipsPerInch;
    return static_cast<int>(twips + (twips < 0 ? -0.5 : 0.5));
}

struct Page {
    double paperWidthInches;
    double paperHeightInches;

    constexpr double textWidthInches() const {
        return paperWidthInches - kLeftMarginInches - kRightMarginInches;
    }
    constexpr double textHeightInches() const {
        return paperHeightInches - kTopMarginInches - kBottomMarginInches;
    }
    constexpr int paperWidthTwips() const { return ToTwips(paperWidthInches); }
    constexpr int paperHeightTwips() const { return ToTwips(paperHeightInches); }
    // The printable area, as the margins in twips leave it.
    constexpr int textWidthTwips() const {
        return paperWidthTwips() - ToTwips(kLeftMarginInches) - ToTwips(kRightMarginInches);
    }
    constexpr int textHeightTwips() const {
        return paperHeightTwips() - ToTwips(kTopMarginInches) - ToTwips(kBottomMarginInches);
    }
};

inline constexpr Page kLetter{8.5, 11.0};
inline constexpr Page kA4{210 / 25.4, 297 / 25.4};

constexpr const Page& PageOf(Paper paper) {
    return paper == Paper::A4 ? kA4 : kLetter;
}

// A grid row: 75 cells of a fixed-pitch font whose advance is 0.6 em.
inline constexpr double kGridRowWidthInches = 75 * 0.6 * 11.0 / 72.0;
static_assert(kGridRowWidthInches < kA4.textWidthInches(), "a grid row must fit on one line");
static_assert(kA4.textWidthInches() < kLetter.textWidthInches(), "A4 is the narrower paper");

} // namespace PageSetup

} // namespace abacore
