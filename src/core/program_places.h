#pragma once
// Where a run of the program keeps and finds its files. Run from a program folder (the build
// folder, a copied folder, --folder DIR) everything is in that one folder. An installed copy
// (PREFIX/bin/abacore-drill with PREFIX/share/abacore-drill) never writes to its install
// folders: each user gets a program folder of their own under the config home, data files are
// read from there first and then from the shipped folder, and saved worksheets go to the
// user's documents folder. The user's folder is a name no install prefix produces, so that no
// install ever writes into it (an install puts files only in PREFIX/bin and PREFIX/share).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

struct WorksheetRequest;

inline constexpr std::string_view kPackageName = "abacore-drill";
inline constexpr std::string_view kUserWorksheetsFolderName = "Abacore Worksheets";
// The user's own folder inside the shipped one, when the two would be the same folder (a config
// home called "share"); earlier versions also kept it there beside a copy installed into the data
// home.
inline constexpr std::string_view kOwnFilesFolderName = "user";

struct ProgramPlaces {
    std::string programFolder;   // the settings file, and the user's own copies of data files
    std::string shippedFolder;   // an installed copy's data files (read-only); empty: none
    std::string documentsFolder; // the home of "Abacore Worksheets"; empty: the program folder's
                                 // "worksheets" holds them
    bool operator==(const ProgramPlaces&) const = default;
};

// Records the places in the request (ProgramFolder, ShippedFolder, DocumentsFolder).
void RecordPlaces(WorksheetRequest& request, const ProgramPlaces& places);

// The environment variables that decide the per-user folders; empty when unset.
struct UserEnvironment {
    std::string home;       // $HOME, else the user's home from the password database
    std::string dataHome;   // $XDG_DATA_HOME
    std::string configHome; // $XDG_CONFIG_HOME
};
UserEnvironment ProcessEnvironment();

// The shipped data folder when the executable's folder is an installed copy's PREFIX/bin:
// PREFIX/share/abacore-drill exists. A settings file beside the executable makes its folder a
// program folder instead (a copied folder that happens to be called "bin").
std::optional<std::string> ShippedDataFolder(const std::filesystem::path& executableFolder);

// $XDG_CONFIG_HOME/abacore-drill; ~/.config/abacore-drill when it is unset or not an absolute
// path (which the XDG rules say to ignore). Nothing when no home is known.
std::optional<std::filesystem::path> UserProgramFolder(const UserEnvironment& environment);

// Where earlier versions kept the user's folder, newest first: $XDG_DATA_HOME/abacore-drill/user
// (beside a copy installed into the data home) and $XDG_DATA_HOME/abacore-drill (which is where
// `cmake --install --prefix ~/.local` puts the shipped files). Data home as for the config home.
std::vector<std::filesystem::path> EarlierUserFolders(const UserEnvironment& environment);

// The documents folder as the user's XDG_DOCUMENTS_DIR says (the user-dirs.dirs file of the
// config home, the file `xdg-user-dir DOCUMENTS` reads), else ~/Documents. A setting that
// names the home itself means "none" there, so ~/Documents is used then too.
std::optional<std::filesystem::path> UserDocumentsFolder(const UserEnvironment& environment);

// The value of XDG_DOCUMENTS_DIR in the text of a user-dirs.dirs file, "$HOME" expanded;
// nothing when it is not set there or is not of the form "$HOME/..." or "/...".
std::optional<std::string> DocumentsDirSetting(std::string_view userDirs, std::string_view home);

// The places of a run started without --folder. Nothing when an installed copy cannot tell
// the user's home. When the copy is installed into the user's data home, so that the user's
// folder would be the shipped folder itself, the user's files go to its "user" subfolder.
std::optional<ProgramPlaces> PlacesOfRun(const std::filesystem::path& executableFolder,
                                         const UserEnvironment& environment);

// An installed copy whose user has no folder yet takes over the folder an earlier version kept
// (the first of EarlierUserFolders that holds a settings file and is not an install's shipped
// folder) by renaming it into place: the teacher's own files move whole or not at all. When the
// rename cannot be done, the run goes on using the earlier folder where it is.
void AdoptEarlierUserFolder(ProgramPlaces& places, const UserEnvironment& environment);

} // namespace abacore
