#include "worksheet/save_name.h"

#include "core/program_folder.h"
#include "core/startup.h"
#include "core/worksheet_request.h"
#include "worksheet/activity_table.h"

#include <filesystem>

namespace abacore {

namespace {

// Linux allows a file name of at most this many bytes (NAME_MAX).
constexpr size_t kMaxFileNameBytes = 255;

constexpr std::string_view kWorksheetSuffix = ".rtf";
constexpr std::string_view kAnswerKeySuffix = "(Answer Key).rtf";

std::string joined(std::string_view a, std::string_view b) {
    std::string s(a);
    s.append(b);
    return s;
}

bool isControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

// The file must lie directly in the worksheets folder, whatever the name holds.
bool staysInFolder(std::string_view fileName) {
    namespace fs = std::filesystem;
    const fs::path folder(kWorksheetsFolderName);
    const fs::path target = (folder / fs::path(std::string(fileName))).lexically_normal();
    return target.parent_path() == folder && target.filename() == fs::path(std::string(fileName));
}

} // namespace

SaveNameProblem CheckSaveName(std::string_view name) {
    if (name.empty())
        return SaveNameProblem::Empty;
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos)
        return SaveNameProblem::PathSeparator;
    if (name == "." || name == "..")
        return SaveNameProblem::DotName;
    for (char c : name)
        if (isControl(c))
            return SaveNameProblem::ControlChar;
    if (AnswerKeyFileName(name).size() > kMaxFileNameBytes)
        return SaveNameProblem::TooLong;
    if (!staysInFolder(WorksheetFileName(name)) || !staysInFolder(AnswerKeyFileName(name)))
        return SaveNameProblem::LeavesFolder;
    return SaveNameProblem::None;
}

std::string SaveNameMessage(SaveNameProblem problem, NameSource source) {
    const bool typed = source == NameSource::Typed;
    // The heading can only be changed through Save, so that is what the user is pointed to.
    const std::string retype = typed ? " Please type another name."
                                     : " Use Save to give the worksheet another name first.";
    switch (problem) {
    case SaveNameProblem::None:
        return {};
    case SaveNameProblem::Empty:
        return typed ? "Please type a name for the file."
                     : "The worksheet has no heading to name its file by." + retype;
    case SaveNameProblem::PathSeparator:
        return (typed ? std::string("A file name cannot contain / or \\.")
                      : std::string(
                            "The heading contains / or \\, which a file name cannot contain.")) +
               retype;
    case SaveNameProblem::DotName:
        return (typed ? std::string("\".\" and \"..\" name folders, not files.")
                      : std::string("The heading \".\" or \"..\" cannot name a file.")) +
               retype;
    case SaveNameProblem::ControlChar:
        return (typed ? std::string("A file name cannot contain tabs, line breaks or other control "
                                    "characters.")
                      : std::string("The heading contains tabs, line breaks or other control "
                                    "characters, which a file name cannot contain.")) +
               retype;
    case SaveNameProblem::TooLong:
        return (typed ? std::string("That name is too long for a file.")
                      : std::string("The heading is too long for a file name.")) +
               (typed ? " Please type a shorter name."
                      : " Use Save to give the worksheet a shorter name first.");
    case SaveNameProblem::LeavesFolder:
        return "Worksheets can only be saved in the \"worksheets\" folder." + retype;
    }
    return {};
}

std::string WorksheetFileName(std::string_view name) {
    return joined(name, kWorksheetSuffix);
}

std::string AnswerKeyFileName(std::string_view name) {
    return joined(name, kAnswerKeySuffix);
}

std::string FullWorksheetsPath(const WorksheetRequest& request, std::string_view fileName) {
    return joined(joined(WorksheetsFolderOf(request).string(), "/"), fileName);
}

std::vector<std::string> QuickWordArguments(const WorksheetRequest& request, std::string_view name,
                                            bool withAnswerKey) {
    std::vector<std::string> arguments;
    if (withAnswerKey)
        arguments.push_back(FullWorksheetsPath(request, AnswerKeyFileName(name)));
    arguments.push_back(FullWorksheetsPath(request, WorksheetFileName(name)));
    return arguments;
}

std::vector<std::string> FilesToConfirm(const WorksheetRequest& request,
                                        const std::vector<std::string>& fileNames,
                                        const WrittenFiles& written) {
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    for (const std::string& fileName : fileNames) {
        const std::string path = FullWorksheetsPath(request, fileName);
        std::error_code ec;
        // Anything by that name counts, a link too: the write would replace what it names.
        if (!written.contains(path) && fs::exists(fs::symlink_status(path, ec)))
            found.push_back(fileName);
    }
    return found;
}

SheetFiles FilesOfSheet(const WorksheetRequest& request, std::string_view name, bool withKey,
                        const WrittenFiles& written) {
    SheetFiles files{{WorksheetFileName(name)}, {}};
    const std::string key = AnswerKeyFileName(name);
    const bool otherKey = !FilesToConfirm(request, {key}, written).empty();
    if (withKey || (otherKey && HasAnswerKey(request)))
        files.write.push_back(key);
    else if (otherKey)
        files.remove = key;
    return files;
}

std::string ReplaceQuestion(const WorksheetRequest& request,
                            const std::vector<std::string>& fileNames, std::string_view removed) {
    const std::string folder = WorksheetsFolderWords(request);
    const std::string key = QuotedList({std::string(removed)});
    if (fileNames.empty())
        return key + " in " + folder +
               " is another worksheet's answer key, and this sheet has none. Remove it?";
    const bool one = fileNames.size() == 1;
    std::string text = "Replace " + QuotedList(fileNames) + "? " +
                       (one ? "A file of that name is" : "Files of these names are") +
                       " already in " + folder + ".";
    if (!removed.empty())
        text += " Another worksheet's answer key, " + key + ", will be removed.";
    return text;
}

std::string WorksheetsFolderWords(const WorksheetRequest& request) {
    if (request.DocumentsFolder.empty())
        return "the \"worksheets\" folder";
    return "the folder \"" + WorksheetsFolderOf(request).string() + "\"";
}

std::string WorksheetSavedMessage(const WorksheetRequest& request, std::string_view name) {
    if (!request.DocumentsFolder.empty())
        return "This worksheet has been saved in " + WorksheetsFolderWords(request) + " as \"" +
               WorksheetFileName(name) +
               "\". You can now open it with a word processor for further editing.";
    std::string text = "This worksheet has been saved in the \"worksheets\" folder of your "
                       "Abacore directory as \"";
    text.append(WorksheetFileName(name));
    text.append("\" .  You can now open it with a word processor for further editing.");
    return text;
}

std::string AnswerKeyCompanionPath(std::string_view path) {
    namespace fs = std::filesystem;
    const fs::path original{std::string(path)};
    const std::string stem = original.stem().string();
    const std::string extension = original.extension().string();
    return (original.parent_path() / (stem + "(Answer Key)" + extension)).string();
}

std::string SaveFailedMessage(std::string_view reason) {
    return joined("The worksheet could not be saved. ", reason);
}

std::string KeyNotRemovedMessage(std::string_view fileName, std::string_view reason) {
    return "The worksheet was saved, but another worksheet's answer key, \"" +
           std::string(fileName) + "\", could not be removed: " + std::string(reason) + ".";
}

std::string PrintedMessage(std::string_view folder, const std::vector<std::string>& fileNames) {
    if (fileNames.empty())
        return "This activity has been sent to your printer.";
    return "This activity has been printed to " + QuotedList(fileNames) + " in the folder \"" +
           std::string(folder) + "\".";
}

} // namespace abacore
