#include "shell/startup.h"

#include "shell/settings_file.h"
#include "shell/shell_messages.h"
#include "shell/worksheet_request.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace abacore {

namespace fs = std::filesystem;

namespace {

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::string ProgramFolderText(const fs::path& folder) {
    std::string text = folder.string();
    while (text.size() > 1 && text.back() == fs::path::preferred_separator)
        text.pop_back();
    return text;
}

fs::path WorksheetsFolderPath(const fs::path& programFolder) {
    const fs::path usual = programFolder / WorksheetsFolderName;
    std::error_code ec;
    if (fs::is_directory(usual, ec))
        return usual;
    // Sorted, so that the choice among several spellings is always the same.
    std::vector<fs::path> matches;
    for (fs::directory_iterator it(programFolder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError) &&
            Lowered(it->path().filename().string()) == WorksheetsFolderName)
            matches.push_back(it->path());
    }
    if (matches.empty())
        return usual;
    return *std::min_element(matches.begin(), matches.end());
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
