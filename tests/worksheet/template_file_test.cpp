#include "worksheet/template_file.h"

#include "../support/failure_text.h"
#include "core/generation_error.h"
#include "ranges_request.h"
#include "temp_folder.h"
#include "worksheet/data_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace abacore;
using Lines = std::vector<std::string>;

namespace {

WorksheetRequest Words(Skill skill, int16_t count, std::initializer_list<Skill> mixed = {}) {
    return WithSkills(RangesRequest(skill, 0, 10, 0, 10, false, 0, count), mixed);
}

std::string LoadMessage(const WorksheetRequest& r, const std::filesystem::path& folder) {
    return FailureText<GenerationError>([&] { LoadWordTemplates(r, {folder}); });
}

} // namespace

TEST(TemplateFile, BlankLinesAreNoStoriesAndPlaceholdersFillLeftToRight) {
    EXPECT_EQ(TemplatesOf({"one [1]", "", "  \t", "two"}), (Lines{"one [1]", "two"}));

    EXPECT_EQ(FillTemplate("[1]+[1]=[2] [3] [1 ]", "-4", "9"), "-4+-4=9 [3] [1 ]");
    // Inserted text is not scanned again.
    EXPECT_EQ(FillTemplate("[1] [2] [[1]]", "[2]", "[1]"), "[2] [1] [[2]]");
}

TEST(TemplateFile, LoadsTheFilesTheSheetNeedsOrNamesTheOneThatFails) {
    const TempFolder folder;
    std::string twelve;
    for (int k = 1; k <= 12; ++k)
        twelve += "Story " + std::to_string(k) + " with [1] and [2].\r\n";
    WriteBytes(folder.path() / "add.dat", twelve + "\r\n   \r\n");
    WriteBytes(folder.path() / "SUBTRACT.DAT", "[1] - [2]\r\n"); // any letter case will do

    const WordTemplates t = LoadWordTemplates(Words(Skill::Addition, 12), {folder.path()});
    EXPECT_EQ(t.forSkill(Skill::Addition).size(), 12u);  // blank lines are no stories
    EXPECT_TRUE(t.forSkill(Skill::Subtraction).empty()); // not needed, not read
    // One story per problem with a single skill; one per file with several.
    EXPECT_NE(LoadMessage(Words(Skill::Addition, 13), folder.path())
                  .find("\"add.dat\" holds 12 stories, but this worksheet needs 13"),
              std::string::npos);
    EXPECT_EQ(
        LoadMessage(Words(Skill::Mixed, 20, {Skill::Addition, Skill::Subtraction}), folder.path()),
        "");
    EXPECT_NE(
        LoadMessage(Words(Skill::Mixed, 2, {Skill::Addition, Skill::Division}), folder.path())
            .find("\"divide.dat\" is missing from the program folder \"" + folder.path().string()),
        std::string::npos);
    WriteBytes(folder.path() / "divide.dat", "\r\n \r\n");
    EXPECT_NE(LoadMessage(Words(Skill::Division, 1), folder.path())
                  .find("\"divide.dat\" holds no stories"),
              std::string::npos);
    WriteBytes(folder.path() / "divide.dat",
               "[1] / [2]\r\n" + std::string(kLongestTextLine + 1, 'x') + "\r\n");
    EXPECT_TRUE(LoadMessage(Words(Skill::Division, 1), folder.path())
                    .starts_with("Line 2 of the word problems file \"divide.dat\" is longer"));
    // A story without a number's place would print without it while its key answers it.
    for (const char* missing : {"[1]", "[2]"}) {
        const std::string story = missing == std::string("[1]") ? "Share [2]." : "Share [1].";
        WriteBytes(folder.path() / "divide.dat", "[1] / [2]\r\n\r\n" + story + "\r\n");
        EXPECT_TRUE(LoadMessage(Words(Skill::Division, 1), folder.path())
                        .starts_with("Line 3 of the word problems file \"divide.dat\" has no " +
                                     std::string(missing)));
    }
    EXPECT_NE(LoadMessage(Words(Skill::Mixed, 2), folder.path()).find("Choose at least one skill"),
              std::string::npos);
    std::filesystem::create_directory(folder.path() / "multiply.dat"); // cannot be read
    EXPECT_NE(LoadMessage(Words(Skill::Multiplication, 1), folder.path()).find("multiply.dat"),
              std::string::npos);
}

// Our own stories: plain ASCII in CR LF lines, enough for a full sheet of one skill, each with
// both numbers and no other bracket that could pass for a placeholder.
TEST(TemplateFile, ShippedFilesHoldEnoughStoriesWithBothPlaceholders) {
    const std::filesystem::path data = std::filesystem::path(ABACORE_SOURCE_DIR) / "data";
    for (int k = 1; k <= 4; ++k) {
        const auto skill = static_cast<Skill>(k);
        const std::string name(TemplateFileName(skill));
        const std::string bytes = ReadBytes(data / name);
        const Lines lines = DataFileLines(bytes);
        EXPECT_GE(lines.size(), 25u) << name;
        EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size());
        size_t read = 0; // each line and its CR LF
        for (const std::string& line : lines) {
            EXPECT_TRUE(line.find("[1]") != line.npos && line.find("[2]") != line.npos) << line;
            EXPECT_EQ(FillTemplate(line, "1", "2").find_first_of("[]"), line.npos) << line;
            EXPECT_TRUE(std::ranges::all_of(line, [](char c) { return c >= 0x20; })) << line;
            read += line.size() + 2;
        }
        EXPECT_EQ(read, bytes.size()) << name;
        EXPECT_EQ(LoadWordTemplates(Words(skill, 20), {data}).forSkill(skill), lines);
    }
}
