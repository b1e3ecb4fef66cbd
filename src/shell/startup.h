#pragma once
// What the main menu prepares every time it opens: the program folder, the settings file's
// first-run step, the QuickWord setting and the worksheets folder.

#include "shell/failure.h"

#include <filesystem>
#include <string>

namespace abacore {

struct WorksheetRequest;

// The folder as the program records it: no trailing separator (the root stays "/").
std::string ProgramFolderText(const std::filesystem::path& folder);

// The worksheets folder of a program folder: an existing subfolder called "worksheets" in any
// letter case ("worksheets" itself first), otherwise where a new one belongs.
std::filesystem::path WorksheetsFolderPath(const std::filesystem::path& programFolder);
// Creates the worksheets folder unless one exists. Empty on success, otherwise a message for
// the user.
void EnsureWorksheetsFolder(const std::filesystem::path& programFolder);

struct StartupOutcome {
    bool settingsFailed = false;   // the settings file is unusable: "Error!" and end the program
    bool firstRun = false;         // the first start after installation: thank the user
    std::string worksheetsProblem; // the worksheets folder could not be made: tell the user
};

// Runs the start-up steps in the program folder `folder` and records it and the QuickWord
// setting in the request. Stops after a settings failure.
StartupOutcome RunStartup(WorksheetRequest& request, const std::filesystem::path& folder);

} // namespace abacore
