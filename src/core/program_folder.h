#pragma once
// What the program folder holds, by name, and how a name is found in it. Names are matched
// ignoring letter case: the program spells some of them in two ways ("AbacoreBack.jpg" and
// "abacoreback.jpg") and a copied folder may have had its letter case changed on the way.
//
// The program folder itself is a value: decided once at start-up (the executable's folder, or
// --folder DIR, or an installed copy's per-user folder) and handed to whoever opens a file, never
// taken from the current folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace abacore {

struct WorksheetRequest;

inline constexpr std::string_view kSettingsFileName = "kvtdata.dat";
inline constexpr std::string_view kWorksheetsFolderName = "worksheets";
inline constexpr std::string_view kBackgroundPictureName = "AbacoreBack.jpg";

// The folder named by --folder DIR as the program records it: absolute, links resolved, no
// trailing separator. A relative name counts from where the command was given. Nothing when
// it is not an existing folder.
std::optional<std::string> ProgramFolderNamed(const std::filesystem::path& folder);
// Why ProgramFolderNamed found no folder, as a sentence naming it: it does not exist, it is a
// file, or the reason the system gives.
std::string NoProgramFolderMessage(const std::filesystem::path& folder);

enum class EntryKind {
    File,   // anything but a folder
    Folder, // a folder, or a link to one
};

// The entry of `folder` of that kind whose name equals `name` ignoring ASCII letter case:
// `name` itself when it is there, otherwise the first match in byte order of the names, so
// that the choice among several spellings is always the same. Nothing when there is none, or
// when `folder` is empty.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      std::string_view name, EntryKind kind);

// Where the data files that ship with the program (riddles, word-problem templates, the
// background picture) are looked for: the program folder first, so that a teacher's edited
// copy wins, then an installed copy's shipped folder.
struct DataFolders {
    std::filesystem::path own;
    std::filesystem::path shipped = {}; // empty: the program folder holds everything
};

// The data folders of the run the request belongs to.
DataFolders DataFoldersOf(const WorksheetRequest& request);

// The data file `name`, found ignoring letter case in `own` and then in `shipped`. Nothing
// when neither holds it.
std::optional<std::filesystem::path> FindDataFile(const DataFolders& folders,
                                                  std::string_view name);

// The folders as a message names them: "the program folder "X"", or, with a shipped folder,
// "your folder "X" or the installed folder "Y"".
std::string DataFoldersText(const DataFolders& folders);

} // namespace abacore
