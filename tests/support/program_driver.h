#pragma once
// The whole program as a user meets it: the real screen host and screens over a temporary
// program folder, scripted dialogs, the keyboard set up as the program sets it up.

#include "../wizard/screens/wizard_test_helpers.h"
#include "app/screen_factory.h"
#include "program_folder_fixture.h"
#include "ui/keyboard_access.h"
#include "ui/screen_host.h"

#include <QAccessible>

namespace abacore {

struct Program {
    ProgramFolder folder;
    WorksheetRequest request;
    RandomSource random{7};
    ScriptedDialogs dialogs;
    ScreenHost host{request, random, dialogs, MakeScreen, {}, ShowPictureWindow};

    Program() {
        SetUpKeyboardAccess(*qApp);
        request.ProgramFolder = folder.path().toStdString();
        host.open(Screen::MainMenu);
        settle();
    }
    QWidget& screen() { return *host.current(); }
    QString screenName() {
        return QString(screen().metaObject()->className()).remove(QStringLiteral("abacore::"));
    }
    // A key as the keyboard sends it: to the control with the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &screen(), k, modifiers);
        settle();
    }
    // Clicks the named controls in turn, letting each screen replace the last.
    void click(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            QTest::mouseClick(Control<QWidget>(screen(), name), Qt::LeftButton);
            settle();
        }
    }
    // The typing field of a box, or of a number box.
    QLineEdit* field(const char* box) {
        auto* found = Control<QWidget>(screen(), box);
        auto* field = qobject_cast<QLineEdit*>(found);
        return field ? field : found->findChild<QLineEdit*>();
    }
    void type(const char* box, const QString& text) { field(box)->setText(text); }
    QString text(const char* box) { return field(box)->text(); }
    // Runs what the screens left for later (closing the last one, a notice on opening) and
    // waits for the new screen to take the keyboard.
    void settle() {
        QApplication::sendPostedEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (host.current() && !QApplication::activeModalWidget()) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(host.current()));
        }
    }
    QString focusName() {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    QString spokenFocus() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name)
                     : QString();
    }
};

} // namespace abacore
