// The count screen's hand-over to the crossword: a crossword that cannot be made leads back to
// where the user can change the request (the way to a made puzzle is walked in the keyboard
// tests, its clue count checked through make).
#include "app/screen_factory.h"
#include "crossword_fixture.h"
#include "wizard/range_rules.h"

using namespace abacore;

TEST(CrosswordHandOver, APuzzleThatCannotBeMadeLeadsWhereTheRequestCanBeChanged) {
    const struct {
        WorksheetRequest request;
        Screen next;
        const char* title;
        const char* says; // the reason, as the logic gives it
        bool keepsTyped;  // the range screen reopens with what the teacher typed
    } cases[] = {
        // Subtraction without negative answers, every second number above every first: the
        // problems cannot be drawn, so back to the ranges.
        {CrosswordRequest(Skill::Subtraction, 0, 100, 500, 1000, 10), Screen::ChooseMinMax, "Hey!",
         "Subtraction", true},
        // Products of 17 digits and more fit nowhere beside the first: the builder gives up.
        {CrosswordRequest(Skill::Multiplication, 1e14, 999999999999999.0, 1000, 32767, 3),
         Screen::MainMenu, "Failed.", "Unable to create this puzzle", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        ProgramFolder folder;
        TestApp app;
        app.request = c.request;
        app.request.Heading = "Kept";
        app.request.ProgramFolder = folder.path().toStdString();
        const std::unique_ptr<QWidget> window(MakeScreen(Screen::Crossword, app.context, nullptr));
        EXPECT_EQ(window, nullptr);
        EXPECT_EQ(app.navigator.handedTo, std::vector{c.next});
        EXPECT_EQ(app.dialogs.titles(), QStringList{c.title});
        EXPECT_TRUE(app.dialogs.shown.back().text.contains(c.says));
        EXPECT_EQ(app.request.Heading, "Kept");
        EXPECT_EQ(app.request.KeepTyped, c.keepsTyped);
        if (c.keepsTyped) {
            EXPECT_EQ(RangeScreenOpening(app.request).values, (std::array{0, 100, 500, 1000}));
        }
    }
}
