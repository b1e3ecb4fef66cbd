// Walks the wizard window by window, the way a user does: each "Continue" must open what the
// activity's flow names next, and the request must hold what the screens offered.
#include "app/screen_factory.h"
#include "core/program_folder.h"
#include "program_folder_fixture.h"
#include "wizard/screen_flow.h"
#include "wizard_test_helpers.h"
#include "worksheet/riddle_file.h"

using namespace abacore;

// Presses "Continue" on each wizard screen from the skill screen on, ticking multiplication
// (which asks no yes/no question) and the horizontal style on the way, and taking what the
// activities' own screens offer. Returns the screens that the flow names after each wizard screen.
static std::vector<Screen> walk(TestApp& app) {
    using enum Screen;
    std::vector<Screen> expected;
    for (Screen at = ChooseSkill; at != Worksheet && at != Crossword;
         at = NextScreen(app.request.ActivityType, at)) {
        const std::unique_ptr<QWidget> window(MakeScreen(at, app.context, nullptr));
        ShowActive(*window);
        for (const char* box : {"Check1_2", "StyleCheck_1"})
            if (auto* tick = window->findChild<QWidget*>(box))
                QTest::mouseClick(tick, Qt::LeftButton);
        QTest::mouseClick(Control<QWidget>(*window, "Command1"), Qt::LeftButton);
        expected.push_back(NextScreen(app.request.ActivityType, at));
    }
    return expected;
}

TEST(WizardFlow, ContinueLeadsEachActivityToItsDocumentWithWhatTheScreensOffered) {
    for (int a = 1; a <= 7; ++a) {
        TestApp app;
        const ProgramFolder folder;
        app.request.ProgramFolder = folder.path().toStdString();
        app.request.ActivityType = static_cast<Activity>(a);
        const std::vector<Screen> expected = walk(app);
        EXPECT_EQ(app.navigator.opened, expected) << "activity " << a;
        EXPECT_TRUE(app.dialogs.shown.empty()) << "activity " << a;
        const WorksheetRequest& r = app.request;
        if (r.ActivityType == Activity::SkillsPractice) {
            EXPECT_EQ(std::tie(r.ProblemStyle, r.SecondMax, r.Heading, r.ProblemCount),
                      std::tuple(2, 100, "Multipication Practice Worksheet", 20));
        }
        if (r.ActivityType == Activity::SecretRiddle) {
            const Riddle first = ReadRiddleFile(DataFoldersOf(r)).riddles.at(0);
            EXPECT_EQ(std::tie(r.RiddleQuestion, r.PunchLine),
                      std::tie(first.question, first.punchLine));
            EXPECT_GT(r.ProblemCount, 0);
        }
    }
}
