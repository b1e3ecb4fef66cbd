#pragma once
// A Navigator for window tests: records which screens were asked for, how many dialogs had been
// shown by then, the windows handed over to, and whether the program was ended, without opening
// anything.

#include "app/screen_factory.h"
#include "core/random_source.h"
#include "core/worksheet_request.h"
#include "scripted_dialogs.h"
#include "ui/app_context.h"

#include <vector>

namespace abacore {

class RecordingNavigator final : public Navigator {
public:
    explicit RecordingNavigator(const ScriptedDialogs& dialogs) : m_dialogs(dialogs) {}
    std::vector<Screen> opened;
    std::vector<size_t> dialogsBefore; // per screen opened
    std::vector<Screen> handedTo;      // windows asked for without opening them
    bool quitRequested = false;

    void open(Screen screen) override {
        opened.push_back(screen);
        dialogsBefore.push_back(m_dialogs.shown.size());
    }
    void quit() override { quitRequested = true; }
    QWidget* windowFor(Screen screen, QWidget*) override {
        handedTo.push_back(screen);
        return nullptr;
    }
    void showAbout(QWidget*) override {}
    // The real picture window, as the program's screen host opens it.
    void choosePicture(QWidget* opener, PictureReceiver receiver) override {
        ShowPictureWindow(*context, opener, std::move(receiver));
    }
    AppContext* context = nullptr; // set by TestApp

private:
    const ScriptedDialogs& m_dialogs;
};

// Everything a window under test needs, with a fixed seed.
struct TestApp {
    WorksheetRequest request;
    RandomSource random{12345};
    ScriptedDialogs dialogs;
    RecordingNavigator navigator{dialogs};
    AppContext context{request, random, dialogs, navigator};

    TestApp() { navigator.context = &context; }
    TestApp(const TestApp&) = delete;
    TestApp& operator=(const TestApp&) = delete;
};

} // namespace abacore
