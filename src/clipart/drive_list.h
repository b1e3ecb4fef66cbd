#pragma once
// The "drives" of the picture window on a Linux system: the home folder first, then the root of
// the file system, then every other mounted volume that holds files (disks, USB sticks, network
// shares), as /proc/self/mounts lists them. Kernel and memory file systems are left out.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace abacore {

// One line of /proc/self/mounts, with its octal escapes (\040 for a blank) undone.
struct MountEntry {
    std::string source;
    std::string mountPoint;
    std::string type;
};

std::vector<MountEntry> ParseMounts(std::string_view text);

// A disk partition, a disk image, a network share: a volume that holds the user's files.
bool HoldsFiles(const MountEntry& entry);

struct Drive {
    std::string path;  // the folder the folder list starts from
    std::string label; // as listed
};

// The drives in list order. `isFolder` says whether a mount point is a folder (a single file can
// be mounted too); `home` may be empty.
std::vector<Drive> DriveList(std::string_view mounts, const std::string& home,
                             const std::function<bool(const std::string&)>& isFolder);

// The drives of this system: /proc/self/mounts and $HOME.
std::vector<Drive> SystemDrives();

// The index of the drive that holds `folder`: the one whose path is the longest leading part
// of it; 0 when none does.
size_t DriveOf(const std::vector<Drive>& drives, const std::string& folder);

} // namespace abacore
