#include "shell/startup.h"

#include "shell/program_folder.h"
#include "shell/settings_file.h"
#include "shell/shell_messages.h"
#include "shell/worksheet_request.h"

namespace abacore {

namespace fs = std::filesystem;

std::string ProgramFolderText(const fs::path& folder) {
    std::string text = folder.string();
    while (text.size() > 1 && text.back() == fs::path::preferred_separator)
        text.pop_back();
    return text;
}

fs::path WorksheetsFolderPath(const fs::path& programFolder) {
    return FindIgnoringCase(programFolder, kWorksheetsFolderName, EntryKind::Folder)
        .value_or(programFolder / kWorksheetsFolderName);
}

void EnsureWorksheetsFolder(const fs::path& programFolder) {
    const fs::path folder = WorksheetsFolderPath(programFolder);
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return;
    fs::create_directory(folder, ec);
    if (ec)
        throw WriteError(ShellText::WorksheetsFolderProblem(folder.string(), ec.message()));
}

StartupOutcome RunStartup(WorksheetRequest& request, const fs::path& folder) {
    StartupOutcome outcome;
    request.ProgramFolder = ProgramFolderText(folder);
    const fs::path settings = SettingsFilePath(folder);
    const FirstRunResult firstRun = RunFirstRunStep(settings);
    try {
        if (firstRun == FirstRunResult::Failed)
            throw ReadError(settings.string());
        ReadQuickWordSetting(settings, request);
    } catch (const Failure&) {
        outcome.settingsFailed = true;
        return outcome;
    }
    outcome.firstRun = firstRun == FirstRunResult::Done;
    try {
        EnsureWorksheetsFolder(request.ProgramFolder);
    } catch (const Failure& e) {
        outcome.worksheetsProblem = e.what();
    }
    return outcome;
}

} // namespace abacore
