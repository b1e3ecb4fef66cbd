#pragma once
// The worksheet window's font tools: the choices their lists offer and the rule of the
// bold, italic and underline buttons.

#include "document/document.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

struct NamedColour {
    std::string_view name;
    Rgb rgb;
};

// "Black", "Blue", "Red", "Green", in the list's order.
const std::array<NamedColour, 4>& FontColourChoices();
// The entry of the colour list for `colour`, or nothing for any other colour.
std::optional<size_t> FontColourIndex(Rgb colour);

// 8, 10, 12, ... 72 points.
std::vector<int> FontSizeChoices();
inline constexpr int kInitialFontSizeIndex = 1; // "10"
inline constexpr std::string_view kInitialFontName = "Courier New";

// The sizes a typed entry may give; anything else is refused with kFontSizeMessage.
inline constexpr int kSmallestFontSize = 6;
inline constexpr int kLargestFontSize = 144;
// The size a typed entry gives: a whole number of points within the limits (blanks around it
// are ignored), or nothing.
std::optional<int> TypedFontSize(std::string_view text);
inline constexpr const char* kFontSizeTitle = "Oops!";
std::string FontSizeMessage();

// The font list from the system's family names: a family that several foundries supply
// ("C059 [urw]", "C059 [UKWN]") is listed once under its plain name, in the system's order;
// the names the documents are written with, "Courier New" and "Times New Roman", are offered
// too, in alphabetical place, even where the system only maps them to fonts of its own.
std::vector<std::string> FontNameChoices(const std::vector<std::string>& systemFamilies);

// The attribute a button press gives the whole selection: a selection that has it throughout
// loses it; one that has it nowhere or only in part gets it everywhere.
inline bool AttributeAfterPress(bool wholeSelectionHasIt) {
    return !wholeSelectionHasIt;
}

} // namespace abacore
