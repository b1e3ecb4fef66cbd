#include "shell/startup.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(WorksheetsFolder, ReusedUnderAnotherLetterCase) {
    TempFolder folder;
    fs::create_directory(folder.path() / "WORKSHEETS");
    EXPECT_EQ(EnsureWorksheetsFolder(folder.path()), "");
    EXPECT_FALSE(fs::exists(folder.path() / "worksheets"));
    EXPECT_EQ(WorksheetsFolderPath(folder.path()), folder.path() / "WORKSHEETS");
    // The plain spelling wins when both are there.
    fs::create_directory(folder.path() / "worksheets");
    EXPECT_EQ(WorksheetsFolderPath(folder.path()), folder.path() / "worksheets");
}

TEST(WorksheetsFolder, AFileInTheWayIsReportedNotFatal) {
    TempFolder folder;
    WriteBytes(folder.path() / "worksheets", "not a folder");
    const std::string problem = EnsureWorksheetsFolder(folder.path());
    EXPECT_NE(problem.find((folder.path() / "worksheets").string()), std::string::npos) << problem;
}
