#include "../../wizard/screens/wizard_test_helpers.h"
#include "program_folder_fixture.h"
#include "worksheet/riddle_choice.h"
#include "worksheet/screens/choose_riddle.h"

#include <QFile>

using namespace abacore;

namespace {

// The riddle screen over a program folder whose riddle file holds `riddleFile` (no file when
// nullptr).
struct RiddleScreen {
    explicit RiddleScreen(const char* riddleFile) : folder(false) {
        if (riddleFile) {
            QFile file(folder.file("Riddles.dat"));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(riddleFile);
        }
        app.request = RequestFor(Activity::SecretRiddle, {true, false, false, false});
        app.request.ProgramFolder = folder.path().toStdString();
        window = std::make_unique<ChooseRiddle>(app.context);
        ShowActive(*window); // also lets the notice, if any, come up
    }
    QLineEdit* riddle() { return Control<QLineEdit>(*window, "RiddleBox"); }
    QLineEdit* punchLine() { return Control<QLineEdit>(*window, "Punchbox"); }
    void click(const char* name) {
        QTest::mouseClick(Control<QWidget>(*window, name), Qt::LeftButton);
    }
    QStringList boxes() { return {riddle()->text(), punchLine()->text()}; }
    size_t beeps() const { return app.dialogs.ofKind("beep").size(); }

    ProgramFolder folder;
    TestApp app;
    std::unique_ptr<ChooseRiddle> window;
};

constexpr const char* kThreeRiddles = "Q1\r\nA1\r\nQ2\r\nA2\r\nQ3\r\nA3\r\n";

} // namespace

// The label and the arrow both step; each press past an end beeps and shows the end riddle
// again, over whatever the user had typed.
TEST(ChooseRiddleWindow, PagesInFileOrderAndBeepsAtBothEnds) {
    RiddleScreen s(kThreeRiddles);
    EXPECT_EQ(s.boxes(), (QStringList{"Q1", "A1"}));
    s.click("Label5");
    EXPECT_EQ(s.beeps(), 1u);
    EXPECT_EQ(s.boxes(), (QStringList{"Q1", "A1"}));

    s.click("Label4");
    EXPECT_EQ(s.boxes(), (QStringList{"Q2", "A2"}));
    s.click("Image1");
    EXPECT_EQ(s.boxes(), (QStringList{"Q3", "A3"}));
    TypeInto(s.punchLine(), "my own");
    s.click("Image1");
    EXPECT_EQ(s.beeps(), 2u);
    EXPECT_EQ(s.boxes(), (QStringList{"Q3", "A3"}));

    s.click("Image2");
    EXPECT_EQ(s.boxes(), (QStringList{"Q2", "A2"}));
    // From the keyboard: the arrows take the focus and answer Space.
    QWidget* previous = Control<QWidget>(*s.window, "Image2");
    previous->setFocus(Qt::TabFocusReason);
    QTest::keyClick(previous, Qt::Key_Space);
    EXPECT_EQ(s.boxes(), (QStringList{"Q1", "A1"}));
    QTest::keyClick(previous, Qt::Key_Space);
    EXPECT_EQ(s.beeps(), 3u);
    EXPECT_TRUE(s.app.dialogs.ofKind("message").empty());
    EXPECT_TRUE(s.app.navigator.opened.empty());
}

// Nothing is checked: edited and emptied boxes go into the request as they stand.
TEST(ChooseRiddleWindow, ContinueStoresTheBoxesAsTypedAndGoBackStoresNothing) {
    RiddleScreen s(kThreeRiddles);
    s.click("Label4");
    TypeInto(s.riddle(), "What has hands but cannot clap?");
    s.punchLine()->clear();
    QTest::keyClick(s.riddle(), Qt::Key_Return);
    EXPECT_EQ(s.app.request.RiddleQuestion, "What has hands but cannot clap?");
    EXPECT_EQ(s.app.request.PunchLine, "");
    EXPECT_EQ(s.app.request.ProblemCount, 0);

    RiddleScreen back(kThreeRiddles);
    back.click("Label4");
    TypeInto(back.punchLine(), "A clock!");
    QTest::keyClick(back.punchLine(), Qt::Key_Escape);
    EXPECT_EQ(back.app.request.RiddleQuestion, "");
    EXPECT_EQ(back.app.request.PunchLine, "");

    EXPECT_EQ(s.app.navigator.opened, std::vector{Screen::Worksheet});
    EXPECT_EQ(back.app.navigator.opened, std::vector{Screen::ChooseHeading});
}

// A missing, empty or unreadable file is told once, when the screen opens; the arrows beep
// without wiping what the user types, and the typed riddle is what "Continue" stores.
TEST(ChooseRiddleWindow, WithoutRiddlesTheUserIsToldOnceAndCanTypeTheirOwn) {
    for (const char* file : {static_cast<const char*>(nullptr), ""}) {
        RiddleScreen s(file);
        ASSERT_EQ(s.app.dialogs.titles(), QStringList{RiddleChoiceText::kNoticeTitle});
        EXPECT_TRUE(s.app.dialogs.shown.front().text.contains("Riddles.dat"));
        EXPECT_EQ(s.boxes(), (QStringList{"", ""}));
        TypeInto(s.riddle(), "Why is six afraid of seven?");
        TypeInto(s.punchLine(), "Seven ate nine!");
        for (const char* arrow : {"Label4", "Image2", "Image1", "Label5"})
            s.click(arrow);
        EXPECT_EQ(s.beeps(), 4u);
        EXPECT_EQ(s.app.dialogs.ofKind("message").size(), 1u);
        s.click("Command1");
        EXPECT_EQ(s.app.request.RiddleQuestion, "Why is six afraid of seven?");
        EXPECT_EQ(s.app.request.PunchLine, "Seven ate nine!");
        EXPECT_EQ(s.app.request.ProblemCount, 7); // s e v n a t i
    }
}
