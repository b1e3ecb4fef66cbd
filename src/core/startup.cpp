#include "core/startup.h"

#include "core/atomic_file.h"
#include "core/paper.h"
#include "core/program_folder.h"
#include "core/program_messages.h"
#include "core/program_places.h"
#include "core/settings_file.h"
#include "core/worksheet_request.h"

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

fs::path WorksheetsFolderOf(const WorksheetRequest& request) {
    if (request.DocumentsFolder.empty())
        return WorksheetsFolderPath(request.ProgramFolder);
    const fs::path documents(request.DocumentsFolder);
    return FindIgnoringCase(documents, kUserWorksheetsFolderName, EntryKind::Folder)
        .value_or(documents / kUserWorksheetsFolderName);
}

void EnsureWorksheetsFolder(const WorksheetRequest& request) {
    const fs::path folder = WorksheetsFolderOf(request);
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return;
    // The documents folder may not exist yet; the program folder always does.
    if (request.DocumentsFolder.empty())
        fs::create_directory(folder, ec);
    else
        fs::create_directories(folder, ec);
    if (ec)
        throw WriteError(ProgramText::WorksheetsFolderProblem(folder.string(), ec.message()));
}

void PrepareUserFolder(const WorksheetRequest& request) {
    if (request.ShippedFolder.empty())
        return;
    const fs::path own(request.ProgramFolder);
    if (FindIgnoringCase(own, kSettingsFileName, EntryKind::File))
        return;
    const fs::path shipped = SettingsFilePath(request.ShippedFolder);
    const std::string bytes = ReadWholeFile(shipped);
    std::error_code ec;
    fs::create_directories(own, ec);
    if (ec)
        throw WriteError("The folder " + own.string() +
                         " could not be created: " + ReasonInWords(ec.value()) + ".");
    WriteFileAtomically(own / kSettingsFileName, bytes);
}

StartupOutcome RunStartup(WorksheetRequest& request, const fs::path& folder) {
    StartupOutcome outcome;
    request.ProgramFolder = ProgramFolderText(folder);
    try {
        PrepareUserFolder(request);
    } catch (const WriteError& e) {
        outcome.userFolderProblem = ProgramText::UserFolderProblem(e.what());
        return outcome;
    } catch (const ReadError&) {
        outcome.settingsFailed = true; // a damaged installation: "re-install"
        return outcome;
    }
    const fs::path settings = SettingsFilePath(folder);
    const FirstRunResult firstRun = RunFirstRunStep(settings);
    try {
        if (firstRun == FirstRunResult::Failed)
            throw ReadError(settings.string());
        ReadQuickWordSetting(settings, request);
        if (const std::optional<Paper> chosen = RememberedPaper(folder))
            request.PaperSize = *chosen;
    } catch (const Failure&) {
        outcome.settingsFailed = true;
        return outcome;
    }
    outcome.firstRun = firstRun == FirstRunResult::Done;
    try {
        EnsureWorksheetsFolder(request);
    } catch (const Failure& e) {
        outcome.worksheetsProblem = e.what();
    }
    return outcome;
}

} // namespace abacore
