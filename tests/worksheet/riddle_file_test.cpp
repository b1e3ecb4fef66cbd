#include "worksheet/riddle_file.h"

#include "core/utf8.h"
#include "temp_folder.h"
#include "worksheet/data_file.h"
#include "worksheet/riddle_choice.h"
#include "worksheet/secret_riddle.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using namespace abacore;

using Lines = std::vector<std::string>;

// As many characters as a data-file line holds, each of two bytes.
const std::string kAccents = EncodeUtf8(std::u32string(kLongestTextLine, U'\u00E9'));

TEST(DataFileText, Utf16ByItsMarkUtf8WhenValidOtherwiseWindows1252InLinesOfAnyEnding) {
    EXPECT_EQ(DataFileText("\xEF\xBB\xBF"
                           "caf\xC3\xA9 \xE2\x82\xAC"),
              "caf\xC3\xA9 \xE2\x82\xAC");
    // A lone high byte, an overlong form, a surrogate, a cut sequence: Windows-1252, whose
    // unused codes keep their control code point.
    EXPECT_EQ(DataFileText("caf\xE9 \x80\x93\x81"), "caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C\xC2\x81");
    for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));

    // UTF-16 by its byte-order mark, either way round ("Unicode" to a Windows editor), a pair
    // of surrogates making one character.
    const std::string le("\xFF\xFEZ\0\xEB\0\x3C\xD8\x4E\xDF\r\0", 12);
    const std::string be("\xFE\xFF\0Z\0\xEB\xD8\x3C\xDF\x4E\0\r", 12);
    EXPECT_EQ(DataFileText(le), "Z\xC3\xAB\xF0\x9F\x8D\x8E\r");
    EXPECT_EQ(DataFileText(be), DataFileText(le));

    // CR LF, LF and a bare CR (an old Mac editor) each end a line.
    EXPECT_EQ(DataFileLines("a\r\n\r\nc\nd\re\r\r\n"), (Lines{"a", "", "c", "d", "e", ""}));
}

TEST(RiddleFile, PairsInFileOrderAndANoticeForAFileWithoutRiddles) {
    // Blank lines count; a last riddle without its punch line is left out.
    EXPECT_EQ(ParseRiddles("\r\nA1\r\nQ2\r\n\r\nQ3\r\n"),
              (std::vector<Riddle>{{"", "A1"}, {"Q2", ""}}));
    // Characters are counted, not bytes.
    const std::pair<std::string, const char*> cases[] = {
        {"Q\r\n" + kAccents + "\r\n", nullptr},
        {"Q\rA\r", nullptr},
        {"Only a riddle\r\n", "holds no riddles"},
        {"Q\r\nA\r\n" + std::string(kLongestTextLine + 1, 'x') + "\r\nA\r\n",
         "Line 3 of the riddle file \"Riddles.dat\""},
    };
    TempFolder folder;
    EXPECT_NE(RiddleFileNotice(ReadRiddleFile({folder.path()}))->find("\"Riddles.dat\" is missing"),
              std::string::npos);
    for (const auto& [bytes, notice] : cases) {
        WriteBytes(folder.path() / "riddles.DAT", bytes); // any letter case
        const RiddleFile file = ReadRiddleFile({folder.path()});
        const std::string text = RiddleFileNotice(file).value_or("");
        EXPECT_EQ(file.riddles.size(), notice ? 0u : 1u);
        EXPECT_TRUE(notice ? text.find(notice) != std::string::npos : text.empty()) << text;
    }
    std::filesystem::remove(folder.path() / "riddles.DAT");
    std::filesystem::create_directory(folder.path() / "Riddles.dat");
    EXPECT_EQ(ReadRiddleFile({folder.path()}).status, RiddleFileStatus::Unreadable);
}

