#include "core/settings_file.h"
#include "core/worksheet_request.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace abacore;

namespace fs = std::filesystem;

TEST(SettingsLines, SplitJoinAndLineThreeKeepEveryOtherByte) {
    const std::string inputs[] = {"a\r\n\r\n+++++\r\nd \r\n", "a\nb\nc\n", "a\r\nb\nc",
                                  "a\rb\r\nc\r\n", ""};
    for (const std::string& bytes : inputs)
        EXPECT_EQ(JoinSettingsLines(SplitSettingsLines(bytes)), bytes) << bytes;
    // A final CR LF ends the last line; it does not start an empty one.
    EXPECT_EQ(SplitSettingsLines("a\r\nb\r\n").size(), 2u);

    // A line 3 that ended the file without a line break gets the file's CR LF.
    SettingsLines lines = SplitSettingsLines("a\r\nb\n+++++");
    SetQuickWordLine(lines, "*****");
    EXPECT_EQ(JoinSettingsLines(lines), "a\r\nb\n*****\r\n");

    for (const char* off : {"*****", "+++++", ""})
        EXPECT_FALSE(IsQuickWordOn(off)) << off;
    for (const char* on : {"/usr/bin/writer", "****", "***** "})
        EXPECT_TRUE(IsQuickWordOn(on)) << on;
}

TEST(SettingsFile, FirstStartTurnsOnlyAnExactMarkerOffOnce) {
    TempFolder folder;
    // Rewritten under the name it has (start-up finds it in any letter case).
    const fs::path file = folder.path() / "KVTDATA.DAT";
    const std::string head = "reserved one \t\xE9 \r\n\r\n", tail = "  later line\r\n";
    WriteBytes(file, head + "+++++\r\n" + tail);
    EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::Done);
    EXPECT_EQ(ReadBytes(file), head + "*****\r\n" + tail);
    EXPECT_FALSE(fs::exists(folder.path() / kSettingsFileName));

    // Any other line 3, the marker turned off included, is left as it is.
    for (const std::string line3 : {"*****", "+++++ ", "++++", "/usr/bin/writer"}) {
        WriteBytes(file, "a\r\nb\r\n" + line3 + "\r\n");
        EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::NothingToDo) << line3;
        EXPECT_EQ(ReadBytes(file), "a\r\nb\r\n" + line3 + "\r\n");
    }
}

TEST(SettingsFile, MissingOrShortFilesFailAndTheReaderTakesLineThree) {
    TempFolder folder;
    const fs::path file = folder.path() / kSettingsFileName;
    WorksheetRequest request;
    EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::Failed);
    EXPECT_FALSE(fs::exists(file));
    for (const std::string bytes : {"", "one\r\ntwo\r\n", "one\r\ntwo"}) {
        WriteBytes(file, bytes);
        EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::Failed) << bytes;
        EXPECT_THROW(ReadQuickWordSetting(file, request), ReadError) << bytes;
        EXPECT_EQ(ReadBytes(file), bytes);
    }
    // Three lines, the last one empty, are enough. An empty line 3 is QuickWord off: its CR
    // belongs to the line ending, it is not a program's path.
    WriteBytes(file, "one\r\ntwo\r\n\r\n");
    request.QuickWordEnabled = true;
    ReadQuickWordSetting(file, request);
    EXPECT_FALSE(request.QuickWordEnabled);
    EXPECT_EQ(request.WordProcessorPath, "");

    // LF endings (edited on this system) leave no stray CR on the path.
    WriteBytes(file, "a\nb\n/opt/writer\n");
    ReadQuickWordSetting(file, request);
    EXPECT_TRUE(request.QuickWordEnabled);
    EXPECT_EQ(request.WordProcessorPath, "/opt/writer");
    // Off leaves the old path where it was; only the flag says it is not used.
    WriteBytes(file, "a\r\nb\r\n*****\r\n");
    ReadQuickWordSetting(file, request);
    EXPECT_FALSE(request.QuickWordEnabled);
    EXPECT_EQ(request.WordProcessorPath, "/opt/writer");
}
