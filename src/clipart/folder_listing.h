#pragma once
// What the picture window's folder and file lists show: plain reads of the file system, so the
// window only puts them on screen.

#include <string>
#include <string_view>
#include <vector>

namespace abacore {

struct FolderEntry {
    std::string path;  // full path
    std::string name;  // as listed: the last part of the path, or the drive's own path
    int depth = 0;     // indentation: 0 for the drive
    bool open = false; // on the way from the drive down to the current folder (itself included)
};

// The folder list of a drive while `current` is chosen: the drive, the folders down to
// `current`, then the folders inside `current`. Hidden folders (".name") are left out; a folder
// that cannot be read lists nothing inside it. A `current` outside the drive counts as the
// drive itself.
std::vector<FolderEntry> FolderListing(const std::string& drive, const std::string& current);

// The names of the files of `folder` that match `pattern` (picture_pattern.h), hidden ones left
// out, in name order ignoring letter case.
std::vector<std::string> MatchingFiles(const std::string& folder, std::string_view pattern);

// `folder` + "/" + `name`, without doubling the separator at the root.
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace abacore
