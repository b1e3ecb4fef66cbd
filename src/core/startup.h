#pragma once
// What the main menu prepares every time it opens: the program folder (for an installed copy,
// the user's own, made on the first start), the settings file's first-run step, the QuickWord
// setting, the paper the teacher chose (when they chose one) and the worksheets folder.

#include "core/failure.h"

#include <filesystem>
#include <string>

namespace abacore {

struct WorksheetRequest;

// The folder as the program records it: no trailing separator (the root stays "/").
std::string ProgramFolderText(const std::filesystem::path& folder);

// The worksheets folder of a program folder: an existing subfolder called "worksheets" in any
// letter case ("worksheets" itself first), otherwise where a new one belongs.
std::filesystem::path WorksheetsFolderPath(const std::filesystem::path& programFolder);
// Where the request's run saves worksheets: the program folder's worksheets folder, or, for an
// installed copy, "Abacore Worksheets" in the user's documents folder (in any letter case).
std::filesystem::path WorksheetsFolderOf(const WorksheetRequest& request);
// Creates that folder (with a missing documents folder above it) unless one exists. Throws
// WriteError naming the folder and the reason.
void EnsureWorksheetsFolder(const WorksheetRequest& request);

// An installed copy's first start for a user: makes the user's program folder and copies the
// shipped settings file into it, so that its first-run marker thanks every user once. Does
// nothing when the program folder holds everything or already has a settings file. Throws
// ReadError when the shipped settings file cannot be read, WriteError when the folder or the
// copy cannot be made.
void PrepareUserFolder(const WorksheetRequest& request);

struct StartupOutcome {
    bool settingsFailed = false;   // the settings file is unusable: "Error!" and end the program
    bool firstRun = false;         // the first start after installation: thank the user
    std::string worksheetsProblem; // the worksheets folder could not be made: tell the user
    std::string userFolderProblem; // the user's own folder could not be made: tell, then end
};

// Runs the start-up steps in the program folder `folder` and records it and the QuickWord
// setting in the request. Stops after a settings failure.
StartupOutcome RunStartup(WorksheetRequest& request, const std::filesystem::path& folder);

} // namespace abacore
