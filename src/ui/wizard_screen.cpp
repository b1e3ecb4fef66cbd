#include "ui/wizard_screen.h"

#include "core/program_folder.h"
#include "core/worksheet_request.h"
#include "ui/dialogs.h"
#include "ui/screen_helpers.h"
#include "wizard/screen_flow.h"
#include "worksheet/activity_table.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace abacore {

WizardScreen::WizardScreen(AppContext& context, Screen self, const QString& caption, QSize size,
                           QWidget* parent)
    : QWidget(parent), m_context(context), m_self(self) {
    setWindowTitle(
        QString::fromStdString(WindowTitleOf(caption.toStdString(), context.request.ActivityType)));
    setFixedSize(size);

    auto* panel = new ReadingPanel(218, this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(28, 24, 28, 24);
    outer->addWidget(panel);

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(24, 18, 24, 18);
    m_content = new QVBoxLayout;
    inner->addLayout(m_content, 1);

    m_goBack = new QPushButton("Go Back", panel);
    m_goBack->setObjectName("Command2");
    m_continue = new QPushButton("Continue", panel);
    m_continue->setObjectName("Command1");
    for (QPushButton* button : {m_goBack, m_continue}) {
        button->setMinimumWidth(110);
        // A focused button answers Return itself; elsewhere Return means "Continue".
        button->setAutoDefault(true);
    }
    m_continue->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_goBack);
    buttons->addStretch(1);
    buttons->addWidget(m_continue);
    inner->addSpacing(8);
    inner->addLayout(buttons);

    connect(m_continue, &QPushButton::clicked, this, [this] { confirm(); });
    connect(m_goBack, &QPushButton::clicked, this, [this] { openPrevious(); });

    SetBackgroundPicture(this, DataFoldersOf(context.request));
    CentreOnScreen(this);
}

void WizardScreen::openNext() {
    m_context.navigator.open(NextScreen(m_context.request.ActivityType, m_self));
}

void WizardScreen::openPrevious() {
    m_context.navigator.open(PreviousScreen(m_context.request.ActivityType, m_self));
}

void WizardScreen::showMessage(const WizardMessage& message) {
    m_context.dialogs.message(this, QString::fromStdString(message.title),
                              QString::fromStdString(message.text));
}

void WizardScreen::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_continue->isEnabled())
            m_continue->click();
        break;
    case Qt::Key_Escape:
        m_goBack->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MakePromptLabel(QWidget* label) {
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);
    label->setFont(font);
}

} // namespace abacore
