#include "core/startup.h"
#include "core/worksheet_request.h"
#include "worksheet/save_name.h"

#include "../support/failure_text.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace abacore;

namespace fs = std::filesystem;

// Start-up reuses the folder under another letter case, and saved files go into it; a file in
// its way is reported, not fatal.
TEST(WorksheetsFolder, ReusedUnderAnotherLetterCaseAndAFileInTheWayIsReported) {
    TempFolder folder;
    WorksheetRequest request;
    request.ProgramFolder = folder.path().string();
    fs::create_directory(folder.path() / "WORKSHEETS");
    EnsureWorksheetsFolder(request);
    EXPECT_FALSE(fs::exists(folder.path() / "worksheets"));
    EXPECT_EQ(FullWorksheetsPath(request, "Quiz 1.rtf"),
              (folder.path() / "WORKSHEETS" / "Quiz 1.rtf").string());

    fs::remove(folder.path() / "WORKSHEETS");
    WriteBytes(folder.path() / "worksheets", "not a folder");
    const std::string problem = FailureText<WriteError>([&] { EnsureWorksheetsFolder(request); });
    EXPECT_NE(problem.find((folder.path() / "worksheets").string()), std::string::npos) << problem;
}
