#pragma once
// Small helpers for the wizard window tests: finding controls by name and acting on them the
// way a user does.

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

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
inline void TypeInto(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}
