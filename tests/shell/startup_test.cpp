#include "shell/startup.h"
#include "shell/worksheet_request.h"

#include "temp_folder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Subfolders(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(ProgramFolderText, RecordedWithoutATrailingSeparator) {
    EXPECT_EQ(ProgramFolderText("/opt/abacore/"), "/opt/abacore");
    EXPECT_EQ(ProgramFolderText("/opt/abacore"), "/opt/abacore");
    EXPECT_EQ(ProgramFolderText("/"), "/");
}

TEST(WorksheetsFolder, CreatedWhenMissing) {
    TempFolder folder;
    EXPECT_EQ(EnsureWorksheetsFolder(folder.path()), "");
    EXPECT_EQ(Subfolders(folder.path()), std::vector<std::string>{"worksheets"});
    // A second start finds it and makes nothing new.
    EXPECT_EQ(EnsureWorksheetsFolder(folder.path()), "");
    EXPECT_EQ(Subfolders(folder.path()), std::vector<std::string>{"worksheets"});
}

TEST(WorksheetsFolder, ReusedUnderAnotherLetterCase) {
    TempFolder folder;
    fs::create_directory(folder.path() / "WORKSHEETS");
    fs::create_directory(folder.path() / "other");
    EXPECT_EQ(EnsureWorksheetsFolder(folder.path()), "");
    EXPECT_EQ(Subfolders(folder.path()), (std::vector<std::string>{"WORKSHEETS", "other"}));
    EXPECT_EQ(WorksheetsFolderPath(folder.path()), folder.path() / "WORKSHEETS");

    // The plain spelling wins when both are there.
    fs::create_directory(folder.path() / "worksheets");
    EXPECT_EQ(WorksheetsFolderPath(folder.path()), folder.path() / "worksheets");
}

TEST(WorksheetsFolder, AFileInTheWayIsReportedNotFatal) {
    TempFolder folder;
    WriteBytes(folder.path() / "worksheets", "not a folder");
    const std::string problem = EnsureWorksheetsFolder(folder.path());
    EXPECT_NE(problem.find("worksheets folder"), std::string::npos) << problem;
    EXPECT_NE(problem.find((folder.path() / "worksheets").string()), std::string::npos);
}

TEST(Startup, FirstStartThanksOnceThenRunsQuietly) {
    TempFolder folder;
    WriteBytes(folder.path() / "kvtdata.dat", "one\r\ntwo\r\n+++++\r\n");
    WorksheetRequest request;
    request.WordProcessorPath = "left over";

    StartupOutcome first = RunStartup(request, folder.path());
    EXPECT_FALSE(first.settingsFailed);
    EXPECT_TRUE(first.firstRun);
    EXPECT_EQ(first.worksheetsProblem, "");
    EXPECT_EQ(ReadBytes(folder.path() / "kvtdata.dat"), "one\r\ntwo\r\n*****\r\n");
    EXPECT_FALSE(request.QuickWordEnabled);
    EXPECT_EQ(request.WordProcessorPath, "left over");
    EXPECT_EQ(request.ProgramFolder, folder.path().string());
    EXPECT_TRUE(fs::is_directory(folder.path() / "worksheets"));

    StartupOutcome second = RunStartup(request, folder.path());
    EXPECT_FALSE(second.settingsFailed);
    EXPECT_FALSE(second.firstRun);
}

TEST(Startup, UnusableSettingsStopBeforeTheWorksheetsFolder) {
    TempFolder folder;
    WorksheetRequest request;
    EXPECT_TRUE(RunStartup(request, folder.path()).settingsFailed);
    WriteBytes(folder.path() / "kvtdata.dat", "one\r\ntwo\r\n");
    EXPECT_TRUE(RunStartup(request, folder.path()).settingsFailed);
    EXPECT_FALSE(fs::exists(folder.path() / "worksheets"));
    EXPECT_FALSE(request.QuickWordEnabled);
}
