#include "worksheet/template_file.h"

#include "../shell/temp_folder.h"
#include "ranges_request.h"
#include "worksheet/data_file.h"
#include "worksheet/generation_error.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace abacore;

namespace {

using Lines = std::vector<std::string>;

WorksheetRequest Words(Skill skill, int16_t count) {
    WorksheetRequest r = RangesRequest(skill, 0, 10, 0, 10, false, 0, count);
    r.ActivityType = Activity::WordProblems;
    return r;
}

WorksheetRequest MixedWords(std::initializer_list<Skill> skills, int16_t count) {
    WorksheetRequest r = Words(Skill::Mixed, count);
    for (Skill s : skills)
        r.SkillChecked[static_cast<size_t>(s)] = true;
    return r;
}

std::string StoryLines(int count) {
    std::string bytes;
    for (int k = 1; k <= count; ++k)
        bytes += "Story " + std::to_string(k) + " with [1] and [2].\r\n";
    return bytes;
}

std::string LoadMessage(const WorksheetRequest& r, const std::filesystem::path& folder) {
    try {
        LoadWordTemplates(r, folder);
    } catch (const GenerationError& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(DataFile, DecodesUtf8OrWindows1252AndSplitsCrLfLines) {
    EXPECT_EQ(DataFileText("caf\xC3\xA9 \xE2\x80\x9Chi\xE2\x80\x9D"), "caf\u00E9 \u201Chi\u201D");
    EXPECT_EQ(DataFileText("\xEF\xBB\xBF"
                           "add"),
              "add"); // byte-order mark dropped
    // Not UTF-8 (a lone Latin-1 byte, an overlong form, a surrogate): every byte is Windows-1252.
    EXPECT_EQ(DataFileText("caf\xE9 \x93hi\x94 \x80"), "caf\u00E9 \u201Chi\u201D \u20AC");
    EXPECT_EQ(DataFileText("\xC0\xAF"), "\u00C0\u00AF");
    EXPECT_EQ(DataFileText("\xED\xA0\x80"), "\u00ED\u00A0\u20AC");
    EXPECT_EQ(DataFileText("x\xC3"), "x\u00C3"); // cut off in the middle of a character

    EXPECT_EQ(DataFileLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(DataFileLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(DataFileLines("a\nb\r\n"), (Lines{"a", "b"})); // an edit on this system
    EXPECT_EQ(DataFileLines(""), Lines{});
    EXPECT_EQ(TemplatesOf({"one [1]", "", "  \t", "two"}), (Lines{"one [1]", "two"}));
}

TEST(TemplateFile, FillsPlaceholdersLeftToRightWithoutRescanning) {
    EXPECT_EQ(FillTemplate("Sam had [1] marbles and won [2] more.", "12", "5"),
              "Sam had 12 marbles and won 5 more.");
    EXPECT_EQ(FillTemplate("[1]+[1]=[2]", "3", "6"), "3+3=6");
    EXPECT_EQ(FillTemplate("[2] before [1]", "-4", "9"), "9 before -4");
    EXPECT_EQ(FillTemplate("No numbers [3] [1 ] [", "1", "2"), "No numbers [3] [1 ] [");
    // Inserted text is not looked at again, and a placeholder split by another is not one.
    EXPECT_EQ(FillTemplate("[1] [2]", "[2]", "[1]"), "[2] [1]");
    EXPECT_EQ(FillTemplate("[[1]]", "7", "8"), "[7]");
}

TEST(TemplateFile, LoadsTheFilesTheSheetNeedsOrNamesTheOneThatFails) {
    const TempFolder folder;
    WriteBytes(folder.path() / "add.dat", StoryLines(12) + "\r\n   \r\n");
    WriteBytes(folder.path() / "SUBTRACT.DAT", StoryLines(25)); // found ignoring letter case

    const WordTemplates templates = LoadWordTemplates(Words(Skill::Addition, 12), folder.path());
    EXPECT_EQ(templates.forSkill(Skill::Addition).size(), 12u); // blank lines are no stories
    EXPECT_EQ(templates.forSkill(Skill::Addition)[11], "Story 12 with [1] and [2].");
    EXPECT_TRUE(templates.forSkill(Skill::Subtraction).empty()); // not read: not needed
    EXPECT_EQ(LoadWordTemplates(Words(Skill::Subtraction, 20), folder.path())
                  .forSkill(Skill::Subtraction)
                  .size(),
              25u);

    // One story per problem with a single skill.
    EXPECT_EQ(LoadMessage(Words(Skill::Addition, 13), folder.path()),
              "The word problems file \"add.dat\" holds 12 stories, but this worksheet needs 13, "
              "one for each problem. Ask for 12 problems or fewer, or add stories to the file.");
    // With several skills each problem takes from a fresh copy: one story per file will do.
    EXPECT_EQ(LoadMessage(MixedWords({Skill::Addition, Skill::Subtraction}, 20), folder.path()),
              "");
    const std::string missing =
        LoadMessage(MixedWords({Skill::Addition, Skill::Division}, 20), folder.path());
    EXPECT_TRUE(missing.starts_with("The word problems file \"divide.dat\" is missing from the "
                                    "program folder \"" +
                                    folder.path().string() + "\"."))
        << missing;
    WriteBytes(folder.path() / "divide.dat", "\r\n \r\n");
    EXPECT_EQ(LoadMessage(MixedWords({Skill::Addition, Skill::Division}, 2), folder.path()),
              "The word problems file \"divide.dat\" holds no stories. Add stories to the file, "
              "or choose other skills.");
    EXPECT_EQ(LoadMessage(Words(Skill::Addition, 0), folder.path() / "nowhere"), "");
    // A folder where the file should be cannot be read as one.
    std::filesystem::create_directory(folder.path() / "multiply.dat");
    EXPECT_NE(LoadMessage(Words(Skill::Multiplication, 1), folder.path()).find("multiply.dat"),
              std::string::npos);
}

// The shipped stories: our own, plain ASCII with CR LF, enough for a full sheet of one skill,
// each with both numbers and no other bracket that could look like a placeholder.
TEST(TemplateFile, ShippedFilesHoldEnoughStoriesWithBothPlaceholders) {
    const std::filesystem::path data = std::filesystem::path(ABACORE_SOURCE_DIR) / "data";
    for (Skill skill :
         {Skill::Addition, Skill::Subtraction, Skill::Multiplication, Skill::Division}) {
        const std::string name(TemplateFileName(skill));
        const std::string bytes = ReadBytes(data / name);
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(bytes.ends_with("\r\n")) << name;
        for (size_t i = 0; i < bytes.size(); ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            EXPECT_TRUE(c < 0x80 && (c >= 0x20 || c == '\r' || c == '\n')) << name << " @" << i;
            if (c == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " bare LF @" << i;
            }
            if (c == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " @" << i;
            }
        }
        const Lines lines = DataFileLines(DataFileText(bytes));
        EXPECT_EQ(TemplatesOf(lines), lines) << name << ": a blank line";
        EXPECT_GE(lines.size(), 25u) << name;
        EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size()) << name;
        for (const std::string& line : lines) {
            const std::string filled = FillTemplate(line, "1", "2");
            EXPECT_NE(line.find("[1]"), std::string::npos) << line;
            EXPECT_NE(line.find("[2]"), std::string::npos) << line;
            EXPECT_EQ(filled.find_first_of("[]"), std::string::npos) << line;
        }
        EXPECT_EQ(LoadWordTemplates(Words(skill, 20), data).forSkill(skill).size(), lines.size());
    }
}
