#include "worksheet/screens/choose_squares_option.h"

#include "core/worksheet_request.h"
#include "ui/clickable_label.h"
#include "worksheet/squares_option_text.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace abacore {

ChooseSquaresOption::ChooseSquaresOption(AppContext& context, QWidget* parent)
    : WizardScreen(context, Screen::ChooseSquaresOption, SquaresOptionText::kCaption,
                   QSize(520, 260), parent) {
    auto* question = new QLabel(SquaresOptionText::kQuestion);
    question->setObjectName("Label1");
    question->setWordWrap(true);
    QFont questionFont = question->font();
    questionFont.setPointSizeF(questionFont.pointSizeF() * 1.15);
    question->setFont(questionFont);
    contentLayout()->addWidget(question);
    contentLayout()->addSpacing(14);

    // The box has no caption of its own: the label beside it is its caption and toggles it.
    m_filled = new QCheckBox;
    m_filled->setObjectName("Check1");
    m_filled->setAccessibleName(SquaresOptionText::kYes);
    m_filled->setAccessibleDescription(question->text());
    // Without a caption the style draws no focus: a ring around the box shows it.
    m_filled->setStyleSheet("QCheckBox { border: 2px solid transparent; border-radius: 4px;"
                            " padding: 2px; }"
                            "QCheckBox:focus { border-color: rgba(21, 101, 192, 170); }");
    auto* yes = new ClickableLabel(SquaresOptionText::kYes);
    yes->setObjectName("Label2");
    QFont yesFont = yes->font();
    yesFont.setPointSizeF(yesFont.pointSizeF() * 1.15);
    yesFont.setBold(true);
    yes->setFont(yesFont);
    connect(yes, &ClickableLabel::clicked, m_filled, &QCheckBox::click);
    yes->setBuddy(m_filled);
    auto* row = new QHBoxLayout;
    row->addWidget(m_filled);
    row->addWidget(yes);
    row->addStretch(1);
    contentLayout()->addLayout(row);
    contentLayout()->addStretch(1);
    m_filled->setFocus();
}

void ChooseSquaresOption::confirm() {
    m_context.request.FirstSquareFilled = m_filled->isChecked();
    openNext();
}

} // namespace abacore
