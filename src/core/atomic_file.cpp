#include "core/atomic_file.h"

#include "core/output_check.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace abacore {

namespace fs = std::filesystem;

namespace {

// The temporary files that exist right now, so that a stop signal can remove them. A signal
// handler may only read plain memory: the names live in records that are never freed, reached
// through an atomic list, and a record is reused once its file is gone.
struct Record {
    std::array<char, PATH_MAX> name{};
    std::atomic<bool> taken{false};
    std::atomic<bool> live{false};
    Record* next = nullptr;
};
std::atomic<Record*> g_records{nullptr};
// The thread between its first and last rename, if any: a signal handled on another thread
// waits for it, so that it never ends the process with one file of a set replaced.
std::atomic<pid_t> g_renaming{0};
std::function<void(std::size_t)> g_hook;

extern "C" void RemoveTemporariesAndStop(int signal) {
    const pid_t renaming = g_renaming.load();
    while (renaming != 0 && renaming != ::gettid() && g_renaming.load() == renaming) {
    }
    for (Record* r = g_records.load(); r; r = r->next)
        if (r->live.load())
            ::unlink(r->name.data());
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

// Holds stop signals off on this thread for as long as it lives.
class StopSignalsHeld {
public:
    StopSignalsHeld() {
        sigset_t stops;
        sigemptyset(&stops);
        for (const int s : {SIGTERM, SIGINT, SIGHUP})
            sigaddset(&stops, s);
        pthread_sigmask(SIG_BLOCK, &stops, &m_previous);
    }
    ~StopSignalsHeld() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    StopSignalsHeld(const StopSignalsHeld&) = delete;
    StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

private:
    sigset_t m_previous{};
};

// Records a temporary file's name; call with stop signals held off, so that the name is known
// before a signal can see the file exist.
Record* Remember(const std::string& path) {
    if (path.size() >= PATH_MAX)
        return nullptr;
    Record* record = g_records.load();
    for (; record; record = record->next) {
        bool expected = false;
        if (record->taken.compare_exchange_strong(expected, true))
            break;
    }
    if (!record) {
        record = new Record; // reachable from the list for the rest of the run
        record->taken = true;
        record->next = g_records.load();
        while (!g_records.compare_exchange_weak(record->next, record)) {
        }
    }
    std::memcpy(record->name.data(), path.c_str(), path.size() + 1);
    record->live.store(true);
    return record;
}

void Forget(Record*& record) {
    if (!record)
        return;
    record->live.store(false);
    record->taken.store(false);
    record = nullptr;
}

// ".NAME.XXXXXX" beside the target, NAME shortened so that the name, and the name of the
// earlier file's stand-in (one byte longer), fit the file system's limit of 255 bytes.
std::string TemporaryTemplate(const fs::path& folder, const fs::path& target) {
    constexpr size_t kMostNameBytes = 255;
    const std::string suffix = ".XXXXXX";
    std::string name = target.filename().string();
    const size_t room = kMostNameBytes - suffix.size() - 2;
    if (name.size() > room)
        name.resize(room);
    return (folder / ("." + name + suffix)).string();
}

// One file on its way: the name the user knows, the file really replaced, its complete
// temporary file, and (during the renames) a second name of the earlier file to put back.
struct Staged {
    fs::path shown;
    fs::path target;
    std::string_view bytes;
    std::string temporary;
    Record* record = nullptr;
    std::string earlier;
    bool replaced = false; // there was a file, which could not be given a second name
};

[[noreturn]] void Fail(const fs::path& path, const std::string& reason) {
    throw WriteError("Cannot write " + path.string() + ": " + reason + ".");
}

fs::path FolderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// Why no new file could be made in `folder`; it was there a moment ago.
std::string CannotCreate(int error, const fs::path& folder) {
    if (error == EACCES || error == EPERM)
        return "you do not have permission to write in the folder " + folder.string();
    if (error == ENOENT) // a folder of the system's that takes no files (/proc)
        return "the folder " + folder.string() + " does not take new files";
    return ReasonInWords(error);
}

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

// Writes the file's bytes to its temporary file, with the mode and group of the file it
// replaces (or the usual mode of a new file), flushed to the disk.
void WriteTemporary(Staged& file) {
    const fs::path folder = FolderOf(file.target);
    file.temporary = TemporaryTemplate(folder, file.target);
    int fd = -1;
    {
        const StopSignalsHeld held;
        fd = ::mkstemp(file.temporary.data());
        if (fd >= 0)
            file.record = Remember(file.temporary);
    }
    if (fd < 0) {
        const int error = errno;
        file.temporary.clear();
        Fail(file.shown, CannotCreate(error, folder));
    }
    struct stat earlier {};
    if (::stat(file.target.c_str(), &earlier) == 0) {
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
    int error = WriteAll(fd, file.bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        Fail(file.shown, ReasonInWords(error));
}

// How long a write waits for another one writing in the same folder before it says so.
constexpr std::chrono::seconds kMostLockWait{3};

// Holds an advisory lock (flock) on each folder the files go to, for as long as it lives, so
// that the renames of two sets never interleave (a sheet from one run and its key from another):
// another writer of the program waits for them, as these wait for its. The lock is on the folder
// itself, so no lock file is left behind. A folder that cannot be opened or locked (a file
// system without locks) is written unguarded, as before there were locks.
class FoldersLocked {
public:
    explicit FoldersLocked(const std::vector<Staged>& files) {
        struct Folder {
            dev_t device;
            ino_t inode;
            fs::path path;
            const fs::path* shown;
        };
        std::vector<Folder> folders;
        for (const Staged& file : files) {
            const fs::path folder = FolderOf(file.target);
            struct stat status {};
            if (::stat(folder.c_str(), &status) != 0)
                continue;
            if (std::none_of(folders.begin(), folders.end(), [&](const Folder& f) {
                    return f.device == status.st_dev && f.inode == status.st_ino;
                }))
                folders.push_back({status.st_dev, status.st_ino, folder, &file.shown});
        }
        // Always in the same order, so that two sets over the same folders cannot each hold one.
        std::sort(folders.begin(), folders.end(), [](const Folder& a, const Folder& b) {
            return std::tie(a.device, a.inode) < std::tie(b.device, b.inode);
        });
        const auto giveUp = std::chrono::steady_clock::now() + kMostLockWait;
        for (const Folder& folder : folders) {
            const int fd = ::open(folder.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0)
                continue;
            m_fds.push_back(fd);
            while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
                if (errno != EWOULDBLOCK && errno != EINTR)
                    break; // no locks here
                if (std::chrono::steady_clock::now() >= giveUp) {
                    release();
                    Fail(*folder.shown, "it is busy: another save is writing files in its "
                                        "folder. Try again in a moment");
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
    }
    ~FoldersLocked() { release(); }
    FoldersLocked(const FoldersLocked&) = delete;
    FoldersLocked& operator=(const FoldersLocked&) = delete;

private:
    void release() {
        for (const int fd : m_fds)
            ::close(fd); // closing the only descriptor lets the lock go
        m_fds.clear();
    }
    std::vector<int> m_fds;
};

// Renames every temporary file over its target, stop signals held off from the first rename to
// the last. Should a rename fail, the files already renamed are put back as they were (through
// a second name each earlier file was given first) and the reason is returned; 0 when done.
int RenameAll(std::vector<Staged>& files, size_t& failed) {
    const StopSignalsHeld held;
    g_renaming.store(::gettid());
    if (files.size() > 1)
        for (Staged& file : files) {
            file.earlier = file.temporary + "~";
            if (::link(file.target.c_str(), file.earlier.c_str()) != 0) {
                // No file yet, or a file system without second names.
                file.replaced = errno != ENOENT;
                file.earlier.clear();
            }
        }
    int error = 0;
    size_t renamed = 0;
    for (; renamed < files.size(); ++renamed) {
        if (renamed > 0 && g_hook)
            g_hook(renamed);
        Staged& file = files[renamed];
        if (::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
            error = errno;
            break;
        }
        Forget(file.record);
        file.temporary.clear();
    }
    failed = renamed;
    for (size_t i = 0; i < files.size(); ++i) {
        Staged& file = files[i];
        if (error != 0 && i < renamed) {
            if (!file.earlier.empty())
                ::rename(file.earlier.c_str(), file.target.c_str());
            else if (!file.replaced)
                ::unlink(file.target.c_str());
        } else if (!file.earlier.empty()) {
            ::unlink(file.earlier.c_str());
        }
    }
    g_renaming.store(0);
    return error;
}

struct FileView {
    const fs::path& path;
    std::string_view bytes;
};

void WriteTogether(std::span<const FileView> files) {
    InstallSignalHandlersOnce();
    std::vector<Staged> staged;
    staged.reserve(files.size());
    // Whatever happens, no temporary file is left behind.
    struct Cleanup {
        std::vector<Staged>& files;
        ~Cleanup() {
            for (Staged& file : files) {
                if (!file.temporary.empty())
                    ::unlink(file.temporary.c_str());
                Forget(file.record);
            }
        }
    } cleanup{staged};
    // Every file is checked before the first byte is written.
    for (const FileView& file : files) {
        const fs::path target = CheckWritable(file.path);
        for (const Staged& other : staged)
            if (SameFile(other.target, target))
                Fail(file.path, "it is the same file as " + other.shown.string());
        staged.push_back({file.path, target, file.bytes, {}, nullptr, {}, false});
    }
    for (Staged& file : staged)
        WriteTemporary(file);
    if (g_hook)
        g_hook(0);
    const FoldersLocked locked(staged);
    size_t failed = 0;
    if (const int error = RenameAll(staged, failed); error != 0)
        Fail(staged[failed].shown, ReasonInWords(error));
}

} // namespace

std::string ReasonInWords(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "you do not have permission";
    case ENOSPC:
        return "the disk is full";
    case EDQUOT:
        return "your disk quota is used up";
    case EROFS:
        return "the disk is read-only (a read-only file system)";
    case ENOENT:
        return "it does not exist";
    case ENOTDIR:
        return "a part of the path is not a folder";
    case ENAMETOOLONG:
        return "the name is too long";
    case EFBIG:
        return "the file would be larger than this system allows (the file-size limit)";
    case EISDIR:
        return "there is a folder of that name";
    case ELOOP:
        return "the system gave up following its symbolic links (too many of them, or a circle)";
    case EEXIST:
    case ENOTEMPTY:
        return "another file is in the way";
    case EBUSY:
    case ETXTBSY:
        return "the file is in use";
    case EIO:
        return "the disk reported an input/output error";
    default:
        return std::strerror(error);
    }
}

void WriteFilesTogether(std::span<const PendingFile> files) {
    std::vector<FileView> views;
    views.reserve(files.size());
    for (const PendingFile& file : files)
        views.push_back({file.path, file.bytes});
    WriteTogether(views);
}

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const FileView file{path, bytes};
    WriteTogether({&file, 1});
}

void SetWriterHookForTests(std::function<void(std::size_t renamed)> hook) {
    g_hook = std::move(hook);
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ReadError("Cannot read " + path.string() + ": " + ReasonInWords(errno) + ".");
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad())
        throw ReadError("Cannot read " + path.string() + ".");
    return s.str();
}

} // namespace abacore
