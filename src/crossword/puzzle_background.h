#pragma once
// The puzzle's background: eight colours or a picture, chosen on the builder window. The choice
// colours the answer display and the printed grid alike.

#include "document/document.h"

#include <array>

namespace abacore {

struct BackgroundOption {
    const char* label;
    Rgb colour;
    bool picture; // the option that shows the chosen picture instead of a colour
};

inline constexpr int kPictureBackground = 8;

// "No Color", the seven colours and "Add Background Graphic", as the option buttons 0 to 8.
const std::array<BackgroundOption, 9>& BackgroundOptions();

// What choosing option `selected` shows: a colour, or white with the picture (when one has been
// chosen) and the "Choose picture..." button. A picture stays loaded while a colour is shown,
// so choosing the picture option again brings it back.
struct BackgroundLook {
    Rgb colour{255, 255, 255};
    bool pictureShown = false;

    friend bool operator==(const BackgroundLook&, const BackgroundLook&) = default;
};

// Out-of-range choices look like "No Color".
BackgroundLook LookOf(int selected);

} // namespace abacore
