#pragma once
// The file a file dialog's answer names. A file name is bytes; Qt reads it as UTF-8 and shows
// each byte that is not UTF-8 as U+FFFD, so a name picked in the dialog (or a folder on the way
// to it) comes back without those bytes. Such a name is found again among its folder's entries,
// so that it is that file which is written or read, never another whose name reads the same.

#include <QString>
#include <filesystem>

namespace abacore {

// The path `chosen` names, byte for byte. Throws Failure when more than one name in a folder reads
// as `chosen` does and so none can be told to be the one meant.
std::filesystem::path ChosenFilePath(const QString& chosen);

} // namespace abacore
