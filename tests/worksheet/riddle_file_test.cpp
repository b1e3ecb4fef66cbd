#include "worksheet/riddle_file.h"

#include "temp_folder.h"
#include "worksheet/data_file.h"
#include "worksheet/secret_riddle.h"
#include "worksheet/utf8.h"

#include <gtest/gtest.h>

#include <set>

using namespace abacore;

using Lines = std::vector<std::string>;

TEST(DataFileText, Utf8WhenValidOtherwiseWindows1252InCrLfLines) {
    EXPECT_EQ(DataFileText("\xEF\xBB\xBF"
                           "caf\xC3\xA9 \xE2\x82\xAC"),
              "caf\xC3\xA9 \xE2\x82\xAC");
    // A lone high byte, an overlong form, a surrogate, a cut sequence: Windows-1252, whose
    // unused codes keep their control code point.
    EXPECT_EQ(DataFileText("caf\xE9 \x80\x93\x81"), "caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C\xC2\x81");
    for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));

    EXPECT_EQ(DataFileLines("a\r\n\r\nc\nd\re"), (Lines{"a", "", "c", "d\re"}));
    EXPECT_EQ(DataFileLines("\r\n"), Lines{""});
}

TEST(RiddleFile, PairsInFileOrderAMissingOrEmptyFileIsReportedOnce) {
    // Blank lines count; a last riddle without its punch line is left out.
    EXPECT_EQ(ParseRiddles("\r\nA1\r\nQ2\r\n\r\nQ3\r\n"),
              (std::vector<Riddle>{{"", "A1"}, {"Q2", ""}}));

    TempFolder folder;
    const RiddleFile missing = ReadRiddleFile({folder.path()});
    EXPECT_EQ(missing.status, RiddleFileStatus::Missing);
    EXPECT_NE(RiddleFileNotice(missing)->find("\"Riddles.dat\" is missing"), std::string::npos);
    WriteBytes(folder.path() / "riddles.DAT", "Q\r\nA\r\n"); // any letter case
    const RiddleFile read = ReadRiddleFile({folder.path()});
    EXPECT_EQ(read.riddles, (std::vector<Riddle>{{"Q", "A"}}));
    EXPECT_FALSE(RiddleFileNotice(read));
    WriteBytes(folder.path() / "riddles.DAT", "Only a riddle\r\n");
    EXPECT_NE(RiddleFileNotice(ReadRiddleFile({folder.path()}))->find("holds no riddles"),
              std::string::npos);
    // Characters are counted, not bytes: a line of accented letters may hold twice the bytes.
    std::string accents;
    for (int i = 0; i < kLongestTextLine; ++i)
        accents += "\xC3\xA9";
    WriteBytes(folder.path() / "riddles.DAT", "Q\r\n" + accents + "\r\n");
    EXPECT_EQ(ReadRiddleFile({folder.path()}).riddles.size(), 1u);
    WriteBytes(folder.path() / "riddles.DAT",
               "Q\r\nA\r\n" + std::string(kLongestTextLine + 1, 'x') + "\r\nA\r\n");
    const RiddleFile tooLong = ReadRiddleFile({folder.path()});
    EXPECT_TRUE(tooLong.riddles.empty());
    EXPECT_NE(RiddleFileNotice(tooLong)->find("Line 3 of the riddle file \"Riddles.dat\""),
              std::string::npos);
    std::filesystem::remove(folder.path() / "riddles.DAT");
    std::filesystem::create_directory(folder.path() / "Riddles.dat");
    EXPECT_EQ(ReadRiddleFile({folder.path()}).status, RiddleFileStatus::Unreadable);
}

TEST(RiddleFile, ShippedRiddlesArePlainCrLfTextThatFitsTheSheet) {
    const std::string bytes = ReadBytes(std::filesystem::path(ABACORE_SOURCE_DIR) / "data" /
                                        std::string(kRiddleFileName));
    size_t lineEnds = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << i;
        ASSERT_EQ(c == '\r', i + 1 < bytes.size() && bytes[i + 1] == '\n') << "byte " << i;
        lineEnds += c == '\n';
    }
    const std::vector<Riddle> riddles = ParseRiddles(bytes);
    EXPECT_EQ(lineEnds, 2 * riddles.size());
    EXPECT_GE(riddles.size(), 30u);

    std::set<std::string> punchLines;
    std::string allLetters;
    for (const Riddle& r : riddles) {
        EXPECT_TRUE(r.question.ends_with('?')) << r.question;
        EXPECT_TRUE(punchLines.insert(r.punchLine).second) << r.punchLine;
        // Small ranges still cover every letter: sums of 1 to 10 and 1 to 10 give 19 answers.
        EXPECT_GE(PunchLineLetters(r.punchLine).size(), 4u);
        EXPECT_LE(PunchLineLetters(r.punchLine).size(), 15u) << r.punchLine;
        EXPECT_LE(r.punchLine.size(), 30u) << r.punchLine; // two lines of blanks at most
        allLetters += r.punchLine;
    }
    EXPECT_EQ(PunchLineLetters(allLetters).size(), 26u);
}
