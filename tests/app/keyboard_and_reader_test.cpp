// The program as a screen reader and a keyboard user meet it: every window is announced with its
// role and title, every control that takes the focus or a press has a name of its own, the focus
// ring stands out from what lies under it, and keys alone lead from the main menu to a saved and
// printed worksheet and back.
#include "program_driver.h"
#include "worksheet/save_name.h"

#include <QAction>
#include <QFileInfo>
#include <QFocusFrame>
#include <QTextEdit>
#include <cmath>

using namespace abacore;

namespace {

// The contrast ratio of two colours, as the accessibility guidelines measure it.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// Every control under `node` that takes the focus or a press has a name, and no two of one
// parent share one.
void ExpectNamedControls(QAccessibleInterface* node, const std::string& where) {
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        const QStringList actions =
            child->actionInterface() ? child->actionInterface()->actionNames() : QStringList();
        if (child->state().focusable ||
            actions.contains(QAccessibleActionInterface::pressAction()) ||
            actions.contains(QAccessibleActionInterface::toggleAction())) {
            const QString name = child->text(QAccessible::Name).trimmed();
            EXPECT_FALSE(name.isEmpty())
                << where << ": "
                << (child->object() ? child->object()->objectName() : "?").toStdString()
                << " (role " << child->role() << ") has no name";
            EXPECT_FALSE(!name.isEmpty() && names.contains(name))
                << where << ": two controls named " << name.toStdString();
            names << name;
        }
        ExpectNamedControls(child, where);
    }
}

// The pixels of the focus ring, on each side of the focused control, against the same pixels
// with the ring away: its light or its dark band differs by 3:1 at least.
void ExpectVisibleFocus(QWidget& window, const std::string& where) {
    QWidget* focus = window.focusWidget();
    ASSERT_NE(focus, nullptr) << where << ": nothing has the focus";
    auto* ring = window.findChild<QFocusFrame*>();
    ASSERT_TRUE(ring && ring->isVisible()) << where << ": no focus ring";
    const QImage shown = window.grab().toImage();
    ring->hide();
    const QImage bare = window.grab().toImage();
    ring->show();
    const QRect r(focus->mapTo(&window, QPoint(0, 0)), focus->size());
    int sides = 0;
    for (const auto& [lightBand, darkBand] :
         {std::pair{QPoint(r.left() - 3, r.center().y()), QPoint(r.left() - 2, r.center().y())},
          {QPoint(r.right() + 3, r.center().y()), QPoint(r.right() + 2, r.center().y())},
          {QPoint(r.center().x(), r.top() - 3), QPoint(r.center().x(), r.top() - 2)},
          {QPoint(r.center().x(), r.bottom() + 3), QPoint(r.center().x(), r.bottom() + 2)}}) {
        if (!shown.rect().contains(lightBand) || !shown.rect().contains(darkBand))
            continue;
        ++sides;
        EXPECT_GE(std::max(Contrast(shown.pixelColor(lightBand), bare.pixelColor(lightBand)),
                           Contrast(shown.pixelColor(darkBand), bare.pixelColor(darkBand))),
                  3.0)
            << where << ": faint ring round " << focus->objectName().toStdString();
    }
    EXPECT_GT(sides, 0) << where << ": the ring of " << focus->objectName().toStdString()
                        << " is outside the window";
}

void ExpectReadable(QWidget& window, const std::string& where) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(root, nullptr) << where;
    EXPECT_TRUE(root->role() == QAccessible::Window || root->role() == QAccessible::Dialog)
        << where << ": announced as role " << static_cast<int>(root->role());
    EXPECT_FALSE(root->text(QAccessible::Name).isEmpty()) << where << ": no title";
    ExpectNamedControls(root, where);
    ExpectVisibleFocus(window, where);
}

// The top window that is not the screen itself: a dialog opened over it.
QWidget* OpenedOver(QWidget& screen) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &screen && window->isVisible() && window->isWindow() &&
            window->windowType() != Qt::ToolTip)
            return window;
    return nullptr;
}

} // namespace

