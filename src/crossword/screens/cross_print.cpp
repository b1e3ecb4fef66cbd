#include "crossword/screens/cross_print.h"

#include "core/program_folder.h"
#include "core/worksheet_request.h"
#include "crossword/clue_lists.h"
#include "crossword/crossword_messages.h"
#include "crossword/screens/crossword_output.h"
#include "crossword/screens/crossword_view.h"
#include "ui/class_set_output.h"
#include "ui/clickable_label.h"
#include "ui/dialogs.h"
#include "ui/document_bridge.h"
#include "ui/picture_loader.h"
#include "ui/qt_text.h"
#include "ui/screen_helpers.h"
#include "worksheet/activity_table.h"
#include "worksheet/class_set.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace abacore {

namespace {

QPixmap Swatch(const Rgb& colour, int size) {
    QPixmap swatch(size, size);
    swatch.fill(QColor(colour.r, colour.g, colour.b));
    QPainter painter(&swatch);
    // Mid grey: the black swatch on a dark panel and the white one on a light panel both show.
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, size - 1, size - 1);
    return swatch;
}

QPushButton* MakeButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QText(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumWidth(130);
    button->setAutoDefault(true);
    return button;
}

} // namespace

CrossPrint::CrossPrint(AppContext& context, CrosswordPage page, QWidget* parent)
    : QWidget(parent), m_context(context), m_openedWith(context.request), m_page(std::move(page)) {
    setWindowTitle(QString::fromStdString(
        WindowTitleOf(CrosswordText::kBuilderCaption, context.request.ActivityType)));

    auto* panel = new ReadingPanel(225, this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 20, 24, 20);
    outer->addWidget(panel);

    m_preview = new CrosswordView(m_page, CellText::EntryNumbers, false, panel);
    m_preview->setObjectName(QStringLiteral("PuzzlePreview"));
    m_preview->setMinimumWidth(440);
    m_preview->setToolTip(QStringLiteral("The grid as it will be printed"));
    m_preview->setAccessibleName(QStringLiteral("Puzzle grid as printed"));

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildClueList(), 0);
    columns->addWidget(buildBackgroundFrame(), 0);
    // A thin frame shows where the grid's background ends, also while it is white.
    auto* previewFrame = new QFrame(panel);
    previewFrame->setObjectName(QStringLiteral("PreviewFrame"));
    previewFrame->setFrameShape(QFrame::Box);
    previewFrame->setForegroundRole(QPalette::WindowText); // a plain box frame draws in it
    auto* framed = new QVBoxLayout(previewFrame);
    framed->setContentsMargins(1, 1, 1, 1);
    framed->addWidget(m_preview);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(previewFrame, 0, Qt::AlignTop);
    previewColumn->addStretch(1);
    columns->addLayout(previewColumn, 1);

    auto* view = MakeButton("Command1", CrosswordText::kViewPuzzle, panel);
    auto* print = MakeButton("Command2", CrosswordText::kPrintPuzzle, panel);
    auto* quit = MakeButton("Command3", CrosswordText::kQuitWithoutPrinting, panel);
    auto* back = MakeButton("BackButton", CrosswordText::kBackToMain, panel);
    auto* exportButton = MakeButton("ExportButton", CrosswordText::kExport, panel);
    exportButton->setToolTip(QStringLiteral("Save the puzzle as a PDF file, as an .ipuz file "
                                            "for crossword programs, or as a web page"));
    // Beside Export: the class set is exported too, one version for every pupil.
    auto* classSet = MakeButton("ClassSetButton", ClassSetText::kCommand, panel);
    classSet->setToolTip(QStringLiteral("A different puzzle for every pupil, each with its key, "
                                        "as two PDF or text files"));
    print->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(view);
    buttons->addWidget(print);
    buttons->addWidget(exportButton);
    buttons->addWidget(classSet);
    buttons->addStretch(1);
    buttons->addWidget(back);
    buttons->addWidget(quit);

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(18, 16, 18, 16);
    inner->addLayout(columns, 1);
    inner->addSpacing(10);
    inner->addLayout(buttons);

    connect(view, &QPushButton::clicked, this, [this] { viewPuzzle(); });
    connect(print, &QPushButton::clicked, this, [this] { printPuzzle(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportPuzzle(); });
    connect(classSet, &QPushButton::clicked, this, [this] {
        SaveClassSet({m_context, this, m_openedWith, m_look});
    });
    connect(back, &QPushButton::clicked, this, [this] {
        if (mayDiscard())
            m_context.navigator.open(Screen::MainMenu);
    });
    connect(quit, &QPushButton::clicked, this, [this] {
        if (mayDiscard())
            m_context.navigator.quit();
    });
    // Esc goes back to the main menu, as it does from the worksheet window.
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    addAction(escape);
    connect(escape, &QAction::triggered, back, &QPushButton::click);
    // Tab follows the buttons as they stand, left to right.
    setTabOrder(print, exportButton);
    setTabOrder(exportButton, classSet);
    setTabOrder(classSet, back);
    setTabOrder(back, quit);

    m_display = new CrossWord(m_page, this);
    m_display->hide();

    // Fits a 1024 by 768 screen and grows with a larger one; below its layout's minimum the
    // clue list and the preview would overlap.
    setMinimumSize(minimumSizeHint());
    resize(std::max(minimumWidth(), 1000), std::max(minimumHeight(), 620));
    SetBackgroundPicture(this, DataFoldersOf(context.request));
    CentreOnScreen(this);
    print->setFocus();
}

