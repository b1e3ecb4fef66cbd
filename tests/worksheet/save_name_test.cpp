#include "worksheet/save_name.h"

#include "core/worksheet_request.h"

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