// Each activity walked with Return from its menu button (reached by Tab) through the screens its
// flow names, every screen on the way read as a screen reader reads it.
TEST(KeyboardAndReader, EveryScreenIsAnnouncedWithItsControlsNamedAndItsFocusShown) {
    const std::pair<int, const char*> walks[] = {
        // Tabs from the first activity button; the screens on the way (the activities left out
        // pass through no screen of their own).
        {0, "ChooseSkill ChooseStyle ChooseMinMax ChooseHeading ChooseHowMany QuizForm"},
        {1, "ChooseSkill ChooseMinMax ChooseHeading ChooseRiddle QuizForm"},
        {2, "ChooseSkill ChooseMinMax ChooseHeading ChooseHowMany ChooseSquaresOption QuizForm"},
        {4, "ChooseSkill ChooseStyle ChooseMinMax FlashDirections ChooseHowMany QuizForm"},
        {6, "ChooseSkill ChooseMinMax ChooseHeading ChooseHowMany CrossPrint"},
    };
    for (const auto& [tabs, screens] : walks) {
        Program p;
        ExpectReadable(p.screen(), "Title");
        for (int i = 0; i < tabs; ++i)
            p.key(Qt::Key_Tab);
        p.key(Qt::Key_Return);
        QStringList seen;
        for (int step = 0; step < 8 && !seen.contains(p.screenName()); ++step) {
            const QString name = p.screenName();
            seen << name;
            ExpectReadable(p.screen(), name.toStdString());
            if (name == "ChooseSkill" || name == "ChooseStyle")
                p.key(Qt::Key_Space); // tick the first choice
            if (name != "CrossPrint" && name != "QuizForm")
                p.key(Qt::Key_Return);
        }
        if (p.screenName() == "CrossPrint") {
            // Tab follows the screen: the clues, the backgrounds (one stop, the arrows move
            // within them), the buttons left to right.
            QStringList chain{p.focusName()};
            for (int i = 0; i < 8; ++i) {
                p.key(Qt::Key_Tab);
                chain << p.focusName();
            }
            EXPECT_EQ(chain.join(' '), "Command2 ExportButton ClassSetButton BackButton Command3 "
                                       "Box1 Coloroption_0 Command1 Command2");
        }
        EXPECT_EQ(seen.join(' '), screens) << "from button " << tabs;
    }

    // The windows opened over the main menu by their shortcuts: the QuickWord option and the
    // About box (the picture window is read in the walk below).
    const std::pair<QKeyCombination, const char*> openers[] = {
        {Qt::CTRL | Qt::Key_K, "QuickWordOption"},
        {QKeyCombination(Qt::Key_F1), "AboutForm"},
    };
    for (const auto& [keys, expected] : openers) {
        Program p;
        p.key(keys.key(), keys.keyboardModifiers());
        QWidget* opened = OpenedOver(p.screen());
        ASSERT_NE(opened, nullptr) << expected;
        ShowActive(*opened);
        EXPECT_TRUE(QString(opened->metaObject()->className()).endsWith(expected)) << expected;
        ExpectReadable(*opened, expected);
        delete opened;
    }
}

// Tab through the main menu and pick an activity, step the ranges with the arrow keys, then save
// and print the sheet by its shortcuts and leave it with Esc: the menu comes back with the focus on
// the activity's button.
TEST(KeyboardAndReader, KeysAloneMakeSaveAndPrintASheetAndLeadBackToItsButton) {
    Program p;
    QStringList chain;
    for (int i = 0; i < 11; ++i) {
        p.key(Qt::Key_Tab);
        chain << p.spokenFocus();
    }
    chain.removeDuplicates();
    EXPECT_EQ(chain.size(), 11) << chain.join(", ").toStdString();
    EXPECT_EQ(p.focusName(), "Command1") << "the chain goes round";

    for (int i = 0; i < 3; ++i)
        p.key(Qt::Key_Tab);
    ASSERT_EQ(p.focusName(), "Command6");
    p.key(Qt::Key_Return);
    p.key(Qt::Key_Space);
    p.key(Qt::Key_Return);

    // Up in the box raises the value; Down on its arrows lowers it.
    const int start = Control<QLineEdit>(p.screen(), "NumValue_0")->text().toInt();
    p.key(Qt::Key_Up);
    p.key(Qt::Key_Up);
    p.key(Qt::Key_Tab);
    p.key(Qt::Key_Down);
    p.key(Qt::Key_Return); // ranges
    p.key(Qt::Key_Return); // heading
    p.key(Qt::Key_Return); // count
    ASSERT_EQ(p.screenName(), "QuizForm");
    EXPECT_EQ(ValueOf(p.request.FirstMin), start + 1);

    // Tab leaves the document instead of typing into it.
    auto* document = Control<QTextEdit>(p.screen(), "QuizBox");
    ASSERT_EQ(QApplication::focusWidget(), document);
    p.key(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), document);

    p.dialogs.inputs = {QStringLiteral("Keys")};
    p.key(Qt::Key_S, Qt::ControlModifier);
    const QString pdf = p.folder.file("keys.pdf");
    p.dialogs.answers = {true, true}; // print; the answer key too
    p.dialogs.printToPdf = {pdf};
    p.key(Qt::Key_P, Qt::ControlModifier);
    const std::string saved = FullWorksheetsPath(p.request, WorksheetFileName("Keys"));
    EXPECT_GT(QFileInfo(QString::fromStdString(saved)).size(), 0);
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    // The picture window opens from the keyboard and Esc closes it, then leaves the sheet.
    p.key(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* pictures = QApplication::activeModalWidget();
    ASSERT_NE(pictures, nullptr);
    ShowActive(*pictures);
    ExpectReadable(*pictures, "AddPic");
    p.key(Qt::Key_Escape);
    p.key(Qt::Key_Escape);
    ASSERT_EQ(p.screenName(), "Title");
    EXPECT_EQ(p.focusName(), "Command6");
}
