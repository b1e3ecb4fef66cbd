#include "clipart/folder_listing.h"

#include "clipart/picture_pattern.h"

#include <algorithm>
#include <filesystem>

namespace abacore {

namespace fs = std::filesystem;

namespace {

std::string Folded(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Name order ignoring letter case; names equal but for it keep a fixed order.
void SortNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string fa = Folded(a), fb = Folded(b);
        return fa != fb ? fa < fb : a < b;
    });
}

// The entries of `folder` of one kind, hidden ones left out. Links count as what they point to.
std::vector<std::string> EntryNames(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code kindError;
        const bool isFolder = it->is_directory(kindError);
        if (kindError)
            continue;
        if (folders ? isFolder : !isFolder && it->is_regular_file(kindError))
            names.push_back(std::move(name));
    }
    SortNames(names);
    return names;
}

std::string Normal(const std::string& path) {
    std::string out = fs::path(path).lexically_normal().string();
    while (out.size() > 1 && out.back() == '/')
        out.pop_back();
    return out;
}

} // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::vector<FolderEntry> FolderListing(const std::string& drive, const std::string& current) {
    const std::string root = Normal(drive);
    std::string here = Normal(current);
    const fs::path relative = fs::path(here).lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..")
        here = root;

    std::vector<FolderEntry> out{FolderEntry{root, root, 0, true}};
    std::string path = root;
    if (here != root)
        for (const fs::path& part : fs::path(here).lexically_relative(root)) {
            if (part == ".")
                continue;
            path = JoinPath(path, part.string());
            out.push_back(FolderEntry{path, part.string(), static_cast<int>(out.size()), true});
        }
    const int depth = static_cast<int>(out.size());
    for (const std::string& name : EntryNames(here, true))
        out.push_back(FolderEntry{JoinPath(here, name), name, depth, false});
    return out;
}

std::vector<std::string> MatchingFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names = EntryNames(folder, false);
    std::erase_if(names, [&](const std::string& name) { return !MatchesPattern(name, pattern); });
    return names;
}

} // namespace abacore
