#include "core/output_check.h"

#include "core/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace abacore {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Refuse(const fs::path& path, const std::string& reason) {
    throw WriteError("Cannot write " + path.string() + ": " + reason + ".");
}

// `path` with its symbolic links followed, as far as the system follows them; the reason when
// they cannot be: they lead round in a circle, or on through more links than the system takes.
// A link to nowhere gives the name it points to, which the write then creates.
struct Followed {
    fs::path target;
    std::string refusal;
};
Followed FollowLinks(fs::path target) {
    constexpr int kMostHops = 40; // as the system's own limit
    std::vector<std::pair<dev_t, ino_t>> seen;
    for (int hops = 0;; ++hops) {
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return {target, {}};
        const std::pair<dev_t, ino_t> id{link.st_dev, link.st_ino};
        if (std::find(seen.begin(), seen.end(), id) != seen.end())
            return {{}, "its symbolic links lead round in a circle"};
        if (hops == kMostHops)
            return {{},
                    "it leads on through more than " + std::to_string(kMostHops) +
                        " symbolic links, more than the system follows"};
        seen.push_back(id);
        std::error_code unreadable;
        const fs::path next = fs::read_symlink(target, unreadable);
        if (unreadable)
            return {target, {}};
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

// Why a file of this kind is not replaced.
std::string NotAnOrdinaryFile(mode_t mode) {
    if (S_ISDIR(mode))
        return ReasonInWords(EISDIR);
    const char* kind = S_ISFIFO(mode)                   ? "a pipe (FIFO)"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISSOCK(mode)                 ? "a socket"
                                                        : "an unusual kind of file";
    return std::string("it is ") + kind + ", not an ordinary file, so it is not replaced";
}

bool MayWrite(const fs::path& path, int how) {
    return ::faccessat(AT_FDCWD, path.c_str(), how, AT_EACCESS) == 0;
}

bool IsPermission(int error) {
    return error == EACCES || error == EPERM;
}

} // namespace

fs::path CheckWritable(const fs::path& path) {
    constexpr size_t kMostNameBytes = 255;
    if (path.filename().string().size() > kMostNameBytes)
        Refuse(path, ReasonInWords(ENAMETOOLONG));
    const Followed followed = FollowLinks(path);
    if (!followed.refusal.empty())
        Refuse(path, followed.refusal);
    const fs::path& target = followed.target;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0)
        Refuse(path, errno == ENOENT ? "the folder " + folder.string() + " does not exist"
                                     : ReasonInWords(errno));
    if (!S_ISDIR(status.st_mode))
        Refuse(path, folder.string() + " is not a folder");
    if (!MayWrite(folder, W_OK | X_OK))
        Refuse(path, IsPermission(errno)
                         ? "you do not have permission to write in the folder " + folder.string()
                         : ReasonInWords(errno));
    if (::stat(target.c_str(), &status) != 0) {
        if (errno != ENOENT)
            Refuse(path, ReasonInWords(errno));
        return target; // a new file
    }
    if (!S_ISREG(status.st_mode))
        Refuse(path, NotAnOrdinaryFile(status.st_mode));
    // Replacing needs only the folder's permission; a write-protected file is kept all the same,
    // judged by its owner's write bit when the system would let the user write anything (root)
    // or the user owns it, as an editor judges it.
    const uid_t user = ::geteuid();
    if ((user == 0 || user == status.st_uid) && (status.st_mode & S_IWUSR) == 0)
        Refuse(path, "it is write-protected (read-only)");
    if (!MayWrite(target, W_OK))
        Refuse(path, IsPermission(errno) ? "you do not have permission to change it"
                                         : ReasonInWords(errno));
    return target;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ea, eb;
    const fs::path ca = fs::weakly_canonical(fs::absolute(a), ea);
    const fs::path cb = fs::weakly_canonical(fs::absolute(b), eb);
    if (!ea && !eb && ca == cb)
        return true;
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

std::string EscapedForTerminal(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char code[8];
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            out += code;
        } else if (byte == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned char>(text[++i]));
            out += code;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace abacore
