#include "worksheet/screens/quiz_form.h"

#include "core/worksheet_request.h"
#include "document/page_setup.h"
#include "ui/app_context.h"
#include "ui/class_set_output.h"
#include "ui/dialogs.h"
#include "ui/document_bridge.h"
#include "ui/paper_menu.h"
#include "ui/picture_loader.h"
#include "ui/qt_text.h"
#include "ui/screen_helpers.h"
#include "ui/toolbar_icons.h"
#include "worksheet/activity_table.h"
#include "worksheet/class_set.h"
#include "worksheet/editing_tools.h"
#include "worksheet/screens/selection_format.h"
#include "worksheet/screens/worksheet_output.h"
#include "worksheet/worksheet_messages.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace abacore {

namespace {

// Lines are as long as on the printed page, whatever the window's width: the grid's rows must not
// wrap. A narrower window scrolls sideways.
void FitToPaper(QTextEdit* editor, Paper paper) {
    editor->setLineWrapColumnOrWidth(
        qRound(PageSetup::PageOf(paper).textWidthInches() * editor->logicalDpiX() +
               2 * editor->document()->documentMargin()));
}

QTextEdit* MakeEditor(const char* name, const Document& document, Paper paper, QWidget* parent) {
    auto* editor = new QTextEdit(parent);
    editor->setObjectName(QString::fromLatin1(name));
    editor->setAcceptRichText(true);
    ShowAsPaper(editor);
    FillTextDocument(document, *editor->document(), paper);
    // Filling is not an edit the user could undo.
    editor->document()->setUndoRedoEnabled(true);
    editor->document()->clearUndoRedoStacks();
    editor->document()->setModified(false);
    editor->setLineWrapMode(QTextEdit::FixedPixelWidth);
    FitToPaper(editor, paper);
    return editor;
}

// A font tool button with its shortcut; the shortcut lives on an action of the window, so it
// works wherever the focus is and acts at once.
QToolButton* MakeFontButton(const char* name, const QString& caption, const QString& tooltip,
                            const QKeySequence& key, void (*style)(QFont&), QWidget* parent,
                            QWidget* window) {
    // The word in the Format menu, the letter on the button.
    auto* action = new QAction(tooltip, window);
    action->setIconText(caption);
    action->setToolTip(tooltip + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                       QStringLiteral(")"));
    action->setShortcut(key);
    action->setCheckable(true);
    QFont font = action->font();
    style(font);
    action->setFont(font);
    window->addAction(action);
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(action);
    // Tab reaches it; a click leaves the focus in the document.
    button->setFocusPolicy(Qt::TabFocus);
    button->setMinimumWidth(28);
    // Read out as the word, not the letter on the button.
    button->setAccessibleName(tooltip);
    return button;
}

// Shows `text` in an editable list: picks its entry when it has one, else just shows it.
void ShowInList(QComboBox* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchFixedString);
    if (index >= 0)
        list->setCurrentIndex(index);
    list->setEditText(text);
}

ToolbarPicture PictureOf(ToolbarButtonId button) {
    switch (button) {
    case ToolbarButtonId::Print:
        return ToolbarPicture::Print;
    case ToolbarButtonId::Clipart:
        return ToolbarPicture::Clipart;
    case ToolbarButtonId::Save:
        return ToolbarPicture::Save;
    case ToolbarButtonId::QuickWord:
        return ToolbarPicture::QuickWord;
    case ToolbarButtonId::View:
        return ToolbarPicture::Answers;
    case ToolbarButtonId::Quit:
        break;
    }
    return ToolbarPicture::Quit;
}

} // namespace

