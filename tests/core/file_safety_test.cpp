// The one writer every file goes through: what a replace keeps, what a failure leaves behind,
// and what it tells the user.
#include "../support/failure_text.h"
#include "core/atomic_file.h"
#include "temp_folder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace abacore;
namespace fs = std::filesystem;

namespace {

// Names in the folder other than `keep`: what a write left behind.
std::vector<std::string> Litter(const fs::path& folder, const std::string& keep) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != keep)
            names.push_back(entry.path().filename().string());
    return names;
}

std::string WriteMessage(const fs::path& file, std::string_view bytes) {
    return FailureText<WriteError>([&] { WriteFileAtomically(file, bytes); });
}

mode_t ModeOf(const fs::path& file) {
    struct stat s {};
    EXPECT_EQ(::stat(file.c_str(), &s), 0);
    return s.st_mode & 07777;
}

} // namespace

TEST(FileSafety, AReplaceWritesThroughALinkAndKeepsThePermissionBits) {
    TempFolder folder;
    const fs::path real = folder.path() / "real.rtf";
    const fs::path link = folder.path() / "link.rtf";
    WriteBytes(real, "old");
    ::chmod(real.c_str(), 0600);
    fs::create_symlink("real.rtf", link);

    WriteFileAtomically(link, "new");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(ReadBytes(real), "new");
    EXPECT_EQ(ModeOf(real), 0600u);

    // A new file gets the usual permissions, not mkstemp's private ones.
    const mode_t mask = ::umask(022);
    WriteFileAtomically(folder.path() / "fresh.txt", "x");
    ::umask(mask);
    EXPECT_EQ(ModeOf(folder.path() / "fresh.txt"), 0644u);
}

TEST(FileSafety, ANameOfTheLongestLengthStillGetsATemporaryFile) {
    TempFolder folder;
    const std::string name = std::string(250, 'n') + ".rtf"; // 254 bytes
    WriteFileAtomically(folder.path() / name, "sheet");
    EXPECT_EQ(ReadBytes(folder.path() / name), "sheet");
    EXPECT_TRUE(Litter(folder.path(), name).empty());

    const std::string message = WriteMessage(folder.path() / (std::string(256, 'n')), "x");
    EXPECT_NE(message.find("the name is too long"), std::string::npos) << message;
}

TEST(FileSafety, TheFileSizeLimitIsAnOrdinaryFailureThatKeepsTheEarlierFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "sheet.rtf";
    WriteBytes(file, "earlier");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // In a child, so the limit and the signal disposition never reach the test runner.
        rlimit tiny{16, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &tiny);
        const std::string message = WriteMessage(file, std::string(4096, 'x'));
        _exit(message.find("file-size limit") != std::string::npos &&
                      message.find(file.string()) != std::string::npos
                  ? 0
                  : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status))
        << "the write ended the process (signal " << WTERMSIG(status) << ")";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "no message naming the file and the limit";
    EXPECT_EQ(ReadBytes(file), "earlier");
    EXPECT_TRUE(Litter(folder.path(), "sheet.rtf").empty());
}

TEST(FileSafety, AFolderWithoutWritePermissionIsSaidInWords) {
    TempFolder folder;
    const fs::path locked = folder.path() / "locked";
    fs::create_directory(locked);
    ::chmod(folder.path().c_str(), 0755);
    ::chmod(locked.c_str(), 0555);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Root may write anywhere: try it as nobody.
        if (geteuid() == 0 && setresuid(65534, 65534, 65534) != 0)
            _exit(2);
        const std::string message = WriteMessage(locked / "sheet.rtf", "x");
        _exit(message.find("you do not have permission") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(fs::is_empty(locked));

    const std::string missing = WriteMessage(folder.path() / "gone" / "sheet.rtf", "x");
    EXPECT_NE(missing.find((folder.path() / "gone" / "sheet.rtf").string()), std::string::npos);
    EXPECT_NE(missing.find("does not exist"), std::string::npos) << missing;
}

TEST(FileSafety, AStopSignalDuringAWriteRemovesTheTemporaryFileAndKeepsTheEarlierOne) {
    TempFolder folder;
    const fs::path file = folder.path() / "sheet.rtf";
    WriteBytes(file, "earlier");
    // A write big enough to be caught in the middle; retried should the machine be too quick.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const size_t bytes = size_t{256} << (20 + attempt);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string big(bytes, 'x');
            WriteFileAtomically(file, big);
            _exit(0);
        }
        // Stop it as soon as its temporary file is there.
        bool seen = false;
        for (int i = 0; i < 20000 && !seen; ++i) {
            seen = !Litter(folder.path(), "sheet.rtf").empty();
            if (!seen)
                usleep(100);
        }
        if (seen)
            kill(child, SIGTERM);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (!seen || !WIFSIGNALED(status)) {
            WriteBytes(file, "earlier"); // the write won the race: try a bigger one
            continue;
        }
        EXPECT_EQ(WTERMSIG(status), SIGTERM);
        EXPECT_EQ(ReadBytes(file), "earlier");
        EXPECT_TRUE(Litter(folder.path(), "sheet.rtf").empty());
        return;
    }
    GTEST_SKIP() << "every write finished before it could be stopped";
}
