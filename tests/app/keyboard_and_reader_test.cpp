// The program as a screen reader and a keyboard user meet it: every window is announced with its
// role and title, every control that takes the focus or a press has a name of its own, the focus
// ring stands out from what lies under it, text reads on a dark desktop too, every window fits a
// 1024x768 screen, and keys alone lead from the main menu to a saved and printed worksheet and
// back.
#include "crossword/screens/crossword_view.h"
#include "program_driver.h"
#include "ui/qt_text.h"
#include "worksheet/activity_table.h"
#include "worksheet/class_set.h"
#include "worksheet/save_name.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QFocusFrame>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProxyStyle>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

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

// Every control under `node` that takes the focus or a press has a short name of its own that is
// not its value, no two of one parent share one, and a label linked to it says the same (readers
// say both) while the group it stands in does not label it (heard once, as the focus enters it);
// no frame stands inside the window.
void ExpectNamedControls(QAccessibleInterface* node, const std::string& where) {
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        EXPECT_NE(child->role(), QAccessible::Border) << where << ": an unnamed frame";
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
            // (A text that can be selected is read whole; lists give their name as their value.)
            EXPECT_TRUE(name.size() <= 80 || child->role() == QAccessible::StaticText)
                << where << ": " << name.toStdString();
            const QString value = child->text(QAccessible::Value);
            EXPECT_TRUE(value.isEmpty() || name != value || child->tableInterface())
                << where << ": named by its value " << name.toStdString();
            if (child->role() == QAccessible::ComboBox) { // its entry reaches readers as text
                EXPECT_EQ(child->textInterface() ? child->textInterface()->text(0, 999) : "",
                          value);
            }
            for (const auto& [label, relation] : child->relations(QAccessible::Label)) {
                EXPECT_NE(label->role(), QAccessible::Grouping) << where << ": group named again";
                if (label->role() == QAccessible::StaticText) {
                    EXPECT_EQ(label->text(QAccessible::Name).remove('&').remove(':').toLower(),
                              name.toLower())
                        << where << ": " << name.toStdString() << " is labelled otherwise";
                }
            }
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

// What lies behind `widget`, averaged: its parents painted there, each without its children.
QColor Behind(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    std::vector<QWidget*> parents;
    for (QWidget* w = widget->parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget())
        parents.insert(parents.begin(), w);
    for (QWidget* w : parents)
        w->render(&painter, {}, QRect(widget->mapTo(w, QPoint()), widget->size()),
                  w->isWindow() ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
    painter.end();
    return image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
}

// Every caption stands out 4.5:1 from what lies behind it and every document is a page that
// black ink and its own text colour read on; the window leaves room on a 1024x768 screen for
// a title bar and a desktop panel.
void ExpectColoursAndSize(QWidget& window, const std::string& where) {
    EXPECT_TRUE(QRect(0, 0, 1024, 708).contains(QRect({}, window.size()))) << where;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* box = qobject_cast<QAbstractButton*>(w);
        const auto* page = qobject_cast<QTextEdit*>(w);
        if (!w->isVisible() || !w->isEnabled() || w->window() != &window ||
            !((label && !label->text().isEmpty()) || w->inherits("QGroupBox") || page ||
              (box && !box->text().isEmpty() && !w->inherits("QPushButton"))))
            continue;
        const QPalette& p = page ? page->viewport()->palette() : w->palette();
        EXPECT_GE(page ? std::min(Contrast(p.color(QPalette::Base), p.color(QPalette::Text)),
                                  Contrast(p.color(QPalette::Base), Qt::black))
                       : Contrast(p.color(w->foregroundRole()), Behind(w)),
                  4.5)
            << where << ": " << w->objectName().toStdString();
    }
}

void ExpectReadable(QWidget& window, const std::string& where) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(root, nullptr) << where;
    EXPECT_TRUE(root->role() == QAccessible::Window || root->role() == QAccessible::Dialog)
        << where << ": announced as role " << static_cast<int>(root->role());
    EXPECT_FALSE(root->text(QAccessible::Name).isEmpty()) << where << ": no title";
    ExpectNamedControls(root, where);
    ExpectVisibleFocus(window, where);
    ExpectColoursAndSize(window, where);
}

