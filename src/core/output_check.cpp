#include "core/output_check.h"

#include "core/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace abacore {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Refuse(const fs::path& path, const std::string& reason) {
    throw WriteError("Cannot write " + path.string() + ": " + reason + ".");
}

// `path` with its symbolic links followed; nothing when they lead round in a circle. A link to
// nowhere gives the name it points to, which the write then creates.
std::optional<fs::path> FollowLinks(fs::path target) {
    constexpr int kMostHops = 40; // as the system's own limit
    for (int hops = 0; hops < kMostHops; ++hops) {
        std::error_code notALink;
        const fs::path next = fs::read_symlink(target, notALink);
        if (notALink)
            return target;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return std::nullopt;
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
    const std::optional<fs::path> followed = FollowLinks(path);
    if (!followed)
        Refuse(path, ReasonInWords(ELOOP));
    const fs::path& target = *followed;
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
    // Replacing needs only the folder's permission; a write-protected file is kept all the same.
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
