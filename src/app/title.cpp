#include "app/title.h"

#include "app/about_form.h"
#include "app/brand_label.h"
#include "app/quick_word_option.h"
#include "core/program_messages.h"
#include "core/startup.h"
#include "maker/sheet_code_request.h"
#include "ui/app_context.h"
#include "ui/dialogs.h"
#include "ui/qt_text.h"
#include "ui/screen_helpers.h"
#include "ui/toolbar_icons.h"
#include "wizard/heading_rules.h"
#include "worksheet/activity_table.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

namespace abacore {

namespace {

// The texts of "Open Sheet Code...".
namespace SheetCodeText {
constexpr const char* kCommand = "Open Sheet Code...";
constexpr const char* kTip = "Make a sheet and its key again from the code printed on it";
constexpr const char* kTitle = "Open Sheet Code";
constexpr const char* kAskCode =
    "Type the sheet code printed at the foot of the sheet or its key (24 letters and digits; "
    "the dashes may be left out):";
constexpr const char* kAskHeading = "The heading is not part of the code. The sheet's heading:";
constexpr const char* kAskRiddle = "The riddle typed for this sheet, as it was on the sheet:";
constexpr const char* kAskPunchLine = "Its punch line, as it was on the sheet:";
constexpr const char* kAskPupil = "This version was made for a pupil of a class list. Their name:";
} // namespace SheetCodeText
// Gives each button it watches the pointing hand when the pointer first comes over it: loading
// a cursor looks through the cursor themes, which the menu need not wait for to show.
class HandOnHover final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter) {
            static_cast<QWidget*>(watched)->setCursor(Qt::PointingHandCursor);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

Title::Title(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context),
      m_picture(std::async(std::launch::async, ReadBackgroundPicture,
                           DataFoldersOf(context.request), QSize())) {
    setWindowTitle(QStringLiteral("Abacore-- Drill Edition"));

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(24, 24));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->toggleViewAction()->setEnabled(false);
    toolbar->setWindowTitle(QStringLiteral("Main menu tools"));
    toolbar->setAccessibleName(toolbar->windowTitle());
    addToolBar(Qt::TopToolBarArea, toolbar);
    const auto addTool = [&](const char* key, const QIcon& icon, const char* tip,
                             const QKeySequence& shortcut) {
        QAction* action = toolbar->addAction(icon, QString::fromLatin1(key));
        action->setObjectName(QString::fromLatin1(key));
        action->setShortcut(shortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(
            QString::fromLatin1(tip), shortcut.toString(QKeySequence::NativeText)));
        // Tool buttons stay out of the Tab chain unless asked in.
        toolbar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
        return action;
    };
    connect(addTool("QuickWord", ToolbarIcon(ToolbarPicture::QuickWordSetting),
                    "Enable/Disable QuickWord Feature", QKeySequence(Qt::CTRL | Qt::Key_K)),
            &QAction::triggered, this, &Title::openQuickWordOption);
    connect(addTool("Info", ToolbarIcon(ToolbarPicture::Info), "About Abacore",
                    QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &Title::openAbout);
    connect(addTool("Quit", ToolbarIcon(ToolbarPicture::Quit), "Exit Abacore",
                    QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, [this] { m_context.navigator.quit(); });
    // Last, so that the tools before it keep their places.
    QAction* sheetCode =
        toolbar->addAction(ToolbarIcon(ToolbarPicture::SheetCode), QText(SheetCodeText::kCommand));
    sheetCode->setObjectName(QStringLiteral("OpenSheetCode"));
    sheetCode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    sheetCode->setToolTip(QStringLiteral("%1 (%2)").arg(
        QText(SheetCodeText::kTip), sheetCode->shortcut().toString(QKeySequence::NativeText)));
    toolbar->widgetForAction(sheetCode)->setFocusPolicy(Qt::TabFocus);
    connect(sheetCode, &QAction::triggered, this, &Title::openSheetCode);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(30, 18, 30, 26);
    layout->setSpacing(10);
    layout->addWidget(
        MakeBrandLabel("Label1", QStringLiteral("Abacore"), 40, true, false, central));
    layout->addWidget(
        MakeBrandLabel("Label2", QStringLiteral("-Drill Edition-"), 18, false, true, central));
    layout->addSpacing(14);

    QFont buttonFont = font();
    buttonFont.setPointSize(12);
    buttonFont.setBold(true);
    auto* hand = new HandOnHover(this);
    // The buttons stand in the table's order.
    for (const ActivityRow& row : Activities()) {
        auto* button = new QPushButton(QText(row.title), central);
        button->setObjectName(QText(row.buttonName));
        button->setToolTip(QText(row.description)); // readers give it as the description
        button->setFont(buttonFont);
        button->setFixedSize(300, 42);
        button->installEventFilter(hand);
        // Return presses the button with the focus, as Space does.
        button->setAutoDefault(true);
        const Activity activity = row.activity;
        connect(button, &QPushButton::clicked, this,
                [this, activity] { chooseActivity(activity); });
        layout->addWidget(button, 0, Qt::AlignHCenter);
        // Back from an activity, the keyboard is where the teacher left the menu.
        if (activity == context.request.ActivityType || !focusWidget())
            button->setFocus();
    }
    layout->addStretch(1);
    setCentralWidget(central);

    setFixedSize(520, 580);
}

void Title::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Un-minimising is not an opening.
    if (!event->spontaneous())
        runOpeningSequence();
}

bool Title::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        // The picture fills the area under the toolbar, which keeps its usual look.
        if (m_picture.valid())
            SetBackgroundPicture(centralWidget(),
                                 FitBackgroundPicture(m_picture.get(), centralWidget()->size()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void Title::runOpeningSequence() {
    // The picture, decoded meanwhile, is fitted to the window once it is on the screen, before
    // its first painting.
    windowHandle()->installEventFilter(this);
    WorksheetRequest& request = m_context.request;
    CentreOnScreen(this);

    const StartupOutcome outcome = RunStartup(request, request.ProgramFolder);
    Dialogs& dialogs = m_context.dialogs;
    if (!outcome.userFolderProblem.empty()) {
        dialogs.message(this, QString::fromUtf8(ProgramText::kErrorTitle),
                        QString::fromStdString(outcome.userFolderProblem));
        m_context.navigator.quit();
        return;
    }
    if (outcome.settingsFailed) {
        dialogs.message(this, QString::fromUtf8(ProgramText::kErrorTitle),
                        QString::fromUtf8(ProgramText::kMissingFiles));
        m_context.navigator.quit();
        return;
    }
    if (outcome.firstRun)
        dialogs.message(this, QString::fromUtf8(ProgramText::kThankYouTitle),
                        QString::fromUtf8(ProgramText::kThankYou));
    if (!outcome.worksheetsProblem.empty())
        dialogs.message(this, QString::fromUtf8(ProgramText::kOopsTitle),
                        QString::fromStdString(outcome.worksheetsProblem));
}

void Title::chooseActivity(Activity activity) {
    if (const auto& note = RowOf(activity).openingNote)
        m_context.dialogs.message(this, QText(note->title), QText(note->text));
    m_context.request.ActivityType = activity;
    m_context.request.KeepTyped = false;
    m_context.request.Choices = {}; // a new sheet starts without the last one's choices
    m_context.navigator.open(Screen::ChooseSkill);
}

void Title::openQuickWordOption() {
    auto* option = new QuickWordOption(m_context, this);
    if (option->isUsable())
        option->show();
    else
        option->deleteLater();
}

void Title::openAbout() {
    ShowAboutBox(m_context, this);
}

// Asks for the code, then for what it does not hold, and opens the sheet's window with the sheet
// it makes again; a code refused is said, and the menu stays.
void Title::openSheetCode() {
    Dialogs& dialogs = m_context.dialogs;
    const QString title = QText(SheetCodeText::kTitle);
    // Each field is read out by what it holds; the prompt is its description.
    const auto ask = [&](const char* prompt, const char* field, const QString& text = {}) {
        return dialogs.input(this, title, QText(prompt), text, QText(field));
    };
    const std::optional<QString> code = ask(SheetCodeText::kAskCode, "Sheet code");
    if (!code || code->trimmed().isEmpty())
        return;
    GivenAgain given;
    auto outcome = SheetFromCode(code->toStdString(), m_context.request, given);
    if (const auto* refusal = std::get_if<CodeRefusal>(&outcome);
        refusal && refusal->kind == CodeRefusalKind::NeedsRiddle) {
        const auto riddle = ask(SheetCodeText::kAskRiddle, "Riddle");
        const auto punchLine =
            riddle ? ask(SheetCodeText::kAskPunchLine, "Punch line") : std::nullopt;
        if (!punchLine)
            return;
        given.riddle = riddle->toStdString();
        given.punchLine = punchLine->toStdString();
        outcome = SheetFromCode(code->toStdString(), m_context.request, given);
    }
    if (const auto* refusal = std::get_if<CodeRefusal>(&outcome)) {
        dialogs.message(this, title, QString::fromStdString(refusal->message));
        return;
    }
    CodedSheet& sheet = std::get<CodedSheet>(outcome);
    if (sheet.named) {
        const auto pupil = ask(SheetCodeText::kAskPupil, "Pupil's name");
        if (!pupil)
            return;
        sheet.version.pupil = pupil->trimmed().toStdString();
    }
    const Activity activity = sheet.request.ActivityType;
    if (UsesScreen(activity, Screen::ChooseHeading)) {
        const auto heading = ask(SheetCodeText::kAskHeading, "Heading",
                                 QString::fromStdString(sheet.request.Heading));
        if (!heading)
            return;
        sheet.request.Heading = heading->toStdString();
        if (const auto refusal = HeadingRefusal(sheet.request.Heading)) {
            dialogs.message(this, title, QString::fromStdString(refusal->text));
            return;
        }
    }
    m_context.request = std::move(sheet.request);
    m_context.again = SheetAgain{sheet.seed, sheet.version};
    m_context.navigator.open(UsesScreen(activity, Screen::Crossword) ? Screen::Crossword
                                                                     : Screen::Worksheet);
}

} // namespace abacore
