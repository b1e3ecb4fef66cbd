#include "clipart/drive_list.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace abacore {

namespace {

// Undoes the kernel's escapes of blanks, tabs, line ends and backslashes (\040, \011, \012,
// \134); anything else is kept as it stands.
std::string Unescaped(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 +
                                         (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// The fields of a line, split at blanks and tabs.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

bool IsUnder(const std::string& path, const std::string& folder) {
    if (folder == "/")
        return !path.empty() && path[0] == '/';
    return path == folder ||
           (path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/');
}

std::string LabelOf(const MountEntry& entry) {
    std::string source = entry.source;
    if (source.starts_with("/dev/"))
        source = source.substr(source.rfind('/') + 1);
    return entry.mountPoint + "  (" + source + ")";
}

} // namespace

std::vector<MountEntry> ParseMounts(std::string_view text) {
    std::vector<MountEntry> out;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::vector<std::string_view> fields = Fields(text.substr(start, end - start));
        // source, mount point, type, options, and two numbers; a line with fewer is not one.
        if (fields.size() >= 3)
            out.push_back(
                MountEntry{Unescaped(fields[0]), Unescaped(fields[1]), Unescaped(fields[2])});
        start = end + 1;
    }
    return out;
}

bool HoldsFiles(const MountEntry& entry) {
    // Network shares and pools name no device; a compressed snap package image names one but
    // holds programs, not the user's files.
    static constexpr std::string_view kWithoutDevice[] = {
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "virtiofs", "zfs", "fuse.sshfs"};
    if (entry.type == "squashfs")
        return false;
    if (entry.source.starts_with("/dev/"))
        return true;
    return std::find(std::begin(kWithoutDevice), std::end(kWithoutDevice), entry.type) !=
           std::end(kWithoutDevice);
}

std::vector<Drive> DriveList(std::string_view mounts, const std::string& homeFolder,
                             const std::function<bool(const std::string&)>& isFolder) {
    std::vector<Drive> drives;
    std::string home = homeFolder;
    while (home.size() > 1 && home.back() == '/')
        home.pop_back();
    if (!home.empty() && home != "/" && isFolder(home))
        drives.push_back(Drive{home, "Home folder  (" + home + ")"});
    // Everything is under the root, whatever it is mounted from (in a container, an overlay).
    drives.push_back(Drive{"/", "/"});
    std::vector<MountEntry> volumes;
    for (MountEntry& entry : ParseMounts(mounts)) {
        if (!HoldsFiles(entry) || entry.mountPoint.empty() || entry.mountPoint[0] != '/')
            continue;
        if (entry.mountPoint == "/" || entry.mountPoint == home)
            continue;
        // A later mount on the same point hides the earlier one.
        std::erase_if(volumes,
                      [&](const MountEntry& e) { return e.mountPoint == entry.mountPoint; });
        volumes.push_back(std::move(entry));
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const MountEntry& a, const MountEntry& b) { return a.mountPoint < b.mountPoint; });
    for (const MountEntry& entry : volumes)
        if (isFolder(entry.mountPoint))
            drives.push_back(Drive{entry.mountPoint, LabelOf(entry)});
    return drives;
}

std::vector<Drive> SystemDrives() {
    std::ifstream file("/proc/self/mounts");
    std::ostringstream text;
    text << file.rdbuf();
    const char* home = std::getenv("HOME");
    return DriveList(text.str(), home ? std::string(home) : std::string(),
                     [](const std::string& path) {
                         std::error_code error;
                         return std::filesystem::is_directory(path, error);
                     });
}

size_t DriveOf(const std::vector<Drive>& drives, const std::string& folder) {
    size_t best = 0, bestLength = 0;
    for (size_t i = 0; i < drives.size(); ++i)
        if (IsUnder(folder, drives[i].path) && drives[i].path.size() > bestLength) {
            best = i;
            bestLength = drives[i].path.size();
        }
    return best;
}

} // namespace abacore
