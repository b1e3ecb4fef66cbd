#include "app/quick_word_option.h"

#include "core/program_folder.h"
#include "core/program_messages.h"
#include "core/worksheet_request.h"
#include "ui/app_context.h"
#include "ui/dialogs.h"
#include "ui/qt_text.h"
#include "ui/screen_helpers.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace abacore {

namespace {

const char Explanation[] =
    "The \"Quick Word\" option, if enabled, will automatically open your worksheets in the word "
    "processor of your choice for instant editing. It makes quiz and worksheet creation much "
    "easier and more versatile. If you have trouble with this option on, return here to turn it "
    "off again.";

} // namespace

QuickWordOption::QuickWordOption(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("Quick Word Option"));

    auto* label2 = new QLabel(QText(Explanation), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setWordWrap(true);
    QFont textFont = label2->font();
    textFont.setPointSize(11);
    label2->setFont(textFont);

    m_checks = new QCheckBox(this);
    m_checks->setObjectName(QStringLiteral("Checks1"));
    m_checks->setChecked(true);
    auto* label1 = new QLabel(QStringLiteral("Enable Quick Word Option"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont optionFont = label1->font();
    optionFont.setPointSize(12);
    optionFont.setBold(true);
    label1->setFont(optionFont);
    label1->setCursor(Qt::PointingHandCursor);
    label1->installEventFilter(this);
    label1->setBuddy(m_checks);
    m_checks->setAccessibleName(label1->text());
    m_checks->setAccessibleDescription(label2->text());
    m_label1 = label1;

    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("Command1"));
    done->setDefault(true);
    done->setFixedSize(100, 32);

    auto* option = new QHBoxLayout;
    option->addWidget(m_checks);
    option->addWidget(label1);
    option->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 18);
    layout->setSpacing(14);
    layout->addWidget(label2);
    layout->addLayout(option);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_checks, &QCheckBox::clicked, this, &QuickWordOption::checksClicked);
    connect(done, &QPushButton::clicked, this, &QuickWordOption::confirm);

    setFixedSize(460, 230);
    CentreOnScreen(this);
    SetBackgroundPicture(this, DataFoldersOf(m_context.request));

    m_file = SettingsFilePath(m_context.request.ProgramFolder);
    try {
        m_lines = ReadSettingsFile(m_file);
    } catch (const Failure&) {
        m_context.dialogs.message(parent, QText(ProgramText::kErrorTitle),
                                  QText(ProgramText::kMissingFiles));
        m_context.navigator.quit();
        return;
    }
    m_rememberedPath = QuickWordLine(m_lines);
    m_checks->setChecked(IsQuickWordOn(m_rememberedPath));
    m_usable = true;
}

bool QuickWordOption::eventFilter(QObject* watched, QEvent* event) {
    // The caption beside the box works like the box itself.
    if (watched == m_label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_checks->toggle();
        checksClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void QuickWordOption::checksClicked() {
    if (m_checks->isChecked()) {
        m_context.dialogs.message(this, QText(ProgramText::kFindProgramTitle),
                                  QText(ProgramText::kFindProgram));
        m_chosenProgram =
            m_context.dialogs.openFile(this, QText(ProgramText::kFindWordTitle),
                                       QStringLiteral("Programs (*)"), QDir::homePath());
    }
    if (!m_chosenProgram || m_chosenProgram->isEmpty())
        m_checks->setChecked(false);
}

void QuickWordOption::confirm() {
    const bool ticked = m_checks->isChecked();
    if (ticked && m_chosenProgram && !m_chosenProgram->isEmpty()) {
        const std::string chosen = m_chosenProgram->toStdString();
        if (!m_context.dialogs.question(
                this, QText(ProgramText::kEnableQuickWordTitle),
                QString::fromStdString(ProgramText::EnableQuickWordQuestion(chosen)),
                DefaultAnswer::Yes)) {
            m_context.dialogs.beep();
            return;
        }
        m_rememberedPath = chosen;
        if (!writeSettings())
            return;
        m_context.dialogs.message(this, QText(ProgramText::kSuccessTitle),
                                  QText(ProgramText::kSuccess));
    } else {
        if (!writeSettings())
            return;
        m_context.dialogs.message(this, QText(ProgramText::kRestartTitle),
                                  QText(ProgramText::kRestart));
    }
    m_context.navigator.quit();
}

bool QuickWordOption::writeSettings() {
    SettingsLines lines = m_lines;
    SetQuickWordLine(lines, QuickWordLineToWrite(m_checks->isChecked(), m_rememberedPath));
    try {
        WriteSettingsFile(m_file, lines);
        return true;
    } catch (const Failure& e) {
        m_context.dialogs.message(this, QText(ProgramText::kErrorTitle),
                                  QString::fromStdString(ProgramText::SettingsNotSaved(e.what())));
        return false;
    }
}

} // namespace abacore