QuizForm::QuizForm(AppContext& context, WorksheetDocuments documents, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_openedWith(context.request),
      m_content(std::move(documents.content)) {
    setWindowTitle(QString::fromStdString(
        WindowTitleOf(WorksheetText::kCaption, context.request.ActivityType)));

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    // A thin frame round the editor, as the window's layout rule leaves (about 50 twips a side).
    const int margin = qMax(2, logicalDpiX() * 50 / 1440);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(margin);
    column->addWidget(buildFontTools());

    m_quizBox = MakeEditor("QuizBox", documents.worksheet, context.request.PaperSize, central);
    m_answerBox = MakeEditor("AnswerBox", documents.answerKey, context.request.PaperSize, central);
    m_answerBox->hide();
    m_quizBox->setAccessibleName(QStringLiteral("Worksheet"));
    m_answerBox->setAccessibleName(QStringLiteral("Answer key"));
    // Tab moves on to the next control, as everywhere else; the document keeps its own tabs.
    m_quizBox->setTabChangesFocus(true);
    m_answerBox->setTabChangesFocus(true);
    // Both editors share one place; only one is on view.
    auto* editors = new QGridLayout;
    editors->setContentsMargins(0, 0, 0, 0);
    editors->addWidget(m_quizBox, 0, 0);
    editors->addWidget(m_answerBox, 0, 0);
    column->addLayout(editors, 1);
    setCentralWidget(central);

    m_toolbar = buildToolbar();
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    buildMenus();

    // The tools show the format wherever the user is in the worksheet.
    connect(m_quizBox, &QTextEdit::cursorPositionChanged, this, &QuizForm::showSelectionFormat);
    connect(m_quizBox, &QTextEdit::selectionChanged, this, &QuizForm::showSelectionFormat);
    connect(m_quizBox, &QTextEdit::currentCharFormatChanged, this,
            [this](const QTextCharFormat&) { showSelectionFormat(); });

    for (QTextEdit* editor : {m_quizBox, m_answerBox}) {
        connect(editor, &QTextEdit::undoAvailable, this, &QuizForm::showEditState);
        connect(editor, &QTextEdit::redoAvailable, this, &QuizForm::showEditState);
        connect(editor, &QTextEdit::copyAvailable, this, &QuizForm::showEditState);
        connect(editor, &QTextEdit::textChanged, this, &QuizForm::showEditState);
    }
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &QuizForm::showEditState);

    // Toolbar availability; the tool lists; then the worksheet from its start.
    for (const ToolbarButton& button : WorksheetToolbarButtons())
        m_buttons.at(button.id)->setEnabled(ToolbarButtonEnabled(button.id, context.request));
    fillToolLists();
    m_quizBox->moveCursor(QTextCursor::End);
    m_quizBox->moveCursor(QTextCursor::Start);
    m_answerBox->moveCursor(QTextCursor::Start);
    m_fontColour->setCurrentIndex(0);
    m_quizBox->setFocus();
    showEditState();

    // With its title bar, it fits a 1024 x 768 screen under a desktop's panel.
    QSize size(900, 680);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    resize(size);
}

QToolBar* QuizForm::buildToolbar() {
    auto* toolbar = new QToolBar(QStringLiteral("Worksheet tools"), this);
    toolbar->setAccessibleName(toolbar->windowTitle());
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setEnabled(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setIconSize(QSize(32, 32));
    int index = 0;
    for (const ToolbarButton& button : WorksheetToolbarButtons()) {
        QAction* action =
            toolbar->addAction(ToolbarIcon(PictureOf(button.id)), QText(button.caption));
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(++index));
        action->setToolTip(QText(button.tooltip));
        const ToolbarButtonId id = button.id;
        connect(action, &QAction::triggered, this, [this, id] { onToolbarButton(id); });
        // Tool buttons stay out of the Tab chain unless asked in.
        toolbar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
        m_buttons[id] = action;
    }
    m_buttons.at(ToolbarButtonId::Print)->setShortcut(QKeySequence::Print);
    m_buttons.at(ToolbarButtonId::Save)->setShortcut(QKeySequence::Save);
    m_buttons.at(ToolbarButtonId::Clipart)->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    m_buttons.at(ToolbarButtonId::QuickWord)->setShortcut(Qt::CTRL | Qt::Key_E);
    m_buttons.at(ToolbarButtonId::View)->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
    // Every tool tells its shortcut; the menus hold the same actions.
    for (QAction* action : toolbar->actions())
        if (!action->shortcut().isEmpty())
            action->setToolTip(QStringLiteral("%1 (%2)").arg(
                action->toolTip(), action->shortcut().toString(QKeySequence::NativeText)));
    m_viewButton = m_buttons.at(ToolbarButtonId::View);
    m_viewButton->setCheckable(true);
    return toolbar;
}

