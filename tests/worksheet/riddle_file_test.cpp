#include "worksheet/riddle_file.h"

#include "../shell/temp_folder.h"
#include "worksheet/data_file_text.h"
#include "worksheet/random_source.h"
#include "worksheet/riddle_feasibility.h"
#include "worksheet/secret_riddle.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace abacore;

using Lines = std::vector<std::string>;

// How many lines of blanks the punch line takes on a sheet of sums of 0 to 10.
static int LinesOfBlanks(const std::string& punchLine) {
    WorksheetRequest r;
    r.SkillMode = Skill::Addition;
    r.FirstMin = 0;
    r.FirstMax = 10;
    r.SecondMin = 0;
    r.SecondMax = 10;
    r.PunchLine = punchLine;
    RandomSource random(1);
    GenerationState state;
    Document sheet;
    MakeSecretRiddle(r, random, CheckSecretRiddleCanBeMade(r), state, sheet);
    const std::string text = sheet.plainText();
    int lines = 0;
    for (size_t at = text.find("The Answer: "); (at = text.find(" __", at)) != std::string::npos;
         at = text.find('\n', at))
        ++lines;
    return lines;
}

TEST(DataFileText, Utf8WhenValidOtherwiseWindows1252) {
    // Valid UTF-8 stays as it is, less a byte-order mark.
    EXPECT_EQ(DecodeDataFileText("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(DecodeDataFileText("\xEF\xBB\xBFRiddle"), "Riddle");
    // A lone high byte, an overlong form and a surrogate are not UTF-8: the whole text is read
    // as Windows-1252, including its 0x80 to 0x9F range.
    EXPECT_EQ(DecodeDataFileText("caf\xE9 \x80 \x93hi\x94"),
              "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Chi\xE2\x80\x9D");
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(DecodeDataFileText("\xC0\x80"), "\xC3\x80\xE2\x82\xAC");
    // Unused Windows-1252 codes keep their control code point rather than vanishing.
    EXPECT_EQ(DecodeDataFileText("\x81"), "\xC2\x81");
}

TEST(DataFileText, LinesEndWithCrLfOrLf) {
    EXPECT_EQ(SplitDataFileLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitDataFileLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitDataFileLines("a\r\n\r\nc\r\n"), (Lines{"a", "", "c"}));
    EXPECT_EQ(SplitDataFileLines("a\rb\r\n"), (Lines{"a\rb"})); // a lone CR is no line end
    EXPECT_EQ(SplitDataFileLines(""), Lines{});
    EXPECT_EQ(SplitDataFileLines("\r\n"), Lines{""});
}

TEST(RiddleFile, PairsInFileOrderAndALastRiddleWithoutPunchLineIsLeftOut) {
    EXPECT_EQ(ParseRiddles("Q1\r\nA1\r\nQ2\r\nA2\r\n"),
              (std::vector<Riddle>{{"Q1", "A1"}, {"Q2", "A2"}}));
    EXPECT_EQ(ParseRiddles("Q1\r\nA1\r\nQ2\r\n"), (std::vector<Riddle>{{"Q1", "A1"}}));
    EXPECT_EQ(ParseRiddles("Q1"), std::vector<Riddle>{});
    // Blank lines are riddles and punch lines like any other.
    EXPECT_EQ(ParseRiddles("\r\nA1\r\nQ2\r\n\r\n"), (std::vector<Riddle>{{"", "A1"}, {"Q2", ""}}));
    EXPECT_EQ(ParseRiddles("Caf\xE9?\r\nOui!\r\n"),
              (std::vector<Riddle>{{"Caf\xC3\xA9?", "Oui!"}}));
}

TEST(RiddleFile, MissingEmptyOrUnreadableFilesAreReportedOnce) {
    TempFolder folder;
    const RiddleFile missing = ReadRiddleFile(folder.path());
    EXPECT_EQ(missing.status, RiddleFileStatus::Missing);
    ASSERT_TRUE(RiddleFileNotice(missing));
    EXPECT_NE(RiddleFileNotice(missing)->find("\"Riddles.dat\" is missing"), std::string::npos);
    EXPECT_NE(RiddleFileNotice(missing)->find("type a riddle"), std::string::npos);

    // Found whatever the letter case of its name.
    WriteBytes(folder.path() / "riddles.DAT", "Q\r\nA\r\n");
    const RiddleFile read = ReadRiddleFile(folder.path());
    EXPECT_EQ(read.status, RiddleFileStatus::Read);
    EXPECT_EQ(read.riddles, (std::vector<Riddle>{{"Q", "A"}}));
    EXPECT_FALSE(RiddleFileNotice(read));

    WriteBytes(folder.path() / "riddles.DAT", "Only a riddle\r\n");
    const RiddleFile empty = ReadRiddleFile(folder.path());
    EXPECT_EQ(empty.status, RiddleFileStatus::Read);
    EXPECT_NE(RiddleFileNotice(empty).value_or("").find("holds no riddles"), std::string::npos);

    std::filesystem::remove(folder.path() / "riddles.DAT");
    std::filesystem::create_directory(folder.path() / "Riddles.dat");
    const RiddleFile folderInstead = ReadRiddleFile(folder.path());
    EXPECT_EQ(folderInstead.status, RiddleFileStatus::Unreadable);
    EXPECT_NE(RiddleFileNotice(folderInstead).value_or("").find("could not be read"),
              std::string::npos);
}

TEST(RiddleFile, ShippedRiddlesArePlainCrLfTextThatFitsTheSheet) {
    const std::string bytes = ReadBytes(std::filesystem::path(ABACORE_SOURCE_DIR) / "data" /
                                        std::string(kRiddleFileName));
    ASSERT_FALSE(bytes.empty());
    size_t lineEnds = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F)) << "byte " << i;
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
            ++lineEnds;
        }
        if (c == '\r') {
            ASSERT_EQ(bytes[i + 1], '\n');
        }
    }
    EXPECT_EQ(bytes.back(), '\n');
    const std::vector<Riddle> riddles = ParseRiddles(bytes);
    EXPECT_EQ(lineEnds, 2 * riddles.size()); // nothing left over
    EXPECT_GE(riddles.size(), 30u);

    std::set<std::string> punchLines;
    std::string allLetters;
    for (const Riddle& r : riddles) {
        EXPECT_FALSE(r.question.empty());
        EXPECT_TRUE(r.question.ends_with('?')) << r.question;
        const std::string letters = PunchLineLetters(r.punchLine);
        // Small ranges (addition of 0 to 10 gives 19 sums) still cover every letter.
        EXPECT_GE(letters.size(), 4u) << r.punchLine;
        EXPECT_LE(letters.size(), 15u) << r.punchLine;
        EXPECT_LE(LinesOfBlanks(r.punchLine), 2) << r.punchLine;
        EXPECT_TRUE(punchLines.insert(r.punchLine).second) << r.punchLine;
        allLetters += letters;
    }
    EXPECT_EQ(PunchLineLetters(allLetters).size(), 26u); // every letter turns up somewhere
}
