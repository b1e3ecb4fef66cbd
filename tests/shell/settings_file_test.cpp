#include "shell/settings_file.h"
#include "shell/worksheet_request.h"

#include "temp_folder.h"

#include <chrono>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Reserved lines with bytes a careless rewrite would change: trailing blanks, a tab, a byte
// above 127 and an empty line.
const std::string Reserved1 = "reserved one \t\xE9 ";
const std::string Reserved2 = "";
const std::string Later = "  later line";

} // namespace

TEST(SettingsLines, SplitAndJoinKeepEveryByte) {
    const std::string inputs[] = {
        "a\r\nb\r\nc\r\n",
        "a\r\n\r\n+++++\r\nd \r\n",
        "a\nb\nc\n",     // edited on this system: LF only
        "a\r\nb\nc",     // mixed, and a last line without an ending
        "a\rb\r\nc\r\n", // a lone CR belongs to the line's text
        "",
    };
    for (const std::string& bytes : inputs)
        EXPECT_EQ(JoinSettingsLines(SplitSettingsLines(bytes)), bytes) << bytes;

    const SettingsLines lines = SplitSettingsLines("a\rb\r\n\nlast");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (SettingsLine{"a\rb", "\r\n"}));
    EXPECT_EQ(lines[1], (SettingsLine{"", "\n"}));
    EXPECT_EQ(lines[2], (SettingsLine{"last", ""}));
    // A final CR LF ends the last line; it does not start an empty one.
    EXPECT_EQ(SplitSettingsLines("a\r\nb\r\n").size(), 2u);
}

TEST(SettingsLines, ReplacingLineThreeTouchesNothingElse) {
    SettingsLines lines = SplitSettingsLines(Reserved1 + "\r\n\n*****\nx\r\n");
    SetQuickWordLine(lines, "/usr/bin/writer");
    EXPECT_EQ(JoinSettingsLines(lines), Reserved1 + "\r\n\n/usr/bin/writer\nx\r\n");

    // A line 3 that ended the file without a line break gets the file's CR LF.
    lines = SplitSettingsLines("a\r\nb\r\n+++++");
    SetQuickWordLine(lines, "*****");
    EXPECT_EQ(JoinSettingsLines(lines), "a\r\nb\r\n*****\r\n");
}

TEST(SettingsLines, QuickWordIsOnOnlyForAProgramPath) {
    EXPECT_FALSE(IsQuickWordOn("*****"));
    EXPECT_FALSE(IsQuickWordOn("+++++"));
    EXPECT_FALSE(IsQuickWordOn(""));
    EXPECT_TRUE(IsQuickWordOn("/usr/bin/writer"));
    EXPECT_TRUE(IsQuickWordOn("****"));
    EXPECT_TRUE(IsQuickWordOn("***** "));
}

TEST(SettingsFile, FirstStartTurnsTheMarkerOffOnceAndKeepsTheOtherLines) {
    TempFolder folder;
    const fs::path file = folder.path() / SettingsFileName;
    const std::string before = Reserved1 + "\r\n" + Reserved2 + "\r\n+++++\r\n" + Later + "\r\n";
    const std::string after = Reserved1 + "\r\n" + Reserved2 + "\r\n*****\r\n" + Later + "\r\n";
    WriteBytes(file, before);

    EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::Done);
    EXPECT_EQ(ReadBytes(file), after);

    // The next start finds nothing to do and does not write: the file's time stays put.
    const auto written = fs::last_write_time(file) - std::chrono::hours(1);
    fs::last_write_time(file, written);
    EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::NothingToDo);
    EXPECT_EQ(ReadBytes(file), after);
    EXPECT_EQ(fs::last_write_time(file), written);
}

TEST(SettingsFile, OnlyAnExactMarkerCountsAsAFreshInstall) {
    TempFolder folder;
    const fs::path file = folder.path() / SettingsFileName;
    for (const std::string line3 : {"+++++ ", "++++", "/usr/bin/writer", "*****"}) {
        const std::string bytes = "a\r\nb\r\n" + line3 + "\r\n";
        WriteBytes(file, bytes);
        EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::NothingToDo) << line3;
        EXPECT_EQ(ReadBytes(file), bytes);
    }
}

TEST(SettingsFile, MissingOrShortFilesFail) {
    TempFolder folder;
    const fs::path file = folder.path() / SettingsFileName;
    WorksheetRequest request;
    EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::Failed);
    EXPECT_FALSE(ReadQuickWordSetting(file, request));
    EXPECT_FALSE(fs::exists(file)); // a failed step creates nothing

    for (const std::string bytes : {"", "one\r\n", "one\r\ntwo\r\n", "one\r\ntwo"}) {
        WriteBytes(file, bytes);
        EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::Failed) << bytes;
        EXPECT_FALSE(ReadQuickWordSetting(file, request)) << bytes;
        EXPECT_EQ(ReadBytes(file), bytes);
    }
    // Three lines, the last one empty, are enough.
    WriteBytes(file, "one\r\ntwo\r\n\r\n");
    EXPECT_TRUE(ReadSettingsFile(file).has_value());

    // A folder where the file should be is not a settings file.
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_EQ(RunFirstRunStep(file), FirstRunResult::Failed);
}

TEST(SettingsFile, StartUpReaderSetsQuickWordFromLineThree) {
    TempFolder folder;
    const fs::path file = folder.path() / SettingsFileName;
    WorksheetRequest request;

    WriteBytes(file, "a\r\nb\r\n/opt/writer/bin/writer\r\n");
    ASSERT_TRUE(ReadQuickWordSetting(file, request));
    EXPECT_TRUE(request.QuickWordEnabled);
    EXPECT_EQ(request.WordProcessorPath, "/opt/writer/bin/writer");

    // Off leaves the old path where it was; only the flag says it is not used.
    WriteBytes(file, "a\r\nb\r\n*****\r\n");
    ASSERT_TRUE(ReadQuickWordSetting(file, request));
    EXPECT_FALSE(request.QuickWordEnabled);
    EXPECT_EQ(request.WordProcessorPath, "/opt/writer/bin/writer");

    // A path from a file edited on this system (LF endings) loses no stray CR.
    WriteBytes(file, "a\nb\n/usr/bin/ed\n");
    ASSERT_TRUE(ReadQuickWordSetting(file, request));
    EXPECT_EQ(request.WordProcessorPath, "/usr/bin/ed");
}

TEST(SettingsFile, FoundWhateverTheLetterCaseOfItsName) {
    TempFolder folder;
    EXPECT_EQ(SettingsFilePath(folder.path()), folder.path() / "kvtdata.dat");
    WriteBytes(folder.path() / "KVTDATA.DAT", "a\r\nb\r\n+++++\r\n");
    EXPECT_EQ(SettingsFilePath(folder.path()), folder.path() / "KVTDATA.DAT");
    EXPECT_EQ(RunFirstRunStep(SettingsFilePath(folder.path())), FirstRunResult::Done);
    EXPECT_FALSE(fs::exists(folder.path() / "kvtdata.dat"));
}
