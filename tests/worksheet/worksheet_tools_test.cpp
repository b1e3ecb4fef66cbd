#include "worksheet/save_name.h"

#include "core/worksheet_request.h"
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
                                               {"two\nlines", P::ControlChar},
                                               {std::string(239, 'a'), P::None},
                                               {std::string(240, 'a'), P::TooLong},
                                               {wide, P::TooLong}};
    for (const auto& [name, problem] : cases)
        EXPECT_EQ(CheckSaveName(name), problem) << name;
}

TEST(SaveName, FilesHandedOnAndTheSavedMessage) {
    WorksheetRequest request;
    request.ProgramFolder = "/p";
    EXPECT_EQ(QuickWordArguments(request, "Quiz 1", false),
              std::vector<std::string>{"/p/worksheets/Quiz 1.rtf"});
    EXPECT_EQ(WorksheetSavedMessage(request, "Quiz 1"),
              "This worksheet has been saved in the \"worksheets\" folder of your Abacore "
              "directory as \"Quiz 1.rtf\" .  You can now open it with a word processor for "
              "further editing.");
    // A second print job into a file gets its own file rather than replacing the first.
    EXPECT_EQ(AnswerKeyCompanionPath("/tmp/sheet"), "/tmp/sheet(Answer Key)");
}

TEST(SaveName, ThePrintedMessageSaysWhereThePagesWent) {
    EXPECT_EQ(PrintedMessage("", {}), "This activity has been sent to your printer.");
    EXPECT_EQ(PrintedMessage("/tmp/my files", {"a b.pdf"}),
              "This activity has been printed to \"a b.pdf\" in the folder \"/tmp/my files\".");
    EXPECT_EQ(PrintedMessage("/tmp", {"s.pdf", "s(Answer Key).pdf"}),
              "This activity has been printed to \"s.pdf\" and \"s(Answer Key).pdf\" in the "
              "folder \"/tmp\".");
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

TEST(WorksheetToolbar, TheViewButtonShowsTheOtherDocument) {
    EXPECT_EQ(CommandFor(ToolbarButtonId::View, false), WorksheetCommand::ShowAnswers);
    EXPECT_EQ(CommandFor(ToolbarButtonId::View, true), WorksheetCommand::ShowWorksheet);
    EXPECT_EQ(CommandFor(ToolbarButtonId::Quit, true), WorksheetCommand::Quit);
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
