#pragma once

namespace abacore {

// The printed page, shared by the RTF writer and the PDF renderer: US Letter with margins that
// leave 7.3 inches for the text, so a 75-character grid row of 11-point Courier New (6.875 in)
// stays on one line.

namespace PageSetup {

inline constexpr int kTwipsPerInch = 1440;

inline constexpr double kPaperWidthInches = 8.5;
inline constexpr double kPaperHeightInches = 11.0;
inline constexpr double kLeftMarginInches = 0.6;
inline constexpr double kRightMarginInches = 0.6;
inline constexpr double kTopMarginInches = 0.75;
inline constexpr double kBottomMarginInches = 0.75;

inline constexpr double kTextWidthInches =
    kPaperWidthInches - kLeftMarginInches - kRightMarginInches;
inline constexpr double kTextHeightInches =
    kPaperHeightInches - kTopMarginInches - kBottomMarginInches;

constexpr int ToTwips(double inches) {
    const double twips = inches * kTwipsPerInch;
    return static_cast<int>(twips + (twips < 0 ? -0.5 : 0.5));
}

inline constexpr int kPaperWidthTwips = ToTwips(kPaperWidthInches);
inline constexpr int kPaperHeightTwips = ToTwips(kPaperHeightInches);
inline constexpr int kLeftMarginTwips = ToTwips(kLeftMarginInches);
inline constexpr int kRightMarginTwips = ToTwips(kRightMarginInches);
inline constexpr int kTopMarginTwips = ToTwips(kTopMarginInches);
inline constexpr int kBottomMarginTwips = ToTwips(kBottomMarginInches);

// A grid row: 75 cells of a fixed-pitch font whose advance is 0.6 em.
inline constexpr double kGridRowWidthInches = 75 * 0.6 * 11.0 / 72.0;
static_assert(kGridRowWidthInches < kTextWidthInches, "a grid row must fit on one line");

} // namespace PageSetup

} // namespace abacore
