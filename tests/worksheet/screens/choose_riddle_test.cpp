#include "../../wizard/screens/wizard_test_helpers.h"
#include "file_bytes.h"
#include "program_folder_fixture.h"
#include "worksheet/riddle_choice.h"
#include "worksheet/screens/choose_riddle.h"

using namespace abacore;

namespace {

// The riddle screen over a program folder whose riddle file holds `riddleFile` (no file when
// nullptr).
struct RiddleScreen {
    explicit RiddleScreen(const char* riddleFile) : folder(false) {
        if (riddleFile) {
            EXPECT_TRUE(WriteBytes(folder.file("Riddles.dat"), riddleFile));
        }
        app.request = RequestFor(Activity::SecretRiddle, {true, false, false, false});
        app.request.ProgramFolder = folder.path().toStdString();
        window = std::make_unique<ChooseRiddle>(app.context);
        ShowActive(*window); // also lets the notice, if any, come up
    }
    QLineEdit* box(const char* name) { return Control<QLineEdit>(*window, name); }
    void click(const char* name) {
        QTest::mouseClick(Control<QWidget>(*window, name), Qt::LeftButton);
    }
    QString boxes() { return box("RiddleBox")->text() + "/" + box("Punchbox")->text(); }
    size_t beeps() const { return app.dialogs.ofKind("beep").size(); }

    ProgramFolder folder;
    TestApp app;
    std::unique_ptr<ChooseRiddle> window;
};

} // namespace

// The labels and the arrows both step, in file order; each press past an end beeps and shows the
// end riddle again, over whatever the user had typed. "Continue" stores the boxes as they stand.
TEST(ChooseRiddleWindow, PagesInFileOrderBeepsAtBothEndsAndStoresTheBoxesAsTyped) {
    RiddleScreen s("Q1\r\nA1\r\nQ2\r\nA2\r\nQ3\r\nA3\r\n");
    const std::pair<const char*, const char*> steps[] = {
        {"Label5", "Q1/A1"}, {"Label4", "Q2/A2"}, {"Image1", "Q3/A3"},
        {"Image1", "Q3/A3"}, {"Image2", "Q2/A2"}, {"Label5", "Q1/A1"},
    };
    for (const auto& [control, shown] : steps) {
        TypeInto(s.box("Punchbox"), "my own");
        s.click(control);
        EXPECT_EQ(s.boxes(), shown) << control;
    }
    EXPECT_EQ(s.beeps(), 2u);
    // From the keyboard: the arrows take the focus and answer Space.
    QWidget* next = Control<QWidget>(*s.window, "Image1");
    next->setFocus(Qt::TabFocusReason);
    QTest::keyClick(next, Qt::Key_Space);
    EXPECT_EQ(s.boxes(), "Q2/A2");
    EXPECT_TRUE(s.app.dialogs.ofKind("message").empty() && s.app.navigator.opened.empty());

    TypeInto(s.box("RiddleBox"), "What has hands but cannot clap?");
    s.box("Punchbox")->clear();
    QTest::keyClick(s.box("RiddleBox"), Qt::Key_Return);
    EXPECT_EQ(s.app.request.RiddleQuestion, "What has hands but cannot clap?");
    EXPECT_EQ(s.app.request.PunchLine, "");
    EXPECT_EQ(s.app.navigator.opened, std::vector{Screen::Worksheet});
}

// A missing file (the logic tells an empty one alike) is told once, when the screen opens; the
// arrows beep without wiping what the user types, and the typed riddle is what "Continue" stores.
TEST(ChooseRiddleWindow, WithoutRiddlesTheUserIsToldOnceAndCanTypeTheirOwn) {
    RiddleScreen s(nullptr);
    ASSERT_EQ(s.app.dialogs.titles(), QStringList{RiddleChoiceText::kNoticeTitle});
    EXPECT_TRUE(s.app.dialogs.shown.front().text.contains("Riddles.dat"));
    TypeInto(s.box("RiddleBox"), "Why is six afraid of seven?");
    TypeInto(s.box("Punchbox"), "Seven ate nine!");
    for (const char* arrow : {"Label4", "Image2", "Image1", "Label5"})
        s.click(arrow);
    EXPECT_EQ(s.beeps(), 4u);
    EXPECT_EQ(s.app.dialogs.ofKind("message").size(), 1u);
    s.click("Command1");
    EXPECT_EQ(s.app.request.RiddleQuestion, "Why is six afraid of seven?");
    EXPECT_EQ(s.app.request.PunchLine, "Seven ate nine!");
}
