#include "worksheet/editing_tools.h"

namespace abacore {

const std::array<NamedColour, 4>& FontColourChoices() {
    static const std::array<NamedColour, 4> colours{{
        {"Black", {0, 0, 0}},
        {"Blue", {0, 0, 255}},
        {"Red", {255, 0, 0}},
        {"Green", {0, 255, 0}},
    }};
    return colours;
}

std::optional<size_t> FontColourIndex(Rgb colour) {
    const auto& colours = FontColourChoices();
    for (size_t i = 0; i < colours.size(); ++i)
        if (colours[i].rgb == colour)
            return i;
    return std::nullopt;
}

std::vector<int> FontSizeChoices() {
    std::vector<int> sizes;
    for (int points = 8; points <= 72; points += 2)
        sizes.push_back(points);
    return sizes;
}

} // namespace abacore