QWidget* QuizForm::buildFontTools() {
    auto* tools = new QWidget(this);
    tools->setObjectName(QStringLiteral("FontTools"));
    m_fontTools = tools;
    auto* row = new QHBoxLayout(tools);
    row->setContentsMargins(0, 0, 0, 0);

    m_boldButton = MakeFontButton(
        "BoldButton", QStringLiteral("B"), QStringLiteral("Bold"), QKeySequence::Bold,
        [](QFont& f) { f.setBold(true); }, tools, this);
    m_italicButton = MakeFontButton(
        "ItalicButton", QStringLiteral("I"), QStringLiteral("Italic"), QKeySequence::Italic,
        [](QFont& f) { f.setItalic(true); }, tools, this);
    m_underlineButton = MakeFontButton(
        "UnderlineButton", QStringLiteral("U"), QStringLiteral("Underline"),
        QKeySequence::Underline, [](QFont& f) { f.setUnderline(true); }, tools, this);
    connect(m_boldButton->defaultAction(), &QAction::triggered, this, [this] {
        toggleAttribute(IsBold, [](QTextCharFormat& f, bool on) {
            f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        });
    });
    connect(m_italicButton->defaultAction(), &QAction::triggered, this, [this] {
        toggleAttribute([](const QTextCharFormat& f) { return f.fontItalic(); },
                        [](QTextCharFormat& f, bool on) { f.setFontItalic(on); });
    });
    connect(m_underlineButton->defaultAction(), &QAction::triggered, this, [this] {
        toggleAttribute([](const QTextCharFormat& f) { return f.fontUnderline(); },
                        [](QTextCharFormat& f, bool on) { f.setFontUnderline(on); });
    });

    m_fontName = new QComboBox(tools);
    m_fontName->setObjectName(QStringLiteral("cmbFontName"));
    m_fontName->setToolTip(QStringLiteral("Font"));
    m_fontName->setAccessibleName(m_fontName->toolTip());
    m_fontName->setAccessibleDescription(
        QStringLiteral("The font of the selected text, or of the text typed next"));
    // Editable, so that a font the document names but the system lacks can still be shown.
    m_fontName->setEditable(true);
    m_fontName->setInsertPolicy(QComboBox::NoInsert);
    m_fontName->setMinimumContentsLength(18);
    m_fontName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    m_fontSize = new QComboBox(tools);
    m_fontSize->setObjectName(QStringLiteral("cmbFontSize"));
    m_fontSize->setToolTip(QStringLiteral("Font Size"));
    m_fontSize->setAccessibleName(m_fontSize->toolTip());
    m_fontSize->setAccessibleDescription(
        QStringLiteral("The size in points of the selected text, or of the text typed next"));
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    // Completing a typed "5" to "50" would give a size nobody asked for.
    m_fontSize->setCompleter(nullptr);
    m_fontSize->setMinimumContentsLength(3);
    m_fontSize->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    // The typing field inside each list is read out by the list's name.
    for (QComboBox* list : {m_fontName, m_fontSize})
        list->lineEdit()->setAccessibleName(list->accessibleName());

    m_fontColour = new QComboBox(tools);
    m_fontColour->setObjectName(QStringLiteral("cmbFontColor"));
    m_fontColour->setToolTip(QStringLiteral("Font Colour"));
    m_fontColour->setAccessibleName(m_fontColour->toolTip());
    m_fontColour->setAccessibleDescription(
        QStringLiteral("The colour of the selected text, or of the text typed next"));

    connect(m_fontName, &QComboBox::activated, this,
            [this](int index) { applyFontName(m_fontName->itemText(index)); });
    connect(m_fontSize, &QComboBox::activated, this,
            [this](int index) { applyFontSize(m_fontSize->itemText(index)); });
    connect(m_fontColour, &QComboBox::activated, this, &QuizForm::applyFontColour);
    // A typed name or size that the list lacks: the list itself only reports its own entries.
    connect(m_fontName->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (m_fontName->findText(m_fontName->currentText(), Qt::MatchFixedString) < 0)
            applyFontName(m_fontName->currentText());
    });
    connect(m_fontSize->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { applyFontSize(m_fontSize->currentText()); });

    row->addWidget(m_boldButton);
    row->addWidget(m_italicButton);
    row->addWidget(m_underlineButton);
    row->addSpacing(8);
    row->addWidget(m_fontName);
    row->addWidget(m_fontSize);
    row->addWidget(m_fontColour);
    row->addStretch(1);
    return tools;
}

void QuizForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("Go"));
    QAction* back = file->addAction(QStringLiteral("&Back to Main Screen"));
    back->setObjectName(QStringLiteral("Back"));
    back->setShortcut(Qt::Key_Escape);
    connect(back, &QAction::triggered, this, [this] {
        if (mayDiscardEdits())
            m_context.navigator.open(Screen::MainMenu);
    });
    file->addSeparator();
    file->addAction(m_buttons.at(ToolbarButtonId::Save));
    file->addAction(m_buttons.at(ToolbarButtonId::Print));
    file->addAction(m_buttons.at(ToolbarButtonId::QuickWord));
    QAction* exportPdf = file->addAction(QStringLiteral("&Export PDF..."));
    exportPdf->setObjectName(QStringLiteral("ExportPdf"));
    connect(exportPdf, &QAction::triggered, this, [this] { ExportWorksheetPdf(output()); });
    QAction* exportWeb = file->addAction(QText(WorksheetText::kExportWebCommand));
    exportWeb->setObjectName(QStringLiteral("ExportWebPage"));
    connect(exportWeb, &QAction::triggered, this,
            [this] { ExportWorksheetWebPage(output(), m_content); });
    QAction* classSet = file->addAction(QText(ClassSetText::kCommand));
    classSet->setObjectName(QStringLiteral("ClassSet"));
    connect(classSet, &QAction::triggered, this, [this] {
        SaveClassSet({m_context, this, m_openedWith});
    });
    QAction* preview = file->addAction(QStringLiteral("Print Pre&view..."));
    preview->setObjectName(QStringLiteral("PrintPreview"));
    connect(preview, &QAction::triggered, this, [this] { PreviewWorksheet(output()); });
    AddPaperMenu(file, this, m_context, [this] {
        for (QTextEdit* editor : {m_quizBox, m_answerBox})
            FitToPaper(editor, m_context.request.PaperSize);
    });
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("&Quit"));
    quit->setObjectName(QStringLiteral("Quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, [this] {
        if (mayDiscardEdits())
            m_context.navigator.quit();
    });

    buildEditMenu();
    // The font buttons' commands, with their shortcuts on show.
    QMenu* format = menuBar()->addMenu(QStringLiteral("F&ormat"));
    for (QToolButton* button : {m_boldButton, m_italicButton, m_underlineButton})
        format->addAction(button->defaultAction());

    QMenu* insert = menuBar()->addMenu(QStringLiteral("&Insert"));
    insert->addAction(m_buttons.at(ToolbarButtonId::Clipart));
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(m_viewButton);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    QAction* about = help->addAction(QStringLiteral("&About This Program"));
    about->setObjectName(QStringLiteral("About"));
    connect(about, &QAction::triggered, this, &QuizForm::showAbout);
}

