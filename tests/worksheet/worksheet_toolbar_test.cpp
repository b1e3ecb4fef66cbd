#include "worksheet/editing_tools.h"
#include "worksheet/worksheet_toolbar.h"

#include <gtest/gtest.h>

TEST(WorksheetToolbar, ClicksGoByCaptionSoTheViewButtonHasTwoCommands) {
    const auto& buttons = WorksheetToolbarButtons();
    const WorksheetCommand expected[] = {WorksheetCommand::Print,       WorksheetCommand::Clipart,
                                         WorksheetCommand::Save,        WorksheetCommand::QuickWord,
                                         WorksheetCommand::ShowAnswers, WorksheetCommand::Quit};
    for (size_t i = 0; i < buttons.size(); ++i)
        EXPECT_EQ(CommandForCaption(buttons[i].caption), expected[i]) << buttons[i].caption;
    EXPECT_EQ(CommandForCaption("Worksheet"), WorksheetCommand::ShowWorksheet);
    EXPECT_EQ(CommandForCaption("print"), WorksheetCommand::None);
    EXPECT_EQ(CommandForCaption("export"), WorksheetCommand::None);
}

TEST(WorksheetToolbar, QuickWordNeedsTheSettingAndFlashCardsHaveNoAnswerView) {
    WorksheetRequest request;
    request.ActivityType = Activity::SkillsPractice;
    EXPECT_FALSE(ToolbarButtonEnabled(4, request));
    EXPECT_TRUE(ToolbarButtonEnabled(5, request));
    request.QuickWordEnabled = true;
    EXPECT_TRUE(ToolbarButtonEnabled(4, request));
    request.ActivityType = Activity::FlashCards;
    EXPECT_FALSE(ToolbarButtonEnabled(5, request));
    EXPECT_FALSE(HasAnswerKey(request));
    for (int i : {1, 2, 3, 6})
        EXPECT_TRUE(ToolbarButtonEnabled(i, request)) << i;
    EXPECT_FALSE(ToolbarButtonEnabled(0, request));
    EXPECT_FALSE(ToolbarButtonEnabled(7, request));
}

TEST(EditingTools, SizeAndColourLists) {
    const std::vector<int> sizes = FontSizeChoices();
    ASSERT_EQ(sizes.size(), 33u);
    EXPECT_EQ(sizes.front(), 8);
    EXPECT_EQ(sizes[InitialFontSizeIndex], 10);
    EXPECT_EQ(sizes.back(), 72);

    EXPECT_EQ(FontColourIndex({0, 0, 0}), 0u);
    EXPECT_EQ(FontColourIndex({0, 0, 255}), 1u);
    EXPECT_EQ(FontColourIndex({255, 0, 0}), 2u);
    EXPECT_EQ(FontColourIndex({0, 255, 0}), 3u);
    EXPECT_EQ(FontColourIndex({0, 128, 0}), std::nullopt);
    EXPECT_EQ(FontColourChoices()[2].name, "Red");
}
