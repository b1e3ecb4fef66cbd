#pragma once
// Helpers for the window tests: finding controls by name, acting on them the way a user does,
// and showing one wizard screen over a test request.

#include "../request_for.h"
#include "recording_navigator.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace abacore {

template <typename T> T* Control(QWidget& window, const QString& name) {
    T* control = window.findChild<T*>(name);
    EXPECT_NE(control, nullptr) << "no control " << name.toStdString();
    return control;
}

// Shows the window and makes it the active one, so that focus changes reach its controls.
inline void ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Replaces the text of a box by typing into it (the box gets the focus first).
// A typing field or a number box.
template <typename Box> void TypeInto(Box* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// A wizard screen shown for `activity`, after the skill screen ticked `skills`.
template <typename Window> struct ScreenUnderTest {
    explicit ScreenUnderTest(Activity activity, const std::array<bool, 4>& skills = {}) {
        app.request = RequestFor(activity, skills);
        window = std::make_unique<Window>(app.context);
        ShowActive(*window);
    }
    template <typename T = QWidget> T* get(const QString& name) {
        return Control<T>(*window, name);
    }
    void click(const QString& name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    QStringList titles() const { return app.dialogs.titles(); }
    const std::vector<Screen>& opened() const { return app.navigator.opened; }

    TestApp app;
    std::unique_ptr<Window> window;
};

} // namespace abacore