void QuizForm::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    const auto add = [this, edit](const char* name, const char* text, QKeySequence::StandardKey key,
                                  void (QTextEdit::*command)()) {
        QAction* action = edit->addAction(QString::fromLatin1(text));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        // The document on view answers these keys itself while it has the focus; elsewhere
        // in the window the action acts on it.
        connect(action, &QAction::triggered, this, [this, command] {
            QTextEdit* editor = shownEditor();
            (editor->*command)();
            editor->setFocus();
        });
        return action;
    };
    m_undo = add("Undo", "&Undo", QKeySequence::Undo, &QTextEdit::undo);
    m_redo = add("Redo", "&Redo", QKeySequence::Redo, &QTextEdit::redo);
    edit->addSeparator();
    m_cut = add("Cut", "Cu&t", QKeySequence::Cut, &QTextEdit::cut);
    m_copy = add("Copy", "&Copy", QKeySequence::Copy, &QTextEdit::copy);
    m_paste = add("Paste", "&Paste", QKeySequence::Paste, &QTextEdit::paste);
    edit->addSeparator();
    m_selectAll = add("SelectAll", "Select &All", QKeySequence::SelectAll, &QTextEdit::selectAll);
}

QTextEdit* QuizForm::shownEditor() const {
    return m_answerBox->isHidden() ? m_quizBox : m_answerBox;
}

void QuizForm::showEditState() {
    if (!m_undo)
        return;
    const QTextEdit* editor = shownEditor();
    const QTextDocument* document = editor->document();
    const bool selected = editor->textCursor().hasSelection();
    m_undo->setEnabled(document->isUndoAvailable());
    m_redo->setEnabled(document->isRedoAvailable());
    m_cut->setEnabled(selected && !editor->isReadOnly());
    m_copy->setEnabled(selected);
    m_paste->setEnabled(editor->canPaste());
    m_selectAll->setEnabled(!document->isEmpty());
}

void QuizForm::fillToolLists() {
    for (const NamedColour& colour : FontColourChoices())
        m_fontColour->addItem(QText(colour.name));
    m_fontColour->setCurrentIndex(0);

    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families())
        families.push_back(family.toStdString());
    for (const std::string& name : FontNameChoices(families))
        m_fontName->addItem(QText(name));
    m_fontName->setCurrentIndex(0);
    m_fontName->setEditText(QText(kInitialFontName));

    for (int points : FontSizeChoices())
        m_fontSize->addItem(QString::number(points));
    m_fontSize->setCurrentIndex(kInitialFontSizeIndex);
}

WorksheetOutput QuizForm::output() {
    return WorksheetOutput{
        m_context, this, *m_quizBox->document(), *m_answerBox->document(), m_written, [this] {
            m_quizBox->document()->setModified(false);
            m_answerBox->document()->setModified(false);
        }};
}

void QuizForm::onToolbarButton(ToolbarButtonId button) {
    const WorksheetCommand command = CommandFor(button, m_answerBox->isVisible());
    switch (command) {
    case WorksheetCommand::Print:
        PrintWorksheet(output());
        break;
    case WorksheetCommand::Clipart:
        // The picture goes in where the worksheet's insertion point stands, whichever
        // document is on view.
        m_context.navigator.choosePicture(this, [this](const LoadedPicture& loaded) {
            QTextCursor cursor = m_quizBox->textCursor();
            InsertPicture(cursor, loaded.picture, loaded.image);
            m_quizBox->setTextCursor(cursor);
        });
        break;
    case WorksheetCommand::Save:
        SaveWorksheet(output());
        break;
    case WorksheetCommand::QuickWord:
        SendToWordProcessor(output());
        break;
    case WorksheetCommand::ShowAnswers:
    case WorksheetCommand::ShowWorksheet:
        switchView(command);
        break;
    case WorksheetCommand::Quit:
        if (mayDiscardEdits())
            m_context.navigator.quit();
        break;
    }
}

void QuizForm::switchView(WorksheetCommand command) {
    if (command == WorksheetCommand::ShowAnswers) {
        m_viewButton->setChecked(true);
        m_viewButton->setText(QText(kWorksheetCaption));
        m_answerBox->setGeometry(m_quizBox->geometry());
        m_quizBox->hide();
        m_answerBox->show();
        m_answerBox->setFocus();
        // The font tools work on the worksheet only: keep them from changing it unseen.
        m_fontTools->setEnabled(false);
    } else {
        m_viewButton->setChecked(false);
        m_viewButton->setText(QText(kAnswersCaption));
        m_quizBox->show();
        m_answerBox->hide();
        m_quizBox->setFocus();
        m_fontTools->setEnabled(true);
    }
    // Their menu items too.
    for (QToolButton* button : {m_boldButton, m_italicButton, m_underlineButton})
        button->defaultAction()->setEnabled(command != WorksheetCommand::ShowAnswers);
    showEditState();
}

