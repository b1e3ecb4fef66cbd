// Walks the wizard window by window, the way a user does, and checks where each "Continue"
// leads and what the request holds at the end.
#include "recording_navigator.h"
#include "wizard/screen_flow.h"
#include "wizard/screens/choose_heading.h"
#include "wizard/screens/choose_how_many.h"
#include "wizard/screens/choose_min_max.h"
#include "wizard/screens/choose_skill.h"
#include "wizard/screens/choose_style.h"
#include "wizard_test_helpers.h"

#include <QCheckBox>
#include <QPushButton>
#include <memory>

namespace {

std::unique_ptr<QWidget> makeScreen(Screen screen, AppContext& context) {
    switch (screen) {
    case Screen::ChooseSkill:
        return std::make_unique<ChooseSkill>(context);
    case Screen::ChooseStyle:
        return std::make_unique<ChooseStyle>(context);
    case Screen::ChooseMinMax:
        return std::make_unique<ChooseMinMax>(context);
    case Screen::ChooseHeading:
        return std::make_unique<ChooseHeading>(context);
    case Screen::ChooseHowMany:
        return std::make_unique<ChooseHowMany>(context);
    default:
        return nullptr; // the activities' own screens and the documents are not built here
    }
}

void tick(QWidget& window, const QString& name) {
    QTest::mouseClick(Control<QCheckBox>(window, name), Qt::LeftButton);
}

// Presses "Continue" on every wizard screen from the skill screen on; the screens this wizard
// does not own are passed over along their own "Continue". Returns the screens visited.
std::vector<Screen> walk(TestApp& app, const std::vector<QString>& skills) {
    std::vector<Screen> visited{Screen::ChooseSkill};
    while (visited.back() != Screen::Worksheet && visited.back() != Screen::Crossword &&
           visited.size() < 12) {
        auto window = makeScreen(visited.back(), app.context);
        if (!window) {
            visited.push_back(NextScreen(app.request.ActivityType, visited.back()));
            continue;
        }
        ShowActive(*window);
        if (visited.back() == Screen::ChooseSkill)
            for (const QString& skill : skills)
                tick(*window, skill);
        if (visited.back() == Screen::ChooseStyle)
            tick(*window, "StyleCheck_1");
        const size_t before = app.navigator.opened.size();
        QTest::mouseClick(Control<QPushButton>(*window, "Command1"), Qt::LeftButton);
        EXPECT_EQ(app.navigator.opened.size(), before + 1) << "no screen opened";
        if (app.navigator.opened.size() != before + 1)
            break;
        visited.push_back(app.navigator.last());
    }
    return visited;
}

} // namespace

TEST(WizardFlow, TypicalPracticeSheetRequest) {
    TestApp app;
    app.request.ActivityType = Activity::SkillsPractice;
    app.dialogs.answers = {false};
    const auto visited = walk(app, {"Check1_0", "Check1_1"});
    using enum Screen;
    EXPECT_EQ(visited, (std::vector{ChooseSkill, ChooseStyle, ChooseMinMax, ChooseHeading,
                                    ChooseHowMany, Worksheet}));
    EXPECT_EQ(app.dialogs.titles(), (QStringList{"Allow negative answers?"}));
    const WorksheetRequest& r = app.request;
    EXPECT_TRUE(r.isChecked(Skill::Addition));
    EXPECT_TRUE(r.isChecked(Skill::Subtraction));
    EXPECT_EQ(r.SkillMode, Skill::Mixed);
    EXPECT_TRUE(r.MixedSkills);
    EXPECT_FALSE(r.AllowNegatives);
    EXPECT_EQ(r.ProblemStyle, 2);
    EXPECT_EQ(r.FirstMin, 0.0);
    EXPECT_EQ(r.FirstMax, 100.0);
    EXPECT_EQ(r.SecondMin, 0.0);
    EXPECT_EQ(r.SecondMax, 100);
    EXPECT_EQ(r.Heading, "Math Skills Practice Worksheet");
    EXPECT_EQ(r.ProblemCount, 20);
}

TEST(WizardFlow, EachActivityFollowsItsOwnScreens) {
    using enum Screen;
    const std::pair<Activity, std::vector<Screen>> flows[] = {
        {Activity::SecretRiddle,
         {ChooseSkill, ChooseMinMax, ChooseHeading, ChooseRiddle, Worksheet}},
        {Activity::MathSquares,
         {ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany, ChooseSquaresOption, Worksheet}},
        {Activity::WordProblems,
         {ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany, Worksheet}},
        {Activity::FlashCards,
         {ChooseSkill, ChooseStyle, ChooseMinMax, FlashDirections, ChooseHowMany, Worksheet}},
        {Activity::ValueMatching,
         {ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany, Worksheet}},
        {Activity::Crossword, {ChooseSkill, ChooseMinMax, ChooseHeading, ChooseHowMany, Crossword}},
    };
    for (const auto& [activity, expected] : flows) {
        TestApp app;
        app.request.ActivityType = activity;
        EXPECT_EQ(walk(app, {"Check1_2"}), expected) << "activity " << static_cast<int>(activity);
        EXPECT_TRUE(app.dialogs.shown.empty());
    }
}
