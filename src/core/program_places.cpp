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

// The config home, as for the data home: unset or relative means ~/.config.
std::optional<fs::path> ConfigHome(const UserEnvironment& environment) {
    if (fs::path(environment.configHome).is_absolute())
        return fs::path(environment.configHome);
    if (environment.home.empty())
        return std::nullopt;
    return fs::path(environment.home) / ".config";
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
    if (fs::path(environment.dataHome).is_absolute())
        return fs::path(environment.dataHome) / kPackageName;
    if (environment.home.empty())
        return std::nullopt;
    return fs::path(environment.home) / ".local" / "share" / kPackageName;
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
    // Installed into the data home itself (cmake --install --prefix ~/.local): the user's
    // files go one folder down, where installing again neither replaces nor removes them.
    std::error_code ec;
    if (fs::equivalent(*own, *shipped, ec))
        own = *own / kOwnFilesFolderName;
    return ProgramPlaces{own->string(), *shipped, documents->string()};
}

} // namespace abacore