void QuizForm::toggleAttribute(const std::function<bool(const QTextCharFormat&)>& has,
                               const std::function<void(QTextCharFormat&, bool)>& set) {
    QTextCharFormat format;
    set(format, AttributeAfterPress(WholeSelectionHas(m_quizBox->textCursor(), has)));
    applyFormat(format);
}

void QuizForm::applyFormat(const QTextCharFormat& format) {
    // Shortcuts still reach here while the answer key is on view.
    if (m_quizBox->isHidden())
        return;
    // With a selection this formats it; without one it sets what typing will use.
    m_quizBox->mergeCurrentCharFormat(format);
    m_quizBox->setFocus();
    showSelectionFormat();
}

void QuizForm::applyFontName(const QString& name) {
    if (name.trimmed().isEmpty())
        return;
    QTextCharFormat format;
    format.setFontFamilies(QStringList{name});
    applyFormat(format);
}

void QuizForm::applyFontSize(const QString& size) {
    const std::optional<int> points = TypedFontSize(size.toStdString());
    if (!points) {
        m_context.dialogs.message(this, QText(kFontSizeTitle), QText(FontSizeMessage()));
        // The box goes back to the size that is really in use.
        m_fontSize->setEditText(QString());
        showSelectionFormat();
        m_fontSize->setFocus();
        m_fontSize->lineEdit()->selectAll();
        return;
    }
    QTextCharFormat format;
    format.setFontPointSize(*points);
    applyFormat(format);
}

void QuizForm::applyFontColour(int index) {
    const auto& colours = FontColourChoices();
    if (index < 0 || static_cast<size_t>(index) >= colours.size())
        return;
    const Rgb rgb = colours[static_cast<size_t>(index)].rgb;
    QTextCharFormat format;
    format.setForeground(QColor(rgb.r, rgb.g, rgb.b));
    applyFormat(format);
}

void QuizForm::showSelectionFormat() {
    const QTextCursor cursor = m_quizBox->textCursor();
    if (const auto size = SelectionFontSize(cursor))
        ShowInList(m_fontSize, QString::number(*size));
    if (const auto name = SelectionFontName(cursor))
        ShowInList(m_fontName, *name);
    if (const auto colour = SelectionColour(cursor)) {
        const Rgb rgb{static_cast<uint8_t>(colour->red()), static_cast<uint8_t>(colour->green()),
                      static_cast<uint8_t>(colour->blue())};
        if (const auto index = FontColourIndex(rgb))
            m_fontColour->setCurrentIndex(static_cast<int>(*index));
    }
    m_boldButton->setChecked(WholeSelectionHas(cursor, IsBold));
    m_italicButton->setChecked(
        WholeSelectionHas(cursor, [](const QTextCharFormat& f) { return f.fontItalic(); }));
    m_underlineButton->setChecked(
        WholeSelectionHas(cursor, [](const QTextCharFormat& f) { return f.fontUnderline(); }));
}

void QuizForm::showAbout() {
    m_context.navigator.showAbout(this);
}

bool QuizForm::mayDiscardEdits() {
    if (!m_quizBox->document()->isModified() && !m_answerBox->document()->isModified())
        return true;
    return m_context.dialogs.question(this, QString::fromUtf8(WorksheetText::kDiscardTitle),
                                      QString::fromUtf8(WorksheetText::kDiscard),
                                      DefaultAnswer::No);
}

void QuizForm::closeEvent(QCloseEvent* event) {
    if (mayDiscardEdits())
        QMainWindow::closeEvent(event);
    else
        event->ignore();
}

} // namespace abacore
