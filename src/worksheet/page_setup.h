#pragma once
// The printed page, shared by the RTF writer and the PDF renderer: US Letter with margins that
// leave 7.3 inches for the text, so a 75-character grid row of 11-point Courier New (6.875 in)
// stays on one line.

namespace PageSetup {

inline constexpr int twipsPerInch = 1440;

inline constexpr double paperWidthInches = 8.5;
inline constexpr double paperHeightInches = 11.0;
inline constexpr double leftMarginInches = 0.6;
inline constexpr double rightMarginInches = 0.6;
inline constexpr double topMarginInches = 0.75;
inline constexpr double bottomMarginInches = 0.75;

inline constexpr double textWidthInches = paperWidthInches - leftMarginInches - rightMarginInches;
inline constexpr double textHeightInches = paperHeightInches - topMarginInches - bottomMarginInches;

constexpr int ToTwips(double inches) {
    const double twips = inches * twipsPerInch;
    return static_cast<int>(twips + (twips < 0 ? -0.5 : 0.5));
}

inline constexpr int paperWidthTwips = ToTwips(paperWidthInches);
inline constexpr int paperHeightTwips = ToTwips(paperHeightInches);
inline constexpr int leftMarginTwips = ToTwips(leftMarginInches);
inline constexpr int rightMarginTwips = ToTwips(rightMarginInches);
inline constexpr int topMarginTwips = ToTwips(topMarginInches);
inline constexpr int bottomMarginTwips = ToTwips(bottomMarginInches);

// A grid row: 75 cells of a fixed-pitch font whose advance is 0.6 em.
inline constexpr double gridRowWidthInches = 75 * 0.6 * 11.0 / 72.0;
static_assert(gridRowWidthInches < textWidthInches, "a grid row must fit on one line");

} // namespace PageSetup
