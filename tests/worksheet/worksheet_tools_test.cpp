#include "worksheet/save_name.h"

#include "core/utf8.h"
#include "worksheet/editing_tools.h"
#include "worksheet/worksheet_toolbar.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(SaveName, RefusesNamesThatAreNotFileNamesInTheFolder) {
    using P = SaveNameProblem;
    const std::string wide = EncodeUtf8(std::u32string(120, U'\u00E9'));
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

// QuickWord hands the word processor the key, when there is one, before the sheet.
TEST(SaveName, QuickWordHandsOnTheKeyOnlyWhenThereIsOne) {
    WorksheetRequest request;
    request.ProgramFolder = "/p";
    EXPECT_EQ(QuickWordArguments(request, "Quiz 1", false),
              std::vector<std::string>{"/p/worksheets/Quiz 1.rtf"});
    EXPECT_EQ(QuickWordArguments(request, "Quiz 1", true),
              (std::vector<std::string>{"/p/worksheets/Quiz 1(Answer Key).rtf",
                                        "/p/worksheets/Quiz 1.rtf"}));
}

// The view button would switch to a key that flash cards do not have.
TEST(WorksheetToolbar, OnlySheetsWithAnAnswerKeyOfferTheView) {
    WorksheetRequest request;
    request.ActivityType = Activity::SkillsPractice;
    EXPECT_TRUE(ToolbarButtonEnabled(ToolbarButtonId::View, request));
    request.ActivityType = Activity::FlashCards;
    EXPECT_FALSE(ToolbarButtonEnabled(ToolbarButtonId::View, request));
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
    // As a system reports them: a foundry's tag after a family's name (not a bracket that is
    // part of it), one family from two foundries, a document font in its own spelling.
    EXPECT_EQ(FontNameChoices({"[Brackets]", "C059 [UKWN]", "C059 [urw]", "courier new",
                               "D050000L [URW ]", "Z003 [UKWN]"}),
              (std::vector<std::string>{"[Brackets]", "C059", "courier new", "D050000L",
                                        "Times New Roman", "Z003"}));
}
