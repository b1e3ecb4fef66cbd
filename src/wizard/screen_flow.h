#pragma once
// The order of the screens of each activity: where "Continue" and "Go Back" lead.

#include "core/screen.h"
#include "core/worksheet_request.h"

namespace abacore {

// The screen that "Continue" on `from` opens for `activity`.
Screen NextScreen(Activity activity, Screen from);
// The screen that "Go Back" on `from` opens for `activity`.
Screen PreviousScreen(Activity activity, Screen from);
// Where a sheet the request cannot make sends the teacher: the riddle screen when the activity
// has one (its punch line sets how many different answers are needed, and "Go Back" from there
// reaches the ranges), else the ranges.
Screen ScreenAfterRefusal(Activity activity);

} // namespace abacore
