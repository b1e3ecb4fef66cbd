#include "shell/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace abacore {

namespace fs = std::filesystem;

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw WriteError("Cannot write " + path.string() + ": the folder " + folder.string() +
                         " does not exist.");
    std::string hidden = ".";
    hidden.append(path.filename().string()).append(".XXXXXX");
    std::string tmpl = (folder / hidden).string();
    const int fd = mkstemp(tmpl.data());
    if (fd < 0)
        throw WriteError("Cannot write in " + folder.string() + ": " + std::strerror(errno) + ".");
    const char* data = bytes.data();
    size_t left = bytes.size();
    std::string error;
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = std::strerror(errno);
            break;
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    if (error.empty() && ::fsync(fd) != 0)
        error = std::strerror(errno);
    // New files get the usual permissions (mkstemp makes them private).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0 && error.empty())
        error = std::strerror(errno);
    if (error.empty() && std::rename(tmpl.c_str(), path.c_str()) != 0)
        error = std::strerror(errno);
    if (!error.empty()) {
        std::remove(tmpl.c_str());
        throw WriteError("Cannot write " + path.string() + ": " + error + ".");
    }
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ReadError("Cannot read " + path.string() + ": " + std::strerror(errno) + ".");
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad())
        throw ReadError("Cannot read " + path.string() + ".");
    return s.str();
}

} // namespace abacore
