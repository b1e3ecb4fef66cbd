#include "worksheet/worksheet_toolbar.h"

#include <gtest/gtest.h>

TEST(WorksheetToolbar, CommandsGoByCaptionAndAvailabilityByRequest) {
    // The view button runs one command or the other by what it says.
    EXPECT_EQ(CommandForCaption("Answers"), WorksheetCommand::ShowAnswers);
    EXPECT_EQ(CommandForCaption("Worksheet"), WorksheetCommand::ShowWorksheet);
    EXPECT_EQ(CommandForCaption("print"), WorksheetCommand::None);

    WorksheetRequest request;
    request.ActivityType = Activity::SkillsPractice;
    EXPECT_FALSE(ToolbarButtonEnabled(4, request));
    EXPECT_TRUE(ToolbarButtonEnabled(5, request));
    request.QuickWordEnabled = true;
    request.ActivityType = Activity::FlashCards;
    EXPECT_TRUE(ToolbarButtonEnabled(4, request));
    EXPECT_FALSE(ToolbarButtonEnabled(5, request));
    EXPECT_TRUE(ToolbarButtonEnabled(6, request));
    EXPECT_FALSE(ToolbarButtonEnabled(7, request));
}
