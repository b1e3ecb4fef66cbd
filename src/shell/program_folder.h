#pragma once
// What the program folder holds, by name, and how a name is found in it. Names are matched
// ignoring letter case: the program spells some of them in two ways ("AbacoreBack.jpg" and
// "abacoreback.jpg") and a copied folder may have had its letter case changed on the way.
//
// The program folder itself is a value: decided once at start-up (the executable's folder, or
// --folder DIR) and handed to whoever opens a file, never taken from the current folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace abacore {

inline constexpr std::string_view kSettingsFileName = "kvtdata.dat";
inline constexpr std::string_view kWorksheetsFolderName = "worksheets";
inline constexpr std::string_view kBackgroundPictureName = "AbacoreBack.jpg";

// The folder named by --folder DIR as the program records it: absolute, links resolved, no
// trailing separator. A relative name counts from where the command was given. Nothing when
// it is not an existing folder.
std::optional<std::string> ProgramFolderNamed(const std::filesystem::path& folder);

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

} // namespace abacore
