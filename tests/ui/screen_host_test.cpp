#include "recording_navigator.h"
#include "ui/screen_host.h"

#include <QApplication>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

struct Fixture {
    WorksheetRequest request;
    RandomSource random{1};
    ScriptedDialogs dialogs;
    std::vector<Screen> asked;
    bool refuse = false;
    ScreenHost host{request, random, dialogs, [this](Screen s, AppContext&, QWidget*) -> QWidget* {
                        asked.push_back(s);
                        return refuse ? nullptr : new QWidget;
                    }};
};

} // namespace

TEST(ScreenHost, ShowsTheNextScreenBeforeTheCurrentOneGoes) {
    Fixture f;
    f.host.open(Screen::MainMenu);
    QPointer<QWidget> first = f.host.current();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());

    f.host.open(Screen::ChooseSkill);
    QPointer<QWidget> second = f.host.current();
    EXPECT_TRUE(second->isVisible());
    EXPECT_FALSE(first->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "the previous screen was not released";
    EXPECT_EQ(f.asked, (std::vector<Screen>{Screen::MainMenu, Screen::ChooseSkill}));
}

TEST(ScreenHost, StaysOnTheCurrentScreenWhenTheNextCannotOpen) {
    Fixture f;
    f.host.open(Screen::MainMenu);
    QWidget* first = f.host.current();
    f.refuse = true;
    f.host.open(Screen::ChooseRiddle);
    EXPECT_EQ(f.host.current(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST(ScreenHost, QuitBeforeTheEventLoopIsRemembered) {
    Fixture f;
    EXPECT_FALSE(f.host.quitRequested());
    f.host.quit();
    EXPECT_TRUE(f.host.quitRequested());
    f.host.open(Screen::MainMenu);
    EXPECT_EQ(f.host.current(), nullptr) << "no screen opens once the program is ending";
}
