// The one writer every file goes through: what a replace keeps, what it refuses, what a failure
// or a stop signal leaves behind, and what it tells the user. (The file-size limit during a key
// is make_file_safety_test's.)
#include "../support/failure_text.h"
#include "core/atomic_file.h"
#include "temp_folder.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

using namespace abacore;
namespace fs = std::filesystem;

namespace {

// Names in the folder other than those given: what a write left behind.
std::vector<std::string> Litter(const fs::path& folder, std::vector<std::string> keep) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (std::find(keep.begin(), keep.end(), entry.path().filename()) == keep.end())
            names.push_back(entry.path().filename().string());
    return names;
}

std::string WriteMessage(const std::vector<PendingFile>& files) {
    return FailureText<WriteError>([&] { WriteFilesTogether(files); });
}

mode_t ModeOf(const fs::path& file) {
    struct stat s {};
    EXPECT_EQ(::stat(file.c_str(), &s), 0);
    return s.st_mode & 07777;
}

// Runs `body` in a child process, so that limits, signals, hooks and a changed user never reach
// the test runner; the child's wait status.
int InChild(const std::function<bool()>& body) {
    const pid_t child = fork();
    if (child == 0)
        _exit(body() ? 0 : 1);
    int status = -1;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    return status;
}

// A folder holding a sheet and its key as the teacher left them.
struct SheetAndKey : TempFolder {
    fs::path sheet = path() / "sheet.rtf", key = path() / "key.rtf";
    SheetAndKey() {
        WriteBytes(sheet, "earlier sheet");
        WriteBytes(key, "earlier key");
    }
};

} // namespace

TEST(FileSafety, WritesThroughLinksKeepingTheModeAndGivesNewFilesTheUsualOne) {
    TempFolder folder;
    const fs::path real = folder.path() / "real.rtf", link = folder.path() / "link.rtf";
    const fs::path dangling = folder.path() / "dangling.rtf";
    WriteBytes(real, "old");
    ::chmod(real.c_str(), 0640); // neither a temporary file's mode nor a new file's
    fs::create_symlink("real.rtf", link);
    fs::create_symlink("made.rtf", dangling);
    const mode_t mask = ::umask(022);
    WriteFilesTogether(std::vector<PendingFile>{{link, "new"}, {dangling, "made"}});
    ::umask(mask);
    EXPECT_EQ(ReadBytes(real), "new");
    EXPECT_EQ(ModeOf(real), 0640u);
    EXPECT_EQ(ReadBytes(folder.path() / "made.rtf"), "made");
    EXPECT_EQ(ModeOf(folder.path() / "made.rtf"), 0644u);

    // The longest name still gets a temporary file (and room for the earlier file's stand-in).
    const std::string longest = std::string(250, 'n') + ".rtf";
    WriteBytes(folder.path() / longest, "earlier");
    WriteFilesTogether(std::vector<PendingFile>{{real, "x"}, {folder.path() / longest, "z"}});
    EXPECT_EQ(ReadBytes(folder.path() / longest), "z");
    EXPECT_TRUE(Litter(folder.path(), {"real.rtf", "link.rtf", "dangling.rtf", "made.rtf", longest})
                    .empty());

    // As long a chain of links as the system follows (40) is no circle.
    fs::create_directory(folder.path() / "chain");
    fs::path chain = real;
    for (int k = 1; k <= 40; ++k)
        fs::create_symlink(std::exchange(chain, folder.path() / "chain" / std::to_string(k)),
                           chain);
    WriteFileAtomically(chain, "through 40 links");
    EXPECT_EQ(ReadBytes(real), "through 40 links");
}

TEST(FileSafety, RefusesWhatIsNoOrdinaryFileBeforeWritingEitherFile) {
    SheetAndKey folder;
    const fs::path at = folder.path();
    fs::create_symlink("loop.rtf", at / "loop.rtf");
    fs::create_directory(at / "chain"); // 41 links to the sheet, one more than the system follows
    for (int k = 1; k <= 41; ++k)
        fs::create_symlink(k == 1 ? folder.sheet : at / "chain" / std::to_string(k - 1),
                           at / "chain" / std::to_string(k));
    ASSERT_EQ(::mkfifo((at / "pipe.rtf").c_str(), 0644), 0);
    fs::create_directory(at / "folder.rtf");
    const std::vector<std::string> setup{"sheet.rtf", "key.rtf",    "loop.rtf",
                                         "pipe.rtf",  "folder.rtf", "chain"};
    const struct {
        fs::path key;
        std::string reason;
    } rows[] = {
        {at / "loop.rtf", "links lead round in a circle"},
        {at / "chain" / "41", "through more than 40 symbolic links"},
        {at / "pipe.rtf", "a pipe (FIFO), not an ordinary file"},
        {at / "folder.rtf", "there is a folder of that name"},
        {at / "gone" / "key.rtf", "the folder " + (at / "gone").string() + " does not exist"},
        {at / "sheet.rtf" / "key.rtf", folder.sheet.string() + " is not a folder"},
        {at / std::string(256, 'n'), "the name is too long"},
        {at / "." / "sheet.rtf", "the same file as"},
    };
    for (const auto& row : rows) {
        const std::string message = WriteMessage({{folder.sheet, "new sheet"}, {row.key, "k"}});
        EXPECT_NE(message.find("Cannot write " + row.key.string() + ": "), std::string::npos)
            << message;
        EXPECT_NE(message.find(row.reason), std::string::npos) << message;
        EXPECT_EQ(ReadBytes(folder.sheet), "earlier sheet") << row.key;
        EXPECT_TRUE(Litter(at, setup).empty()) << row.key;
    }
    // The folder is there, it takes no files (or not this user's).
    const std::string message = WriteMessage({{"/proc/x.rtf", "x"}});
    EXPECT_EQ(message.find("does not exist"), std::string::npos) << message;
    EXPECT_NE(message.find("/proc"), std::string::npos) << message;
}

