#include "worksheet/worksheet_toolbar.h"

#include <gtest/gtest.h>

using namespace abacore;

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
