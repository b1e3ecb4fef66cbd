// The sheet code: it makes every activity's sheet and key again byte for byte, a class set's
// version alone, and refuses any code typed wrong or made with other data.
#include "core/sheet_code.h"
#include "crossword/crossword_writers.h"
#include "document/rtf_writer.h"
#include "maker/sheet_code_request.h"
#include "maker/version_maker.h"
#include "wizard/count_rules.h"
#include "wizard/heading_rules.h"
#include "wizard/range_rules.h"
#include "wizard/skill_rules.h"
#include "worksheet/activity_table.h"
#include "worksheet/riddle_options.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

// A request as the wizard fills it, its choices varied by `n`.
WorksheetRequest Request(const ActivityRow& row, int n, const std::string& folder) {
    WorksheetRequest r;
    r.ProgramFolder = folder;
    r.ActivityType = row.activity;
    ApplySkillChoice(r, {true, n % 2 == 1, n % 3 == 0, row.activity != Activity::Crossword});
    r.AllowRemainders = n % 4 == 1;
    r.AllowNegatives = n % 5 == 2;
    r.ProblemStyle = static_cast<int16_t>(1 + n % 7);
    r.LargePrint = row.noLargePrint.empty() && n % 2 == 0;
    r.FirstSquareFilled = n % 3 == 1;
    if (n % 4 == 3)
        r.Choices = {Regrouping::Never, true, 2, 90, 0x0F0, true};
    auto values = RangeScreenOpening(r).values;
    values[1] += n * 7;
    std::array<double, 4> stored{};
    std::copy(values.begin(), values.end(), stored.begin());
    StoreRanges(r, stored);
    if (row.activity == Activity::SecretRiddle) {
        EXPECT_FALSE(n % 2 ? ApplyRiddleOption(r, "Typed?") || ApplyPunchLineOption(r, "Yes sir")
                           : ApplyFirstRiddle(r).has_value());
    }
    if (UsesScreen(row.activity, Screen::ChooseHowMany)) {
        EXPECT_FALSE(ConfirmProblemCount(r, std::to_string(n % 5 == 0 ? DefaultCount(r) : 3 + n)));
    }
    if (UsesScreen(row.activity, Screen::ChooseHeading))
        r.Heading = DefaultHeading(r);
    return r;
}

// Every byte the version's files hold.
std::string Bytes(const MakeOutcome& outcome) {
    const auto& made = std::get<MadeVersions>(outcome);
    std::string bytes;
    for (const auto& sheet : made.sheets)
        bytes += RtfText(sheet.worksheet, Paper::Letter) + RtfText(sheet.answerKey, Paper::Letter);
    for (const auto& puzzle : made.puzzles)
        bytes += CrosswordPuzzleText(puzzle) + CrosswordKeyText(puzzle);
    return bytes;
}

const std::string kData = ABACORE_SOURCE_DIR "/data";

} // namespace

TEST(SheetCode, MakesEveryActivitysSheetAndKeyAgainAndEachVersionOfASetAlone) {
    for (const ActivityRow& row : Activities())
        for (int n = 0; n < 12; ++n) {
            SCOPED_TRACE(std::string(row.batchName) + " " + std::to_string(n));
            WorksheetRequest request = Request(row, n, kData);
            const int count = n % 3 == 2 ? 3 : 0;
            const SheetVersion version{count ? 2 : 0, count, ""};
            const SetCodes codes = CodesFor(request, {&version, 1});
            const uint64_t seed = codes.seed;
            ASSERT_EQ(codes.codes.size(), 1u);
            const std::optional<std::string> code = codes.codes.front();
            EXPECT_EQ(code->size(), 29u);
            RandomSource random(seed);
            std::string made;
            if (count) {
                const std::vector<SheetVersion> set{{1, 3, ""}, {2, 3, ""}, {3, 3, ""}};
                WorksheetRequest own = request;
                auto all = MakeVersions(own, random, set);
                auto& versions = std::get<MadeVersions>(all);
                if (!versions.sheets.empty())
                    versions.sheets = {versions.sheets[1]};
                else
                    versions.puzzles = {versions.puzzles[1]};
                made = Bytes(all);
            } else {
                made = Bytes(MakeVersions(request, random));
            }

            WorksheetRequest base;
            base.ProgramFolder = kData;
            GivenAgain given;
            if (!request.RiddleQuestion.empty() && n % 2)
                given = {std::nullopt, request.RiddleQuestion, request.PunchLine, ""};
            auto again = SheetFromCode(*code, base, given);
            ASSERT_TRUE(std::holds_alternative<CodedSheet>(again))
                << std::get<CodeRefusal>(again).message;
            CodedSheet& sheet = std::get<CodedSheet>(again);
            EXPECT_EQ(sheet.request.Heading, request.Heading);
            EXPECT_EQ(SheetCodeOf(sheet.request, sheet.version, sheet.seed), code);
            RandomSource same(sheet.seed);
            EXPECT_TRUE(Bytes(MakeVersionAgain(sheet.request, same, sheet.version)) == made);
        }
}

