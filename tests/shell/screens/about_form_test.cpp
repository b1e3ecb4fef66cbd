#include "shell/screens/about_form.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(AboutForm, ShowsNameAndVersionAndGoesAwayOnOk) {
    QPointer<AboutForm> about = new AboutForm;
    about->show();
    EXPECT_EQ(about->windowTitle(), "About Abacore--Drill");
    EXPECT_EQ(about->findChild<QLabel*>("Label1")->text(), "Abacore");
    EXPECT_EQ(about->findChild<QLabel*>("Label2")->text(), "-Drill Edition-");
    EXPECT_EQ(about->findChild<QLabel*>("Label5")->text(), "Version 1.0");
    auto* ok = about->findChild<QPushButton*>("Command1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    RunDeferredDeletes();
    EXPECT_TRUE(about.isNull());
}

TEST(AboutForm, ClosesWhenTheUserTurnsToAnotherWindow) {
    QPointer<AboutForm> about = new AboutForm;
    about->show();
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(about, &deactivate);
    RunDeferredDeletes();
    EXPECT_TRUE(about.isNull());
}