QWidget* CrossPrint::buildClueList() {
    auto* box = new QTextEdit(this);
    box->setObjectName(QStringLiteral("Box1"));
    box->setReadOnly(true);
    box->setAccessibleName(QStringLiteral("Clues"));
    // The keyboard moves through the clues as the mouse does.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    FillTextDocument(BuilderClueList(m_page), *box->document(), m_context.request.PaperSize);
    box->setFixedWidth(250);
    ShowAsPaper(box); // the clues as they print
    box->moveCursor(QTextCursor::Start);
    return box;
}

QWidget* CrossPrint::buildBackgroundFrame() {
    auto* frame = new QGroupBox(QText(CrosswordText::kBackgroundFrame), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    // Qt lets a titled box label each control placed directly in it, so readers would say the
    // box's title with every choice: the choices stand in a plain widget, and the box is heard
    // once, as the group the focus enters (a frame, so that it has no name of its own either).
    auto* choices = new QFrame(frame);
    (new QVBoxLayout(frame))->addWidget(choices);
    auto* grid = new QGridLayout(choices);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    auto* group = new QButtonGroup(frame);
    const int swatchSize = fontMetrics().height() - 2;
    int row = 0;
    for (const BackgroundOption& option : BackgroundOptions()) {
        const int i = row;
        auto* button = new QRadioButton(choices);
        button->setObjectName(QStringLiteral("Coloroption_%1").arg(i));
        group->addButton(button, i);
        m_options[static_cast<size_t>(i)] = button;
        auto* label = new ClickableLabel(QText(option.label), choices);
        label->setObjectName(QStringLiteral("ColorLabel_%1").arg(i));
        label->setBuddy(button);
        button->setAccessibleName(label->text());
        // The swatch is the choice's own picture, not a picture of its own that readers would
        // list beside it.
        if (!option.picture) {
            button->setIcon(Swatch(option.colour, swatchSize));
            button->setIconSize(QSize(swatchSize, swatchSize));
        }
        // As wide as its circle and swatch: a wider one is not clicked where it shows nothing.
        grid->addWidget(button, row, 0, Qt::AlignLeft);
        grid->addWidget(label, row, 1);
        // The caption selects its option, as the option itself does.
        connect(label, &ClickableLabel::clicked, button, [button] { button->click(); });
        ++row;
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { applyBackground(id); });
    // The background the puzzle starts with is shown chosen, so it can be heard.
    m_options.front()->setChecked(true);

    m_choosePicture = new QPushButton(QText(CrosswordText::kChoosePicture), choices);
    m_choosePicture->setObjectName(QStringLiteral("Command4"));
    m_choosePicture->setAutoDefault(true);
    m_choosePicture->hide();
    connect(m_choosePicture, &QPushButton::clicked, this, [this] { choosePicture(); });
    grid->addWidget(m_choosePicture, row++, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

void CrossPrint::applyBackground(int selected) {
    m_look = WithBackground(m_look, selected);
    m_choosePicture->setVisible(m_look.pictureShown);
    showLook();
}

void CrossPrint::choosePicture() {
    // The picture window keeps this window from input until it closes; the picture arrives with
    // "Add This Picture", and a file that fails there is reported by the window itself.
    m_context.navigator.choosePicture(this, [this](const LoadedPicture& loaded) {
        m_look = WithPicture(m_look, loaded.image);
        showLook();
    });
}

void CrossPrint::showLook() {
    m_preview->setLook(m_look);
    m_display->setLook(m_look);
}

void CrossPrint::viewPuzzle() {
    m_display->show();
    m_display->raise();
    m_display->activateWindow();
    m_display->setFocus();
}

void CrossPrint::printPuzzle() {
    if (PrintCrossword({m_context, this, m_page, m_look}))
        m_kept = true;
}

void CrossPrint::exportPuzzle() {
    if (ExportCrossword({m_context, this, m_page, m_look}))
        m_kept = true;
}

bool CrossPrint::mayDiscard() {
    return m_kept || m_context.dialogs.question(this, QText(CrosswordText::kDiscardTitle),
                                                QText(CrosswordText::kDiscard), DefaultAnswer::No);
}

void CrossPrint::closeEvent(QCloseEvent* event) {
    // Closing the window is quitting; the answer display goes with it.
    if (!mayDiscard()) {
        event->ignore();
        return;
    }
    event->accept();
    m_context.navigator.quit();
}

} // namespace abacore
