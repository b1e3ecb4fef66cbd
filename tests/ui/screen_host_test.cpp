#include "recording_navigator.h"
#include "ui/screen_host.h"

#include <QApplication>
#include <QPointer>
#include <gtest/gtest.h>

using namespace abacore;

TEST(ScreenHost, ShowsTheNextScreenBeforeReleasingTheCurrentOrStaysWhenItCannotOpen) {
    TestApp app;
    bool refuse = false;
    ScreenHost host{app.request, app.random, app.dialogs,
                    [&](Screen, AppContext&, QWidget*) { return refuse ? nullptr : new QWidget; }};
    host.open(Screen::MainMenu);
    QPointer<QWidget> first = host.current();
    host.open(Screen::ChooseSkill);
    EXPECT_TRUE(host.current()->isVisible() && !first->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "the previous screen was not released";

    refuse = true;
    QWidget* second = host.current();
    host.open(Screen::ChooseRiddle);
    EXPECT_TRUE(host.current() == second && second->isVisible());

    host.quit(); // before any event loop, as at a failed start
    EXPECT_TRUE(host.quitRequested());
    refuse = false;
    host.open(Screen::MainMenu);
    EXPECT_EQ(host.current(), second) << "no screen opens once the program is ending";
}
