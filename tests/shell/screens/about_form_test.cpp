#include "shell/screens/about_form.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(AboutForm, ClosesOnOkAndWhenTheUserTurnsToAnotherWindow) {
    for (const bool ok : {true, false}) {
        QPointer<AboutForm> about = new AboutForm;
        about->show();
        if (ok) {
            QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        } else {
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(about, &deactivate);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(about.isNull()) << ok;
    }
}
