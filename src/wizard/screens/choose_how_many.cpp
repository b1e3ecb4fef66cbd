#include "wizard/screens/choose_how_many.h"

#include "core/worksheet_request.h"
#include "wizard/count_rules.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace abacore {

ChooseHowMany::ChooseHowMany(AppContext& context, QWidget* parent)
    : WizardScreen(context, Screen::ChooseHowMany, CountText::kCaption, QSize(480, 260), parent) {
    const CountScreenSetup setup = CountScreenOpening(context.request);
    auto* prompt = new QLabel(QString::fromStdString(setup.prompt));
    prompt->setObjectName("Label1");
    prompt->setWordWrap(true);
    MakePromptLabel(prompt);
    contentLayout()->addWidget(prompt);
    contentLayout()->addSpacing(12);

    m_count = new QLineEdit(QString::fromStdString(setup.count));
    m_count->setObjectName("Text1");
    QFont countFont = m_count->font();
    countFont.setPointSizeF(countFont.pointSizeF() * 1.3);
    m_count->setFont(countFont);
    m_count->setAlignment(Qt::AlignRight);
    m_count->setFixedWidth(100);
    m_count->setAccessibleName(QStringLiteral("Number of problems"));
    m_count->setAccessibleDescription(prompt->text());
    auto* row = new QHBoxLayout;
    row->addWidget(m_count);
    row->addStretch(1);
    contentLayout()->addLayout(row);
    contentLayout()->addStretch(1);
    m_count->setFocus();
    m_count->selectAll();
}

void ChooseHowMany::confirm() {
    if (const auto refusal =
            ConfirmProblemCount(m_context.request, m_count->text().toStdString())) {
        showMessage(*refusal);
        m_count->setFocus();
        m_count->selectAll();
        return;
    }
    openNext();
}

} // namespace abacore
