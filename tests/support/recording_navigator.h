#pragma once
// A Navigator for window tests: records which screens were asked for and whether the program
// was ended, without opening anything.

#include "scripted_dialogs.h"
#include "shell/worksheet_request.h"
#include "ui/app_context.h"
#include "worksheet/random_source.h"

#include <vector>

class RecordingNavigator final : public Navigator {
public:
    std::vector<Screen> opened;
    bool quitRequested = false;

    void open(Screen screen) override { opened.push_back(screen); }
    void quit() override { quitRequested = true; }
    Screen last() const { return opened.empty() ? Screen::MainMenu : opened.back(); }
};

// Everything a window under test needs, with a fixed seed.
struct TestApp {
    WorksheetRequest request;
    RandomSource random{12345};
    ScriptedDialogs dialogs;
    RecordingNavigator navigator;
    AppContext context{request, random, dialogs, navigator};
};
