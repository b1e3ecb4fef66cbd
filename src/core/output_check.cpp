#include "core/output_check.h"

#include "core/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace abacore {

namespace fs = std::filesystem;

void CheckWritable(const fs::path& path) {
    const auto fail = [&path](const std::string& reason) {
        throw WriteError("Cannot write " + path.string() + ": " + reason + ".");
    };
    constexpr size_t kMostNameBytes = 255;
    if (path.filename().string().size() > kMostNameBytes)
        fail(ReasonInWords(ENAMETOOLONG));
    // Through a link to the file it points to, as the writer goes.
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec)
            target = resolved;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0)
        fail(errno == ENOENT ? "the folder " + folder.string() + " does not exist"
                             : ReasonInWords(errno));
    if (!S_ISDIR(status.st_mode))
        fail(folder.string() + " is not a folder");
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        fail(ReasonInWords(errno));
    if (fs::is_directory(target, ec))
        fail(ReasonInWords(EISDIR));
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
