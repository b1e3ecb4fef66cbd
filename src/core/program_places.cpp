#include "core/program_places.h"

#include "core/atomic_file.h"
#include "core/program_folder.h"
#include "core/worksheet_request.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace abacore {

namespace fs = std::filesystem;

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An XDG base folder: the variable when it is an absolute path, else its place in the home.
std::optional<fs::path> BaseFolder(const std::string& variable, const std::string& home,
                                   const fs::path& inHome) {
    if (fs::path(variable).is_absolute())
        return fs::path(variable);
    if (home.empty())
        return std::nullopt;
    return fs::path(home) / inHome;
}

std::optional<fs::path> ConfigHome(const UserEnvironment& environment) {
    return BaseFolder(environment.configHome, environment.home, ".config");
}

std::optional<fs::path> DataHome(const UserEnvironment& environment) {
    return BaseFolder(environment.dataHome, environment.home, fs::path(".local") / "share");
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// "/home/ann/" and "/home/ann/." name the same folder as "/home/ann".
bool SameFolderName(const fs::path& a, const fs::path& b) {
    const auto plain = [](const fs::path& p) {
        fs::path normal = p.lexically_normal();
        return normal.has_filename() || normal == normal.root_path() ? normal
                                                                     : normal.parent_path();
    };
    return plain(a) == plain(b);
}

} // namespace

void RecordPlaces(WorksheetRequest& request, const ProgramPlaces& places) {
    request.ProgramFolder = places.programFolder;
    request.ShippedFolder = places.shippedFolder;
    request.DocumentsFolder = places.documentsFolder;
}

UserEnvironment ProcessEnvironment() {
    UserEnvironment environment{Variable("HOME"), Variable("XDG_DATA_HOME"),
                                Variable("XDG_CONFIG_HOME")};
    if (environment.home.empty())
        if (const passwd* user = getpwuid(getuid()); user && user->pw_dir)
            environment.home = user->pw_dir;
    return environment;
}

std::optional<std::string> ShippedDataFolder(const fs::path& executableFolder) {
    if (executableFolder.filename() != "bin")
        return std::nullopt;
    if (FindIgnoringCase(executableFolder, kSettingsFileName, EntryKind::File))
        return std::nullopt;
    const fs::path shipped = executableFolder.parent_path() / "share" / kPackageName;
    std::error_code ec;
    if (!fs::is_directory(shipped, ec))
        return std::nullopt;
    return shipped.string();
}

std::optional<fs::path> UserProgramFolder(const UserEnvironment& environment) {
    const auto config = ConfigHome(environment);
    return config ? std::optional(*config / kPackageName) : std::nullopt;
}

std::vector<fs::path> EarlierUserFolders(const UserEnvironment& environment) {
    const auto data = DataHome(environment);
    if (!data)
        return {};
    const fs::path folder = *data / kPackageName;
    return {folder / kOwnFilesFolderName, folder};
}

std::optional<std::string> DocumentsDirSetting(std::string_view userDirs, std::string_view home) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    std::optional<std::string> found;
    size_t start = 0;
    while (start < userDirs.size()) {
        size_t end = userDirs.find('\n', start);
        if (end == std::string_view::npos)
            end = userDirs.size();
        const std::string_view line = Trimmed(userDirs.substr(start, end - start));
        start = end + 1;
        if (!line.starts_with(kKey))
            continue;
        std::string_view value = line.substr(kKey.size());
        if (value.size() < 2 || value.front() != '"' || value.back() != '"')
            continue;
        value = value.substr(1, value.size() - 2);
        // The file's own rule: a path relative to $HOME, or an absolute one; nothing else.
        if (value == "$HOME" || value.starts_with("$HOME/"))
            found = std::string(home) + std::string(value.substr(5));
        else if (value.starts_with('/'))
            found = std::string(value);
        // A later line overrides an earlier one, as when the shell reads the file.
    }
    return found;
}

std::optional<fs::path> UserDocumentsFolder(const UserEnvironment& environment) {
    if (environment.home.empty())
        return std::nullopt;
    const fs::path home(environment.home);
    const fs::path fallback = home / "Documents";
    const std::optional<fs::path> config = ConfigHome(environment);
    if (!config)
        return fallback;
    const fs::path userDirs = *config / "user-dirs.dirs";
    std::error_code ec;
    if (!fs::is_regular_file(userDirs, ec))
        return fallback;
    std::optional<std::string> setting;
    try {
        setting = DocumentsDirSetting(ReadWholeFile(userDirs), environment.home);
    } catch (const ReadError&) {
        return fallback;
    }
    if (!setting || SameFolderName(*setting, home))
        return fallback;
    return fs::path(*setting);
}

std::optional<ProgramPlaces> PlacesOfRun(const fs::path& executableFolder,
                                         const UserEnvironment& environment) {
    const std::optional<std::string> shipped = ShippedDataFolder(executableFolder);
    if (!shipped)
        return ProgramPlaces{executableFolder.string(), {}, {}};
    auto own = UserProgramFolder(environment);
    const auto documents = UserDocumentsFolder(environment);
    if (!own || !documents)
        return std::nullopt;
    // A config home that is some PREFIX/share: the user's files go one folder down, where
    // installing again neither replaces nor removes them.
    std::error_code ec;
    if (fs::equivalent(*own, *shipped, ec))
        own = *own / kOwnFilesFolderName;
    return ProgramPlaces{own->string(), *shipped, documents->string()};
}

void AdoptEarlierUserFolder(ProgramPlaces& places, const UserEnvironment& environment) {
    if (places.shippedFolder.empty())
        return;
    const fs::path own(places.programFolder);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(own, ec)))
        return;
    for (const fs::path& earlier : EarlierUserFolders(environment)) {
        // PREFIX/share/abacore-drill with PREFIX/bin/abacore-drill beside it is what an install
        // wrote, not a teacher's folder (the teacher's, if any, is its "user" folder).
        const fs::path prefix = earlier.lexically_normal().parent_path().parent_path();
        if (earlier.filename() == kPackageName &&
            (fs::exists(prefix / "bin" / kPackageName, ec) ||
             fs::equivalent(earlier, places.shippedFolder, ec)))
            continue;
        if (!fs::is_directory(earlier, ec) ||
            !FindIgnoringCase(earlier, kSettingsFileName, EntryKind::File))
            continue;
        fs::create_directories(own.parent_path(), ec);
        fs::rename(earlier, own, ec);
        if (ec)
            places.programFolder = earlier.string();
        return;
    }
}

} // namespace abacore