// Plain ASCII in CR LF lines; every punch line its own, with 4 to 15 letters (small ranges still
// give that many answers) in at most two lines of blanks; all 26 letters used somewhere.
TEST(RiddleFile, ShippedRiddlesArePlainCrLfTextThatFitsTheSheet) {
    const std::string bytes = ReadBytes(std::filesystem::path(ABACORE_SOURCE_DIR) / "data" /
                                        std::string(kRiddleFileName));
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F) || bytes.compare(i, 2, "\r\n") == 0)
            << "byte " << i;
        ASSERT_TRUE(c != '\n' || (i > 0 && bytes[i - 1] == '\r')) << "byte " << i;
    }
    const std::vector<Riddle> riddles = ParseRiddles(bytes);
    EXPECT_EQ(DataFileLines(bytes).size(), 2 * riddles.size());
    EXPECT_GE(riddles.size(), 30u);
    std::set<std::string> punchLines;
    std::string allLetters;
    for (const Riddle& r : riddles) {
        EXPECT_TRUE(r.question.ends_with('?')) << r.question;
        EXPECT_TRUE(punchLines.insert(r.punchLine).second) << r.punchLine;
        const size_t letters = PunchLineLetters(r.punchLine).size();
        EXPECT_TRUE(letters >= 4 && letters <= 15 && r.punchLine.size() <= 30) << r.punchLine;
        allLetters += r.punchLine;
    }
    EXPECT_EQ(PunchLineLetters(allLetters).size(), 26u);
}

// From any place in files of any size, and from before the first (a riddle of the teacher's
// own): a step inside the file shows its neighbour; a step past an end beeps and stays put.
TEST(RiddleChoice, StepsMoveOneRiddleAndBeepOnlyPastAnEnd) {
    for (int count = 0; count <= 4; ++count) {
        for (int index = -1; index < std::max(count, 1); ++index) {
            for (const int step : {+1, -1}) {
                const RiddleStep s = StepRiddle(index, step, count);
                const bool inside = index + step >= 0 && index + step < count;
                EXPECT_EQ(std::tie(s.index, s.pastEnd),
                          std::tuple(inside ? index + step : index, !inside))
                    << count << " riddles, from " << index << " by " << step;
                EXPECT_EQ(s.show, inside || (index >= 0 && index < count));
            }
        }
    }
}

// Back after a refused sheet the screen shows the request's riddle, not the file's first, at its
// place in the file, or before the first when it is the teacher's own.
TEST(RiddleChoice, BackAfterARefusalTheTypedRiddleIsShownWhereItStands) {
    const std::vector<Riddle> file{{"Q1", "A1"}, {"Q2", "A2"}, {"Q3", "A3"}};
    WorksheetRequest request;
    request.KeepTyped = true;
    request.RiddleQuestion = "Q2";
    request.PunchLine = "A2";
    EXPECT_EQ(OpenRiddleScreen(request, file).index, 1);
    request.PunchLine = "A clock!";
    const RiddleOpening own = OpenRiddleScreen(request, file);
    EXPECT_EQ(std::tie(own.index, own.shown), std::tuple(-1, Riddle{"Q2", "A clock!"}));
}

// Whatever the boxes hold is taken as it is, and the count follows the punch line whatever an
// earlier request left in it. A box may hold as many characters as a data-file line.
TEST(RiddleChoice, ContinueStoresTheBoxesAsTheyAreAndCountsTheDistinctLetters) {
    WorksheetRequest request;
    request.ProblemCount = 100;
    ApplyRiddleChoice(request, "  What do you call a sleeping bull? ", "A bull-dozer! Bull.");
    EXPECT_EQ(request.RiddleQuestion, "  What do you call a sleeping bull? ");
    EXPECT_EQ(request.ProblemCount, 9); // a b u l d o z e r
    ApplyRiddleChoice(request, "Why?", "\xC3\xA9t\xC3\xA9 42");
    EXPECT_EQ(request.ProblemCount, 1);

    EXPECT_FALSE(RiddleTextRefusal("riddle", kAccents));
    const auto refusal = RiddleTextRefusal("punch line", kAccents + "x");
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("punch line"), std::string::npos) << *refusal;
}
