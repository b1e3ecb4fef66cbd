#pragma once
// The worksheet window's font tools: the choices their lists offer and the rule of the
// bold, italic and underline buttons.

#include "worksheet/document.h"

#include <array>
#include <optional>
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

// The attribute a button press gives the whole selection: a selection that has it throughout
// loses it; one that has it nowhere or only in part gets it everywhere.
inline bool AttributeAfterPress(bool wholeSelectionHasIt) {
    return !wholeSelectionHasIt;
}

} // namespace abacore
