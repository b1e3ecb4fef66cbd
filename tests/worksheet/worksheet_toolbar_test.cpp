#include "worksheet/worksheet_toolbar.h"

#include <gtest/gtest.h>

using namespace abacore;

TEST(WorksheetToolbar, AvailabilityByRequest) {
    WorksheetRequest request;
    request.ActivityType = Activity::SkillsPractice;
    EXPECT_FALSE(ToolbarButtonEnabled(4, request));
    EXPECT_TRUE(ToolbarButtonEnabled(5, request));
    request.QuickWordEnabled = true;
    request.ActivityType = Activity::FlashCards;
    EXPECT_TRUE(ToolbarButtonEnabled(4, request));
    EXPECT_FALSE(ToolbarButtonEnabled(5, request));
}
