#include "worksheet/save_name.h"

#include "worksheet/editing_tools.h"
#include "worksheet/worksheet_toolbar.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(SaveName, RefusesNamesThatAreNotFileNamesInTheFolder) {
    using P = SaveNameProblem;
    std::string wide; // 120 two-byte characters
    for (int i = 0; i < 120; ++i)
        wide += "é";
    // The answer key adds "(Answer Key).rtf" (16 bytes) to the name; a file name has 255.
    const std::pair<std::string, P> cases[] = {{"Übung: 3 × 4?", P::None},
                                               {"...", P::None},
                                               {"", P::Empty},
                                               {"a/b", P::PathSeparator},
                                               {"a\\b", P::PathSeparator},
                                               {".", P::DotName},
                                               {"..", P::DotName},
                                               {std::string("a\0b", 3), P::ControlChar},
                                               {std::string(239, 'a'), P::None},
                                               {std::string(240, 'a'), P::TooLong},
                                               {wide, P::TooLong}};
    for (const auto& [name, problem] : cases)
        EXPECT_EQ(CheckSaveName(name), problem) << name;
}

TEST(WorksheetToolbar, AvailabilityByRequest) {
    using enum ToolbarButtonId;
    WorksheetRequest request;
    request.ActivityType = Activity::SkillsPractice;
    EXPECT_FALSE(ToolbarButtonEnabled(QuickWord, request));
    EXPECT_TRUE(ToolbarButtonEnabled(View, request));
    request.QuickWordEnabled = true;
    request.ActivityType = Activity::FlashCards;
    EXPECT_TRUE(ToolbarButtonEnabled(QuickWord, request));
    EXPECT_FALSE(ToolbarButtonEnabled(View, request));
    EXPECT_TRUE(ToolbarButtonEnabled(Print, request));
}

TEST(EditingTools, ATypedFontSizeIsAWholeNumberWithinTheLimits) {
    for (int points = -10; points <= 1000; ++points) {
        const bool allowed = points >= kSmallestFontSize && points <= kLargestFontSize;
        EXPECT_EQ(TypedFontSize(std::to_string(points)),
                  allowed ? std::optional<int>(points) : std::nullopt)
            << points;
    }
    EXPECT_EQ(TypedFontSize(" 12\t"), 12);
    EXPECT_EQ(TypedFontSize("012"), 12);
    for (const char* refused : {"", "  ", "12.5", "12pt", "1 2", "+12", "abc", "99999999999999999"})
        EXPECT_EQ(TypedFontSize(refused), std::nullopt) << refused;
}

TEST(EditingTools, FontListNamesEachFamilyOnceAndOffersTheDocumentFonts) {
    // As a system with fonts from several foundries reports them.
    const std::vector<std::string> system{"C059 [UKWN]",     "C059 [urw]",  "D050000L [urw]",
                                          "D050000L [URW ]", "DejaVu Sans", "Z003 [UKWN]"};
    EXPECT_EQ(FontNameChoices(system),
              (std::vector<std::string>{"C059", "Courier New", "D050000L", "DejaVu Sans",
                                        "Times New Roman", "Z003"}));

    // A system that has the document fonts keeps its own spelling and place for them.
    const std::vector<std::string> own{"Arial", "courier new", "Times New Roman [Monotype]"};
    EXPECT_EQ(FontNameChoices(own),
              (std::vector<std::string>{"Arial", "courier new", "Times New Roman"}));
    EXPECT_EQ(FontNameChoices({}), (std::vector<std::string>{"Courier New", "Times New Roman"}));
    // A bracket that is part of a family's name is not a foundry's tag.
    EXPECT_EQ(FontNameChoices({"[Brackets]", "Zed"}).front(), "[Brackets]");
}
