#include "shell/startup.h"
#include "worksheet/save_name.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace abacore;

namespace fs = std::filesystem;

// Start-up reuses the folder under another letter case, and saved files go into it.
TEST(WorksheetsFolder, ReusedUnderAnotherLetterCase) {
    TempFolder folder;
    fs::create_directory(folder.path() / "WORKSHEETS");
    EnsureWorksheetsFolder(folder.path());
    EXPECT_FALSE(fs::exists(folder.path() / "worksheets"));
    EXPECT_EQ(WorksheetsFolderPath(folder.path()), folder.path() / "WORKSHEETS");
    EXPECT_EQ(FullWorksheetsPath(folder.path().string(), "Quiz 1.rtf"),
              (folder.path() / "WORKSHEETS" / "Quiz 1.rtf").string());
    // The plain spelling wins when both are there.
    fs::create_directory(folder.path() / "worksheets");
    EXPECT_EQ(WorksheetsFolderPath(folder.path()), folder.path() / "worksheets");
}

TEST(WorksheetsFolder, AFileInTheWayIsReportedNotFatal) {
    TempFolder folder;
    WriteBytes(folder.path() / "worksheets", "not a folder");
    try {
        EnsureWorksheetsFolder(folder.path());
        ADD_FAILURE() << "a file in the way was not reported";
    } catch (const WriteError& e) {
        const std::string problem = e.what();
        EXPECT_NE(problem.find((folder.path() / "worksheets").string()), std::string::npos)
            << problem;
    }
}