// The top window that is not the screen itself: a dialog opened over it.
QWidget* OpenedOver(QWidget& screen) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &screen && window->isVisible() && window->isWindow() &&
            window->windowType() != Qt::ToolTip)
            return window;
    return nullptr;
}

// The crossword's grid as a reader meets it: a table whose cells give the clues' entry numbers
// (each once) and "blank" or "empty"; in View Puzzle the arrows move the focus from cell to cell
// and the cells say their digits.
void ExpectGridTables(Program& p) {
    auto* preview = Control<CrosswordView>(p.screen(), "PuzzlePreview");
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(preview);
    ASSERT_TRUE(grid && grid->tableInterface());
    ASSERT_EQ(grid->childCount(),
              grid->tableInterface()->rowCount() * grid->tableInterface()->columnCount());
    QList<int> numbers, clues;
    int empty = 0;
    for (int i = 0; i < grid->childCount(); ++i) {
        const QString spoken = grid->child(i)->text(QAccessible::Name);
        empty += spoken == "empty";
        EXPECT_TRUE(spoken == "empty" || spoken.endsWith("blank")) << spoken.toStdString();
        if (spoken.startsWith("clue "))
            numbers << spoken.mid(5).section(',', 0, 0).toInt();
    }
    for (const auto* list : {&preview->page().across, &preview->page().down})
        for (const ClueEntry& entry : *list)
            if (!clues.contains(entry.number))
                clues << entry.number;
    std::sort(numbers.begin(), numbers.end());
    std::sort(clues.begin(), clues.end());
    EXPECT_EQ(numbers, clues);
    EXPECT_GT(empty, 0);

    p.key(Qt::Key_Tab, Qt::ShiftModifier); // back on "View Puzzle"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    auto* shown = p.screen().findChild<CrossWord*>();
    ASSERT_TRUE(shown && shown->isVisible());
    CrosswordView* view = &shown->grid();
    QAccessibleTableInterface* display =
        QAccessible::queryAccessibleInterface(view)->tableInterface();
    ASSERT_TRUE(display);
    const QPoint start = view->current(); // the first cell of the puzzle, not an empty corner
    EXPECT_NE(display->cellAt(start.y(), start.x())->text(QAccessible::Name), "empty");
    // Round a square of four cells, away from the edges the first cell may lie on.
    const int down = start.y() + 1 < display->rowCount() ? 1 : -1;
    const int right = start.x() + 1 < display->columnCount() ? 1 : -1;
    const auto [there, back] =
        std::pair{down > 0 ? Qt::Key_Down : Qt::Key_Up, down > 0 ? Qt::Key_Up : Qt::Key_Down};
    const auto [across, home] = std::pair{right > 0 ? Qt::Key_Right : Qt::Key_Left,
                                          right > 0 ? Qt::Key_Left : Qt::Key_Right};
    for (const auto& [key, row, column] :
         {std::tuple{there, down, 0}, {across, down, right}, {back, 0, right}, {home, 0, 0}}) {
        QTest::keyClick(view, key);
        ASSERT_EQ(view->current() - start, QPoint(column, row));
        EXPECT_FALSE(display->cellAt(view->current().y(), view->current().x())
                         ->text(QAccessible::Name)
                         .contains("blank"));
    }
    EXPECT_TRUE(view->isVisible()) << "the arrows keep View Puzzle open";
}

} // namespace

