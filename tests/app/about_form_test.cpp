#include "app/about_form.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

using namespace abacore;

// Its OK button is a plain close; closing when the user turns away is the box's own rule.
TEST(AboutForm, ClosesWhenTheUserTurnsToAnotherWindow) {
    QPointer<AboutForm> about = new AboutForm({ABACORE_SOURCE_DIR "/data"});
    about->show();
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(about, &deactivate);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}
