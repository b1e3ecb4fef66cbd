#pragma once
// What every window is given: the request record, the random source, the dialogs and the
// navigator that opens the next screen. There is one of each for the whole run.

#include "core/screen.h"
#include "document/sheet_version.h"

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace abacore {

struct WorksheetRequest;
class RandomSource;
class Dialogs;
struct LoadedPicture;

// Takes the picture the teacher chose into the window that asked for it. Throws Failure when it
// cannot; it must then leave that window as it was.
using PictureReceiver = std::function<void(const LoadedPicture&)>;

class Navigator {
public:
    virtual ~Navigator() = default;
    // Shows `screen` and then closes the current one, so a window is always open.
    virtual void open(Screen screen) = 0;
    // Ends the program (also before the event loop has started).
    virtual void quit() = 0;
    // The window of `screen`, made but not shown, for a screen that hands over to another
    // (the crossword builder that gives up and leads back to the main menu). Features ask here
    // rather than reach up to the program's screen factory.
    virtual QWidget* windowFor(Screen screen, QWidget* current) = 0;
    // Shows the About box over `parent`; the box belongs to the program's top floor.
    virtual void showAbout(QWidget* parent) = 0;
    // Opens the picture window over `opener` (or raises the one open there); the chosen picture
    // goes to `receiver`. The window belongs to the clip-art feature, which the windows that
    // take a picture do not see.
    virtual void choosePicture(QWidget* opener, PictureReceiver receiver) = 0;
};

// A sheet made again from its code: drawn from the code's seed, as the version of its set it was.
struct SheetAgain {
    uint64_t seed = 0;
    SheetVersion version;
};

struct AppContext {
    WorksheetRequest& request;
    RandomSource& random;
    Dialogs& dialogs;
    Navigator& navigator;
    // Set by "Open Sheet Code...": the next worksheet or crossword window draws this sheet
    // rather than a fresh one, and clears it.
    std::optional<SheetAgain> again = std::nullopt;
};

} // namespace abacore
