#pragma once
// What every window is given: the request record, the random source, the dialogs and the
// navigator that opens the next screen. There is one of each for the whole run.

#include "shell/screen.h"

namespace abacore {

struct WorksheetRequest;
class RandomSource;
class Dialogs;

class Navigator {
public:
    virtual ~Navigator() = default;
    // Shows `screen` and then closes the current one, so a window is always open.
    virtual void open(Screen screen) = 0;
    // Ends the program (also before the event loop has started).
    virtual void quit() = 0;
};

struct AppContext {
    WorksheetRequest& request;
    RandomSource& random;
    Dialogs& dialogs;
    Navigator& navigator;
};

} // namespace abacore
