#include "wizard/screen_flow.h"

#include "worksheet/activity_table.h"

#include <algorithm>

namespace abacore {

namespace {

// Where `from` stands in the activity's screens; nullopt for a screen it does not use.
std::optional<size_t> PlaceOf(std::span<const Screen> screens, Screen from) {
    const auto it = std::find(screens.begin(), screens.end(), from);
    if (it == screens.end())
        return std::nullopt;
    return static_cast<size_t>(it - screens.begin());
}

} // namespace

Screen NextScreen(Activity activity, Screen from) {
    const std::span<const Screen> screens = RowOf(activity).screens;
    if (from == Screen::MainMenu)
        return screens.front();
    const auto place = PlaceOf(screens, from);
    if (!place || *place + 1 == screens.size())
        return Screen::MainMenu;
    return screens[*place + 1];
}

Screen PreviousScreen(Activity activity, Screen from) {
    const ActivityRow& row = RowOf(activity);
    if (row.backJump && row.backJump->first == from)
        return row.backJump->second;
    const auto place = PlaceOf(row.screens, from);
    // The last screen (the worksheet, the crossword) goes back to the main menu, as does the
    // first wizard screen.
    if (!place || *place == 0 || *place + 1 == row.screens.size())
        return Screen::MainMenu;
    return row.screens[*place - 1];
}

Screen ScreenAfterRefusal(Activity activity) {
    return PlaceOf(RowOf(activity).screens, Screen::ChooseRiddle) ? Screen::ChooseRiddle
                                                                  : Screen::ChooseMinMax;
}

} // namespace abacore