// Each activity walked with Return from its menu button (reached by Tab) through the screens its
// flow names, every screen on the way read as a screen reader reads it, on a dark desktop.
TEST(KeyboardAndReader, EveryScreenIsAnnouncedWithItsControlsNamedAndItsFocusShown) {
    const QPalette light = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35))); // white on near black
    const std::pair<int, const char*> walks[] = {
        // Tabs from the first activity button; the screens on the way (the activities left out
        // pass through no screen of their own).
        {0, "ChooseSkill ChooseStyle ChooseMinMax ChooseHeading ChooseHowMany QuizForm"},
        {1, "ChooseSkill ChooseMinMax ChooseHeading ChooseRiddle QuizForm"},
        {2, "ChooseSkill ChooseMinMax ChooseHeading ChooseHowMany ChooseSquaresOption QuizForm"},
        {4, "ChooseSkill ChooseStyle ChooseMinMax FlashDirections ChooseHowMany QuizForm"},
        {6, "ChooseSkill ChooseMinMax ChooseHeading ChooseHowMany CrossPrint"},
    };
    std::map<QString, int> titles; // each screen's title, and the walk it was seen in
    for (const auto& [tabs, screens] : walks) {
        Program p;
        ExpectReadable(p.screen(), "Title");
        for (const ActivityRow& row : Activities()) // what each activity makes
            EXPECT_NE(Control<QWidget>(p.screen(), QText(row.buttonName))->toolTip(), "");
        // The riddle's screens without the background picture: on the desktop's own colours.
        if (tabs == 1)
            QFile::remove(p.folder.file("AbacoreBack.jpg"));
        for (int i = 0; i < tabs; ++i)
            p.key(Qt::Key_Tab);
        p.key(Qt::Key_Return);
        QStringList seen;
        for (int step = 0; step < 8 && !seen.contains(p.screenName()); ++step) {
            const QString name = p.screenName();
            seen << name;
            ExpectReadable(p.screen(), name.toStdString());
            const int walk = titles.emplace(p.screen().windowTitle(), tabs).first->second;
            EXPECT_EQ(walk, tabs) << p.screen().windowTitle().toStdString() << " in two activities";
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
            ExpectGridTables(p);
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
    QApplication::setPalette(light);
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

    // Up in the box raises the value, Down lowers it.
    const int start = p.text("NumValue_0").toInt();
    p.key(Qt::Key_Up);
    p.key(Qt::Key_Up);
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

// The windows Qt makes for the program: the print preview, its toolbar in the Tab order, and an
// input box whose long prompt is not the field's name.
TEST(KeyboardAndReader, PrintPreviewAndInputBoxAreReadable) {
    SetUpKeyboardAccess(*qApp);
    QtDialogs dialogs;
    // Read once the dialog is up and has settled (two turns of the event loop), then closed.
    const auto readThenClose = [] {
        QTimer::singleShot(0, [] {
            QTimer::singleShot(0, [] {
                QWidget* dialog = QApplication::activeModalWidget();
                ASSERT_NE(dialog, nullptr);
                const std::string where = dialog->metaObject()->className();
                ExpectNamedControls(QAccessible::queryAccessibleInterface(dialog), where);
                for (auto* field : dialog->findChildren<QWidget*>()) // the count beside it
                    EXPECT_TRUE(field->accessibleName() != "Page number" ||
                                field->accessibleDescription() == "of 2 pages");
                for (auto* button : dialog->findChildren<QToolButton*>())
                    EXPECT_TRUE(!button->isVisible() || (button->focusPolicy() & Qt::TabFocus))
                        << where << ": " << button->text().toStdString() << " out of reach";
                dialog->close();
            });
        });
    };
    QPrinter printer;
    readThenClose();
    dialogs.printPreview(nullptr, printer, [](QPrinter* two) {
        QPainter painter(two);
        two->newPage();
    });
    readThenClose();
    EXPECT_FALSE(dialogs.input(nullptr, ClassSetText::kTitle, ClassSetText::kAsk, "30",
                               ClassSetText::kCopiesField));
}

// A toolbar too narrow for its tools shows the style's own overflow picture, though it is made
// only when first drawn: at every size and screen scale.
TEST(KeyboardAndReader, TheToolbarOverflowPictureIsTheStylesOwn) {
    SetUpKeyboardAccess(*qApp);
    const auto* style = qobject_cast<const QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    for (const auto picture :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton})
        for (const qreal scale : {1.0, 1.5, 2.0})
            for (const int side : {8, 16, 32})
                EXPECT_EQ(style->standardIcon(picture).pixmap(QSize(side, side), scale).toImage(),
                          style->baseStyle()
                              ->standardIcon(picture)
                              .pixmap(QSize(side, side), scale)
                              .toImage())
                    << picture << " at " << side << " and " << scale;
}
