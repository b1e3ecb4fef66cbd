#include "wizard/screens/problem_choices_panel.h"

#include "wizard/choice_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace abacore {

namespace {

constexpr int kAnswerBound = 999'999'999;

QLabel* label(const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    l->setBuddy(buddy);
    return l;
}

} // namespace

ProblemChoicesPanel::ProblemChoicesPanel(WorksheetRequest& request, QWidget* parent)
    : QWidget(parent), m_request(request) {
    setObjectName("ProblemChoices");
    // Readers say the group's name as the focus enters it from the ranges above.
    setAccessibleName("Problem choices");
    DropChoicesNotOffered(m_request);
    const ChoicesOffered offered = ChoicesFor(m_request);
    const ProblemChoices chosen = m_request.Choices;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(6);
    int row = 0;

    m_regrouping = new QComboBox;
    m_regrouping->setObjectName("Regrouping");
    m_regrouping->addItems({"Any problems", "Never carry or borrow", "Always carry or borrow"});
    m_regrouping->setCurrentIndex(static_cast<int>(chosen.regrouping));
    m_regrouping->setAccessibleName("Regrouping");
    m_regrouping->setAccessibleDescription("Whether the problems need carrying or borrowing");
    auto* regroupingLabel = label("&Regrouping:", m_regrouping);
    grid->addWidget(regroupingLabel, row, 0);
    grid->addWidget(m_regrouping, row++, 1, Qt::AlignLeft);
    regroupingLabel->setVisible(offered.regrouping);
    m_regrouping->setVisible(offered.regrouping);

    m_answerLimit = new QCheckBox("&Answers from");
    m_answerLimit->setObjectName("AnswerLimit");
    m_answerLimit->setChecked(chosen.answerLimit);
    m_answerLimit->setAccessibleName("Limit the answers");
    m_answerLimit->setAccessibleDescription(
        "When ticked, every answer lies between the lowest and the highest answer that follow");
    m_answerMin = new QSpinBox;
    m_answerMax = new QSpinBox;
    m_answerMin->setObjectName("AnswerMin");
    m_answerMax->setObjectName("AnswerMax");
    m_answerMin->setAccessibleName("Lowest answer");
    m_answerMax->setAccessibleName("Highest answer");
    for (QSpinBox* box : {m_answerMin, m_answerMax}) {
        box->setRange(-kAnswerBound, kAnswerBound);
        box->setAccessibleDescription("Used when Limit the answers is ticked");
    }
    m_answerMin->setValue(chosen.answerLimit ? static_cast<int>(chosen.answerMin) : 0);
    m_answerMax->setValue(chosen.answerLimit ? static_cast<int>(chosen.answerMax) : 20);
    auto* answers = new QHBoxLayout;
    answers->addWidget(m_answerMin);
    answers->addWidget(new QLabel("to"));
    answers->addWidget(m_answerMax);
    answers->addStretch(1);
    grid->addWidget(m_answerLimit, row, 0);
    grid->addLayout(answers, row++, 1);

    auto* facts = new QGridLayout; // the twelve tables in two rows of six
    facts->setHorizontalSpacing(8);
    for (int k = 1; k <= 12; ++k) {
        auto* box = new QCheckBox(QString::number(k));
        box->setObjectName(QString("Fact_%1").arg(k));
        box->setAccessibleName(QString("Facts of %1").arg(k));
        box->setChecked((chosen.facts & (1u << (k - 1))) != 0);
        m_facts[static_cast<size_t>(k - 1)] = box;
        facts->addWidget(box, (k - 1) / 6, (k - 1) % 6);
        connect(box, &QCheckBox::toggled, this, &ProblemChoicesPanel::store);
    }
    auto* factsLabel = new QLabel("Facts:");
    factsLabel->setToolTip("The second number of a multiplication and the divisor of a "
                           "division come from the ticked numbers (none ticked: any).");
    // Heard when the first box takes the focus; a tooltip on a label reaches no reader.
    m_facts[0]->setAccessibleDescription(factsLabel->toolTip());
    grid->addWidget(factsLabel, row, 0, Qt::AlignTop);
    grid->addLayout(facts, row++, 1, Qt::AlignLeft);
    factsLabel->setVisible(offered.facts);
    for (QCheckBox* box : m_facts)
        box->setVisible(offered.facts);

    m_noRepeats = new QCheckBox("&No problem twice on a sheet");
    m_noRepeats->setObjectName("NoRepeats");
    m_noRepeats->setChecked(chosen.noRepeats);
    m_noRepeats->setAccessibleName("No repeated problems");
    m_noRepeats->setAccessibleDescription(m_noRepeats->text().remove('&'));
    grid->addWidget(m_noRepeats, row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setVisible(offered.any);

    connect(m_regrouping, &QComboBox::currentIndexChanged, this, &ProblemChoicesPanel::store);
    connect(m_answerLimit, &QCheckBox::toggled, this, &ProblemChoicesPanel::store);
    connect(m_noRepeats, &QCheckBox::toggled, this, &ProblemChoicesPanel::store);
    // The lowest answer never passes the highest: each box holds the other back.
    connect(m_answerMin, &QSpinBox::valueChanged, this, [this](int v) {
        m_answerMax->setMinimum(v);
        store();
    });
    connect(m_answerMax, &QSpinBox::valueChanged, this, [this](int v) {
        m_answerMin->setMaximum(v);
        store();
    });
    m_answerMax->setMinimum(m_answerMin->value());
    m_answerMin->setMaximum(m_answerMax->value());
    // The answers' numbers take effect only when ticked, so they are greyed until then.
    const auto followTick = [this](bool on) {
        m_answerMin->setEnabled(on);
        m_answerMax->setEnabled(on);
    };
    connect(m_answerLimit, &QCheckBox::toggled, this, followTick);
    followTick(m_answerLimit->isChecked());
}

void ProblemChoicesPanel::store() {
    ProblemChoices& c = m_request.Choices;
    c.regrouping = static_cast<Regrouping>(m_regrouping->currentIndex());
    c.answerLimit = m_answerLimit->isChecked();
    c.answerMin = c.answerLimit ? m_answerMin->value() : 0;
    c.answerMax = c.answerLimit ? m_answerMax->value() : 0;
    c.facts = 0;
    for (size_t k = 0; k < m_facts.size(); ++k)
        if (m_facts[k]->isChecked())
            c.facts = static_cast<uint16_t>(c.facts | (1u << k));
    c.noRepeats = m_noRepeats->isChecked();
    DropChoicesNotOffered(m_request);
}

} // namespace abacore
