#pragma once
// The order of the screens of each activity: where "Continue" and "Go Back" lead.

#include "core/screen.h"
#include "core/worksheet_request.h"

namespace abacore {

// The screen that "Continue" on `from` opens for `activity`.
Screen NextScreen(Activity activity, Screen from);
// The screen that "Go Back" on `from` opens for `activity`.
Screen PreviousScreen(Activity activity, Screen from);

} // namespace abacore
