#include "core/program_folder.h"

#include "core/worksheet_request.h"

#include "core/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace abacore {

namespace fs = std::filesystem;

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool IsKind(const fs::path& path, EntryKind kind) {
    std::error_code ec;
    const bool folder = fs::is_directory(path, ec);
    return kind == EntryKind::Folder ? folder : !folder && fs::exists(fs::symlink_status(path, ec));
}

} // namespace

std::optional<std::string> ProgramFolderNamed(const fs::path& folder) {
    std::error_code ec;
    const fs::path full = fs::canonical(folder, ec);
    if (ec || !fs::is_directory(full, ec))
        return std::nullopt;
    return full.string();
}

std::string NoProgramFolderMessage(const fs::path& folder) {
    // Built up, not added together: g++ 12 warns wrongly on "\"" + string.
    std::string named = "\"";
    named.append(folder.string()).append("\"");
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0)
        return errno == ENOENT
                   ? "The folder " + named + " does not exist."
                   : "The folder " + named + " cannot be used: " + ReasonInWords(errno) + ".";
    return named + (S_ISDIR(status.st_mode) ? " cannot be used as a folder." : " is not a folder.");
}

std::optional<fs::path> FindIgnoringCase(const fs::path& folder, std::string_view name,
                                         EntryKind kind) {
    if (folder.empty()) // no folder recorded: not the current one either
        return std::nullopt;
    const fs::path exact = folder / name;
    if (IsKind(exact, kind))
        return exact;
    std::optional<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& entry = it->path();
        const std::string entryName = entry.filename().string();
        if (EqualIgnoringCase(entryName, name) && IsKind(entry, kind) &&
            (!found || entryName < found->filename().string()))
            found = entry;
    }
    return found;
}

DataFolders DataFoldersOf(const WorksheetRequest& request) {
    return {request.ProgramFolder, request.ShippedFolder};
}

std::optional<fs::path> FindDataFile(const DataFolders& folders, std::string_view name) {
    if (auto own = FindIgnoringCase(folders.own, name, EntryKind::File))
        return own;
    return FindIgnoringCase(folders.shipped, name, EntryKind::File);
}

std::string DataFoldersText(const DataFolders& folders) {
    if (folders.shipped.empty())
        return "the program folder \"" + folders.own.string() + "\"";
    return "your folder \"" + folders.own.string() + "\" or the installed folder \"" +
           folders.shipped.string() + "\"";
}

} // namespace abacore