TEST(SheetCode, RefusesEveryOneCharacterChangeANewerFormatAndChangedData) {
    WorksheetRequest request = Request(*RowByBatchName("riddle"), 0, kData);
    const std::string code = *SheetCodeOf(request, {}, 12345);
    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    for (size_t at = 0; at < code.size(); ++at)
        for (const char c : alphabet + "-") {
            std::string typed = code;
            if (typed[at] == c || typed[at] == '-')
                continue;
            typed[at] = c;
            const auto refused = SheetFromCode(typed, request, {});
            ASSERT_TRUE(std::holds_alternative<CodeRefusal>(refused)) << typed;
            EXPECT_EQ(std::get<CodeRefusal>(refused).kind, CodeRefusalKind::Mistyped) << typed;
        }
    // Two neighbours swapped too.
    std::string symbols = code;
    std::erase(symbols, '-');
    for (size_t at = 0; at + 1 < symbols.size(); ++at) {
        std::string swapped = symbols;
        std::swap(swapped[at], swapped[at + 1]);
        if (swapped != symbols) {
            EXPECT_TRUE(std::holds_alternative<CodeRefusal>(SheetFromCode(swapped, request, {})))
                << swapped;
        }
    }
    // Any letter case, look-alikes and spacing read as the code.
    std::string loose = code;
    for (char& c : loose)
        c = c == '1' ? 'l' : c == '0' ? 'O' : c == '-' ? ' ' : static_cast<char>(std::tolower(c));
    EXPECT_TRUE(std::holds_alternative<CodedSheet>(SheetFromCode(loose, request, {})));

    SheetCodeBits newer;
    newer.put(kSheetCodeFormat + 1, 3);
    const auto later = SheetFromCode(newer.text(), request, {});
    EXPECT_EQ(std::get<CodeRefusal>(later).kind, CodeRefusalKind::Newer);

    const auto folder = std::filesystem::temp_directory_path() / "sheet_code_test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Riddles.dat") << request.RiddleQuestion << "\r\n"
                                          << request.PunchLine << "\r\nAnother?\r\nYes\r\n";
    WorksheetRequest moved = request;
    moved.ProgramFolder = folder.string();
    const auto changed = SheetFromCode(code, moved, {});
    EXPECT_EQ(std::get<CodeRefusal>(changed).message.find(
                  "This code was made with a different Riddles.dat."),
              0u);
    std::filesystem::remove_all(folder);

    WorksheetRequest typed = Request(*RowByBatchName("riddle"), 1, kData);
    const std::string typedCode = *SheetCodeOf(typed, {}, 7);
    EXPECT_EQ(std::get<CodeRefusal>(SheetFromCode(typedCode, typed, {})).kind,
              CodeRefusalKind::NeedsRiddle);
    EXPECT_EQ(std::get<CodeRefusal>(
                  SheetFromCode(typedCode, typed, {std::nullopt, "Typed?", "Yes sirs", ""}))
                  .kind,
              CodeRefusalKind::Changed);
    // A seed wider than the room the code has leaves the sheet without one.
    const WorksheetRequest heavy = Request(*RowByBatchName("skills"), 11, kData);
    const SheetVersion second{2, 3, ""};
    const int room = SeedBitsFor(heavy, second);
    ASSERT_LT(room, 64);
    EXPECT_TRUE(SheetCodeOf(heavy, second, (uint64_t{1} << room) - 1));
    EXPECT_FALSE(SheetCodeOf(heavy, second, uint64_t{1} << room));
}
