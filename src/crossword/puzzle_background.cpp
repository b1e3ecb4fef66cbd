#include "crossword/puzzle_background.h"

namespace abacore {

const std::array<BackgroundOption, 9>& BackgroundOptions() {
    static constexpr std::array<BackgroundOption, 9> kOptions{{
        {"No Color", {255, 255, 255}, false},
        {"Black", {0, 0, 0}, false},
        {"Grey", {192, 192, 192}, false},
        {"Green", {0, 192, 0}, false},
        {"Blue", {0, 0, 255}, false},
        {"Red", {255, 128, 128}, false},
        {"Yellow", {255, 255, 128}, false},
        {"Purple", {255, 0, 255}, false},
        {"Add Background Graphic", {255, 255, 255}, true},
    }};
    return kOptions;
}

BackgroundLook LookOf(int selected) {
    if (selected < 0 || selected >= static_cast<int>(BackgroundOptions().size()))
        return {};
    const BackgroundOption& option = BackgroundOptions()[static_cast<size_t>(selected)];
    return {option.colour, option.picture};
}

} // namespace abacore
