// An installed copy: each user gets a program folder of their own on the first start (or takes
// over the one an earlier version kept), their copies of data files win over the shipped ones,
// and their sheets go into a worksheets folder there. The first and second starts themselves are
// the installed tree test's and the title's.

#include "core/generation_error.h"
#include "core/program_places.h"
#include "core/startup.h"
#include "core/worksheet_request.h"
#include "worksheet/riddle_file.h"
#include "worksheet/save_name.h"
#include "worksheet/template_file.h"

#include "../support/failure_text.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace abacore;

namespace fs = std::filesystem;

namespace {

struct Installed {
    TempFolder root;
    const fs::path shipped = root.path() / "usr" / "share" / "abacore-drill";
    const fs::path home = root.path() / "home" / "ann";

    Installed() {
        fs::create_directories(shipped);
        fs::copy(ABACORE_SOURCE_DIR "/data", shipped);
        fs::create_directories(home);
        // What `cmake --install` leaves: files nobody may write (in a folder this test may, so
        // that it can take files away and clean up).
        for (const auto& entry : fs::directory_iterator(shipped))
            fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write,
                            fs::perm_options::remove);
    }
    // The request of a run by the user whose config home is `configHome`.
    WorksheetRequest request(const fs::path& configHome) const {
        const UserEnvironment user{home.string(), "", configHome.string()};
        WorksheetRequest r;
        RecordPlaces(r, {UserProgramFolder(user)->string(), shipped.string(),
                         UserDocumentsFolder(user)->string()});
        return r;
    }
};

} // namespace

TEST(UserFolder, AFolderThatCannotBeMadeOrAShippedFileThatIsGoneEndsTheStart) {
    Installed installed;
    fs::remove(installed.shipped / "kvtdata.dat");
    WorksheetRequest damaged = installed.request(installed.home / "fresh");
    EXPECT_TRUE(RunStartup(damaged, damaged.ProgramFolder).settingsFailed);
    EXPECT_FALSE(fs::exists(installed.home / "fresh" / "abacore-drill" / "kvtdata.dat"));

    // A user who already has a settings file does not need the shipped one.
    fs::create_directories(installed.home / "data2" / "abacore-drill");
    WriteBytes(installed.home / "data2" / "abacore-drill" / "KVTDATA.DAT", "a\r\nb\r\n*****\r\n");
    WorksheetRequest settled = installed.request(installed.home / "data2");
    const StartupOutcome fine = RunStartup(settled, settled.ProgramFolder);
    EXPECT_FALSE(fine.settingsFailed);
    EXPECT_FALSE(fine.firstRun);
}

TEST(UserFolder, AUsersOwnCopyOfADataFileWinsInAnyLetterCase) {
    Installed installed;
    const fs::path own = installed.home / "own";
    fs::create_directories(own);
    const DataFolders folders{own, installed.shipped};

    // Nothing of the user's: the shipped files, found ignoring case as in a program folder.
    EXPECT_EQ(FindDataFile(folders, "RIDDLES.DAT"), installed.shipped / "Riddles.dat");

    // A file under another letter case is a copy.
    WriteBytes(own / "riddles.DAT", "Why?\r\nBecause.\r\n");
    EXPECT_EQ(ReadRiddleFile(folders).riddles, (std::vector<Riddle>{{"Why?", "Because."}}));

    // A template missing from both is reported with both folders.
    WorksheetRequest request;
    request.SkillMode = Skill::Subtraction;
    request.ProblemCount = 5;
    fs::remove(installed.shipped / "subtract.dat");
    const std::string message =
        FailureText<GenerationError>([&] { LoadWordTemplates(request, folders); });
    EXPECT_NE(message.find(own.string()), std::string::npos) << message;
    EXPECT_NE(message.find(installed.shipped.string()), std::string::npos) << message;
}

// The folder an earlier version kept is taken over by one rename, the teacher's files byte for
// byte. An install's shipped folder is no teacher's folder, and a folder already in place wins.
TEST(UserFolder, AnEarlierVersionsFolderIsTakenOverWhole) {
    const std::string settings = "Abacore\r\n/usr/bin/lowriter\r\n*****\r\n";
    const std::string riddles = "Mine?\r\nYes!\r\n";
    struct Case {
        const char* name;
        const char* earlier; // in the home
        bool installedBeside;
        bool ownExists;
        bool taken;
    };
    const Case cases[] = {
        {"the package's folder", ".local/share/abacore-drill", false, false, true},
        {"beside a home install", ".local/share/abacore-drill/user", true, false, true},
        {"a home install's shipped folder", ".local/share/abacore-drill", true, false, false},
        {"already taken over", ".local/share/abacore-drill", false, true, false},
    };
    for (const Case& c : cases) {
        TempFolder root;
        const fs::path home = root.path();
        const fs::path earlier = home / c.earlier;
        fs::create_directories(earlier);
        WriteBytes(earlier / "KvtData.dat", settings);
        WriteBytes(earlier / "Riddles.dat", riddles);
        if (c.installedBeside) {
            fs::create_directories(home / ".local" / "bin");
            WriteBytes(home / ".local" / "bin" / "abacore-drill", "");
        }
        const UserEnvironment user{home.string(), "", ""};
        const fs::path own = home / ".config" / "abacore-drill";
        if (c.ownExists)
            fs::create_directories(own);
        ProgramPlaces places{own.string(), "/usr/share/abacore-drill",
                             (home / "Documents").string()};
        AdoptEarlierUserFolder(places, user);
        EXPECT_EQ(places.programFolder, own.string()) << c.name;
        const fs::path holder = c.taken ? own : earlier;
        EXPECT_EQ(ReadBytes(holder / "KvtData.dat") + ReadBytes(holder / "Riddles.dat"),
                  settings + riddles)
            << c.name;
        EXPECT_EQ(fs::exists(earlier), !c.taken) << c.name;
    }

    // Where the folder cannot be moved, the run uses it where it is.
    TempFolder root;
    const fs::path earlier = root.path() / "data" / "abacore-drill";
    fs::create_directories(earlier);
    WriteBytes(earlier / "kvtdata.dat", settings);
    WriteBytes(root.path() / "conf", "a file where the config home should be");
    const UserEnvironment user{root.path().string(), (root.path() / "data").string(),
                               (root.path() / "conf").string()};
    ProgramPlaces places{UserProgramFolder(user)->string(), "/usr/share/abacore-drill", "/d"};
    AdoptEarlierUserFolder(places, user);
    EXPECT_EQ(places.programFolder, earlier.string());
    EXPECT_EQ(ReadBytes(earlier / "kvtdata.dat"), settings);
}

// Start-up reuses the folder under another letter case, and saved files go into it; a file in
// its way is reported, not fatal.
TEST(WorksheetsFolder, ReusedUnderAnotherLetterCaseAndAFileInTheWayIsReported) {
    TempFolder folder;
    WorksheetRequest request;
    request.ProgramFolder = folder.path().string();
    fs::create_directory(folder.path() / "WORKSHEETS");
    EnsureWorksheetsFolder(request);
    EXPECT_EQ(FullWorksheetsPath(request, "Quiz 1.rtf"),
              (folder.path() / "WORKSHEETS" / "Quiz 1.rtf").string());

    fs::remove(folder.path() / "WORKSHEETS");
    WriteBytes(folder.path() / "worksheets", "not a folder");
    const std::string problem = FailureText<WriteError>([&] { EnsureWorksheetsFolder(request); });
    EXPECT_NE(problem.find((folder.path() / "worksheets").string()), std::string::npos) << problem;
}
