#include "worksheet/save_name.h"

#include <gtest/gtest.h>

TEST(SaveName, AcceptsOrdinaryNamesAsTyped) {
    EXPECT_EQ(CheckSaveName("Quiz 1"), SaveNameProblem::None);
    EXPECT_EQ(CheckSaveName(" Math Skills Practice Worksheet "), SaveNameProblem::None);
    EXPECT_EQ(CheckSaveName("Übung: 3 × 4?"), SaveNameProblem::None);
    EXPECT_EQ(CheckSaveName("..."), SaveNameProblem::None);
    EXPECT_EQ(CheckSaveName(".hidden"), SaveNameProblem::None);
}

TEST(SaveName, RefusesNamesThatAreNotFileNamesInTheFolder) {
    EXPECT_EQ(CheckSaveName(""), SaveNameProblem::Empty);
    EXPECT_EQ(CheckSaveName("a/b"), SaveNameProblem::PathSeparator);
    EXPECT_EQ(CheckSaveName("../outside"), SaveNameProblem::PathSeparator);
    EXPECT_EQ(CheckSaveName("/tmp/x"), SaveNameProblem::PathSeparator);
    EXPECT_EQ(CheckSaveName("a\\b"), SaveNameProblem::PathSeparator);
    EXPECT_EQ(CheckSaveName("."), SaveNameProblem::DotName);
    EXPECT_EQ(CheckSaveName(".."), SaveNameProblem::DotName);
    EXPECT_EQ(CheckSaveName(std::string("a\0b", 3)), SaveNameProblem::ControlChar);
    EXPECT_EQ(CheckSaveName("two\nlines"), SaveNameProblem::ControlChar);
}

TEST(SaveName, LengthCountsBytesOfTheLongerAnswerKeyName) {
    // "(Answer Key).rtf" is 16 bytes; a file name may have 255.
    EXPECT_EQ(CheckSaveName(std::string(239, 'a')), SaveNameProblem::None);
    EXPECT_EQ(CheckSaveName(std::string(240, 'a')), SaveNameProblem::TooLong);
    // A two-byte character counts twice.
    std::string wide;
    for (int i = 0; i < 120; ++i)
        wide += "é";
    EXPECT_EQ(CheckSaveName(wide), SaveNameProblem::TooLong);
}

TEST(SaveName, EveryRefusalHasAShortMessageForBothSources) {
    for (auto problem :
         {SaveNameProblem::Empty, SaveNameProblem::PathSeparator, SaveNameProblem::DotName,
          SaveNameProblem::ControlChar, SaveNameProblem::TooLong, SaveNameProblem::LeavesFolder}) {
        const std::string typed = SaveNameMessage(problem, NameSource::Typed);
        const std::string heading = SaveNameMessage(problem, NameSource::Heading);
        EXPECT_FALSE(typed.empty());
        EXPECT_NE(typed, heading);
        // A heading can only be renamed through Save, so that message points there.
        EXPECT_NE(heading.find("Save"), std::string::npos) << heading;
    }
    EXPECT_EQ(SaveNameMessage(SaveNameProblem::PathSeparator, NameSource::Typed),
              "A file name cannot contain / or \\. Please type another name.");
    EXPECT_TRUE(SaveNameMessage(SaveNameProblem::None, NameSource::Typed).empty());
}

TEST(SaveName, FileNamesAndPaths) {
    EXPECT_EQ(WorksheetFileName("Quiz 1"), "Quiz 1.rtf");
    EXPECT_EQ(AnswerKeyFileName("Quiz 1"), "Quiz 1(Answer Key).rtf");
    EXPECT_EQ(WorksheetsPath("Quiz 1.rtf"), "worksheets/Quiz 1.rtf");
    EXPECT_EQ(FullWorksheetsPath("/home/t/abacore", "Quiz 1.rtf"),
              "/home/t/abacore/worksheets/Quiz 1.rtf");
}

TEST(SaveName, QuickWordSendsTheAnswerKeyFirst) {
    EXPECT_EQ(QuickWordArguments("/p", "Quiz 1", true),
              (std::vector<std::string>{"/p/worksheets/Quiz 1(Answer Key).rtf",
                                        "/p/worksheets/Quiz 1.rtf"}));
    EXPECT_EQ(QuickWordArguments("/p", "Quiz 1", false),
              (std::vector<std::string>{"/p/worksheets/Quiz 1.rtf"}));
}

TEST(SaveName, SavedMessageQuotesTheFileWordForWord) {
    EXPECT_EQ(WorksheetSavedMessage("Quiz 1"),
              "This worksheet has been saved in the \"worksheets\" folder of your Abacore "
              "directory as \"Quiz 1.rtf\" .  You can now open it with a word processor for "
              "further editing.");
}

TEST(SaveName, AnswerKeyPrintedToAFileGetsItsOwnFile) {
    EXPECT_EQ(AnswerKeyCompanionPath("/tmp/out/sheet.pdf"), "/tmp/out/sheet(Answer Key).pdf");
    EXPECT_EQ(AnswerKeyCompanionPath("sheet.pdf"), "sheet(Answer Key).pdf");
    EXPECT_EQ(AnswerKeyCompanionPath("/tmp/sheet"), "/tmp/sheet(Answer Key)");
}