TEST(FileSafety, AFileTheUserMayNotChangeIsKeptAsAnEditorWouldKeepIt) {
    TempFolder folder;
    const fs::path file = folder.path() / "protected.rtf", locked = folder.path() / "locked";
    fs::create_directory(locked);
    ::chmod(folder.path().c_str(), 0777);
    ::chmod(locked.c_str(), 0555);
    WriteBytes(file, "kept");
    ::chmod(file.c_str(), 0444);
    // Its owner (root too, whom the system lets write anything) made it read-only.
    EXPECT_NE(WriteMessage({{file, "new"}}).find("it is write-protected"), std::string::npos);
    const int status = InChild([&] {
        // Root may write anything: try it as nobody.
        if (geteuid() == 0 && setresuid(65534, 65534, 65534) != 0)
            return false;
        const std::string inFile = WriteMessage({{file, "new"}});
        const std::string inFolder = WriteMessage({{locked / "sheet.rtf", "x"}});
        return inFile.find("you do not have permission to change it") != std::string::npos &&
               inFolder.find("you do not have permission to write in the folder") !=
                   std::string::npos;
    });
    EXPECT_EQ(status, 0) << "no refusal in words";
    EXPECT_EQ(ReadBytes(file), "kept");
    EXPECT_TRUE(Litter(folder.path(), {"protected.rtf", "locked"}).empty() && fs::is_empty(locked));
}

TEST(FileSafety, BothFilesOrNeitherWhateverHappensAroundTheRenames) {
    const auto stop = [](const fs::path&) { std::raise(SIGTERM); };
    const auto folderInTheWay = [](const fs::path& key) {
        fs::remove(key);
        fs::create_directories(key / "in the way");
    };
    const struct {
        const char* name;
        size_t when; // files renamed so far
        std::function<void(const fs::path&)> act;
        bool stopped;
        std::string sheet, key;
    } rows[] = {
        {"a stop signal before the renames", 0, stop, true, "earlier sheet", "earlier key"},
        {"a stop signal between the renames", 1, stop, true, "new sheet", "new key"},
        {"the key's rename fails", 1, folderInTheWay, false, "earlier sheet", ""},
    };
    for (const auto& row : rows) {
        SheetAndKey folder;
        const int status = InChild([&] {
            SetWriterHookForTests([&](size_t renamed) {
                if (renamed == row.when)
                    row.act(folder.key);
            });
            const std::string message =
                WriteMessage({{folder.sheet, "new sheet"}, {folder.key, "new key"}});
            return message.find(folder.key.string()) != std::string::npos;
        });
        if (row.stopped)
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << row.name;
        else
            EXPECT_EQ(status, 0) << row.name << ": no message naming the key";
        EXPECT_EQ(ReadBytes(folder.sheet), row.sheet) << row.name;
        EXPECT_EQ(fs::is_directory(folder.key) ? "" : ReadBytes(folder.key), row.key) << row.name;
        EXPECT_TRUE(Litter(folder.path(), {"sheet.rtf", "key.rtf"}).empty()) << row.name;
    }
}

// Two saves of one sheet and key at once (two runs of make, or a window and a run): the second
// waits for the first's renames, so the pair left is one save's; a save held up for longer is
// refused as busy and changes nothing.
TEST(FileSafety, TwoSavesOfOneSetAtOnceNeverMixTheirFiles) {
    SheetAndKey folder;
    int between[2], release[2];
    ASSERT_EQ(::pipe(between), 0);
    ASSERT_EQ(::pipe(release), 0);
    const auto save = [&](const std::string& who) {
        return WriteMessage({{folder.sheet, who + " sheet"}, {folder.key, who + " key"}});
    };
    const pid_t first = fork();
    if (first == 0) {
        SetWriterHookForTests([&](size_t renamed) {
            char go = 0;
            if (renamed == 1 && ::write(between[1], "x", 1) == 1)
                (void)!::read(release[0], &go, 1);
        });
        _exit(save("first").empty() ? 0 : 1);
    }
    char signal = 0;
    ASSERT_EQ(::read(between[0], &signal, 1), 1); // the first is between its two renames
    EXPECT_NE(save("busy").find("busy"), std::string::npos);
    EXPECT_EQ(ReadBytes(folder.key), "earlier key");
    const pid_t second = fork();
    if (second == 0)
        _exit(save("second").empty() ? 0 : 1);
    usleep(300'000); // long enough for an unguarded save to be done
    ASSERT_EQ(::write(release[1], "x", 1), 1);
    for (const pid_t child : {first, second}) {
        int status = -1;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        EXPECT_EQ(status, 0);
    }
    EXPECT_EQ(ReadBytes(folder.sheet), "second sheet");
    EXPECT_EQ(ReadBytes(folder.key), "second key");
    EXPECT_TRUE(Litter(folder.path(), {"sheet.rtf", "key.rtf"}).empty());
}
