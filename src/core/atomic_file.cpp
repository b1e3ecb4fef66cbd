#include "core/atomic_file.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace abacore {

namespace fs = std::filesystem;

namespace {

// The temporary files being written right now, so that a stop signal can remove them. A signal
// handler may only touch plain memory, so the names live in fixed slots.
constexpr size_t kSlots = 8;
constexpr size_t kSlotBytes = 4096;
std::array<std::array<char, kSlotBytes>, kSlots> g_temporaries{};
std::array<std::atomic<bool>, kSlots> g_inUse{};

extern "C" void RemoveTemporariesAndStop(int signal) {
    for (size_t i = 0; i < kSlots; ++i)
        if (g_inUse[i].load())
            ::unlink(g_temporaries[i].data());
    // End as the signal would have ended the process.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void InstallSignalHandlersOnce() {
    static const bool installed = [] {
        for (const int s : {SIGTERM, SIGINT, SIGHUP}) {
            struct sigaction action {};
            sigaction(s, nullptr, &action);
            // A signal the caller chose to ignore stays ignored.
            if (action.sa_handler == SIG_IGN)
                continue;
            action = {};
            action.sa_handler = RemoveTemporariesAndStop;
            sigemptyset(&action.sa_mask);
            sigaction(s, &action, nullptr);
        }
        // Past the file-size limit a write then fails with EFBIG, like any other write error,
        // instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)installed;
}

// Holds a temporary file's name in a slot while it exists.
class TemporaryRecord {
public:
    explicit TemporaryRecord(const std::string& path) {
        if (path.size() >= kSlotBytes)
            return;
        for (size_t i = 0; i < kSlots; ++i) {
            bool expected = false;
            if (g_inUse[i].load())
                continue;
            std::memcpy(g_temporaries[i].data(), path.c_str(), path.size() + 1);
            if (g_inUse[i].compare_exchange_strong(expected, true)) {
                m_slot = static_cast<int>(i);
                return;
            }
        }
    }
    ~TemporaryRecord() {
        if (m_slot >= 0)
            g_inUse[static_cast<size_t>(m_slot)].store(false);
    }
    TemporaryRecord(const TemporaryRecord&) = delete;
    TemporaryRecord& operator=(const TemporaryRecord&) = delete;

private:
    int m_slot = -1;
};

// The file a write really replaces: a symbolic link is followed to what it points to, so the
// link stays a link.
fs::path ResolveLinks(const fs::path& path) {
    fs::path target = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec)))
            return target;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec)
            return target;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

// ".NAME.XXXXXX" beside the target, NAME shortened so the whole name fits the file system's
// limit of 255 bytes.
std::string TemporaryTemplate(const fs::path& folder, const fs::path& target) {
    constexpr size_t kMostNameBytes = 255;
    const std::string suffix = ".XXXXXX";
    std::string name = target.filename().string();
    const size_t room = kMostNameBytes - suffix.size() - 1;
    if (name.size() > room)
        name.resize(room);
    return (folder / ("." + name + suffix)).string();
}

} // namespace

std::string ReasonInWords(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "you do not have permission to write there";
    case ENOSPC:
    case EDQUOT:
        return "the disk is full";
    case EROFS:
        return "the disk is read-only (a read-only file system)";
    case ENOENT:
        return "the folder does not exist";
    case ENOTDIR:
        return "a part of the path is not a folder";
    case ENAMETOOLONG:
        return "the name is too long";
    case EFBIG:
        return "the file would be larger than this system allows (the file-size limit)";
    case EISDIR:
        return "there is a folder of that name";
    case EIO:
        return "the disk reported an input/output error";
    default:
        return std::strerror(error);
    }
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    InstallSignalHandlersOnce();
    const fs::path target = ResolveLinks(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const auto fail = [&path](const std::string& reason) {
        throw WriteError("Cannot write " + path.string() + ": " + reason + ".");
    };
    struct stat folderStatus {};
    if (::stat(folder.c_str(), &folderStatus) != 0)
        fail(errno == ENOENT ? "the folder " + folder.string() + " does not exist"
                             : ReasonInWords(errno));
    if (!S_ISDIR(folderStatus.st_mode))
        fail(folder.string() + " is not a folder");
    std::error_code ec;
    if (fs::is_directory(target, ec))
        fail(ReasonInWords(EISDIR));

    struct stat earlier {};
    const bool replacing = ::stat(target.c_str(), &earlier) == 0;

    std::string temporary = TemporaryTemplate(folder, target);
    sigset_t stops, previous;
    sigemptyset(&stops);
    sigaddset(&stops, SIGTERM);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGHUP);
    // The name is recorded before a stop signal can see the file exist.
    pthread_sigmask(SIG_BLOCK, &stops, &previous);
    const int fd = mkstemp(temporary.data());
    const int openError = errno;
    std::optional<TemporaryRecord> record;
    if (fd >= 0)
        record.emplace(temporary);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (fd < 0)
        fail(ReasonInWords(openError));

    const char* data = bytes.data();
    size_t left = bytes.size();
    int error = 0;
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (replacing) {
        // The replaced file's permissions, and its group where the user may set it.
        ::fchmod(fd, earlier.st_mode & 07777);
        if (::fchown(fd, static_cast<uid_t>(-1), earlier.st_gid) != 0) {
            // Not a member of that group: the file keeps the user's own group.
        }
    } else {
        // New files get the usual permissions (mkstemp makes them private).
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        fail(ReasonInWords(error));
    }
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ReadError(
            "Cannot read " + path.string() + ": " +
            (errno == ENOENT ? std::string("it does not exist") : ReasonInWords(errno)) + ".");
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad())
        throw ReadError("Cannot read " + path.string() + ".");
    return s.str();
}

} // namespace abacore
