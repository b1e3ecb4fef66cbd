#include "ui/dialogs.h"
#include "worksheet/class_set.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace abacore;

namespace {

// Runs `show` and, once its box is up, measures the box and answers it with `button`.
int WidthOfBox(const std::function<void()>& show, QMessageBox::StandardButton button) {
    int width = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        width = box->width();
        box->button(button)->click();
    });
    show();
    return width;
}

} // namespace

// A window manager puts its icon and three buttons beside the title; short boxes used to leave
// too little room, and the title was cut ("Oops!" showed as "O...").
TEST(QtDialogs, MessageBoxesAreWideEnoughForTheirTitles) {
    QtDialogs dialogs;
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int decorations = 4 * metrics.height(); // icon and buttons, at the least
    for (const QString title : {"Oops!", "Confirm Print", "Send Answer Key to Word Processor?"}) {
        const int message =
            WidthOfBox([&] { dialogs.message(nullptr, title, "Hi."); }, QMessageBox::Ok);
        EXPECT_GE(message, metrics.horizontalAdvance(title) + decorations) << title.toStdString();
        const int question =
            WidthOfBox([&] { (void)dialogs.question(nullptr, title, "Yes?", DefaultAnswer::Yes); },
                       QMessageBox::No);
        EXPECT_GE(question, metrics.horizontalAdvance(title) + decorations) << title.toStdString();
    }
}

// A question that replaces or discards work is preselected No: a hasty Return keeps the work, and
// Escape never answers Yes.
TEST(QtDialogs, ReturnGivesThePreselectedAnswerAndEscapeNo) {
    QtDialogs dialogs;
    const auto answer = [&dialogs](DefaultAnswer preselected, Qt::Key key) {
        QTimer::singleShot(0, [key] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QTest::keyClick(box, key);
        });
        return dialogs.question(nullptr, "Replace File?", "Replace it?", preselected);
    };
    EXPECT_TRUE(answer(DefaultAnswer::Yes, Qt::Key_Return));
    EXPECT_FALSE(answer(DefaultAnswer::No, Qt::Key_Return));
    EXPECT_FALSE(answer(DefaultAnswer::Yes, Qt::Key_Escape));
}

// The Class Set's long question wraps instead of pushing OK and Cancel off a 1024x768 screen.
TEST(QtDialogs, ALongQuestionWrapsToFitASmallScreen) {
    QTimer::singleShot(0, [] {
        EXPECT_LE(QApplication::activeModalWidget()->width(), 1024);
        QApplication::activeModalWidget()->close();
    });
    QtDialogs().input(nullptr, "Class Set", ClassSetText::kAsk, "30", ClassSetText::kCopiesField);
}
