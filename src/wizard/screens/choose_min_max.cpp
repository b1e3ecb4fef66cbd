#include "wizard/screens/choose_min_max.h"

#include "core/worksheet_request.h"
#include "wizard/screens/number_box.h"
#include "wizard/screens/problem_choices_panel.h"

#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace abacore {

namespace {

QLabel* makeLabel(const QString& text, const QString& name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

} // namespace

ChooseMinMax::ChooseMinMax(AppContext& context, QWidget* parent)
    : WizardScreen(context, Screen::ChooseMinMax, RangeText::kCaption, QSize(560, 480), parent) {
    const RangeScreenSetup setup = RangeScreenOpening(context.request);
    m_lowest = setup.lowest;

    auto* prompt = makeLabel(RangeText::kPrompt, "Label5");
    prompt->setWordWrap(true);
    MakePromptLabel(prompt);
    contentLayout()->addWidget(prompt);
    contentLayout()->addSpacing(10);

    QFont numberFont = font();
    numberFont.setPointSizeF(numberFont.pointSizeF() * 1.2);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(makeLabel(RangeText::kMinimum, "Label1"), 0, 2, Qt::AlignCenter);
    grid->addWidget(makeLabel(RangeText::kMaximum, "Label2"), 0, 4, Qt::AlignCenter);

    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<size_t>(i);
        auto* box = new NumberBox;
        box->setObjectName(QString("NumValue_%1").arg(i));
        box->setFont(numberFont);
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(110);
        box->setRange(setup.lowest[index], kRangeCeiling);
        box->setPosition(setup.values[index]);
        box->setText(QString::number(setup.values[index]));
        m_values[index] = box;
        // "First number, minimum" and so on: the row and the column the box stands in.
        const char* column = i % 2 ? RangeText::kMaximum : RangeText::kMinimum;
        box->setAccessibleName(QStringLiteral("%1 number, %2")
                                   .arg(i < 2 ? "First" : "Second", QString(column).toLower()));
        // The first box, where the keyboard starts, also reads the screen's prompt.
        box->setAccessibleDescription((i == 0 ? prompt->text() + QLatin1Char(' ') : QString()) +
                                      QStringLiteral("Up and Down step the value"));
        grid->addWidget(box, 1 + i / 2, 2 + 2 * (i % 2));
        // A step starts from the value typed so far.
        box->setStepCheck([this, i] { return !checkBox(i, BoxCheck::WithinPair); });
        box->installEventFilter(this);
    }

    auto* typeLabel = makeLabel(QString::fromStdString(setup.sign), "TypeLabel");
    QFont signFont = numberFont;
    signFont.setPointSizeF(numberFont.pointSizeF() * 1.4);
    signFont.setBold(true);
    typeLabel->setFont(signFont);
    grid->addWidget(typeLabel, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    auto* through1 = makeLabel(RangeText::kThrough, "Label3");
    auto* through2 = makeLabel(RangeText::kThrough, "Label4");
    grid->addWidget(through1, 1, 3, Qt::AlignCenter);
    grid->addWidget(through2, 2, 3, Qt::AlignCenter);
    // The rule under the second number, as under a problem written in columns.
    auto* rule = new QFrame;
    rule->setObjectName("Line1");
    rule->setFixedHeight(2);
    // Drawn as the text is: it stands under the numbers as a stroke of the pen.
    rule->setAutoFillBackground(true);
    rule->setBackgroundRole(QPalette::WindowText);
    grid->addWidget(rule, 3, 1, 1, 4);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(5, 1);
    contentLayout()->addLayout(grid);
    contentLayout()->addSpacing(10);
    contentLayout()->addWidget(new ProblemChoicesPanel(context.request));
    contentLayout()->addStretch(1);

    if (!setup.secondRowShown) {
        for (QWidget* w :
             std::initializer_list<QWidget*>{typeLabel, m_values[2], m_values[3], through2, rule})
            w->hide();
    }
    setTabOrder(m_values[0], m_values[1]);
    setTabOrder(m_values[1], m_values[2]);
    setTabOrder(m_values[2], m_values[3]);
    // Clicking a button must not take the focus from a box: "Continue" checks the box itself,
    // and "Go Back" stores nothing, so it has nothing to check.
    continueButton()->setFocusPolicy(Qt::TabFocus);
    goBackButton()->setFocusPolicy(Qt::TabFocus);
    m_values[0]->setFocus();
}

bool ChooseMinMax::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_checking) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving the window or opening a box's context menu is not leaving the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (const int index = indexOf(watched); index >= 0)
                checkBox(index, BoxCheck::Leaving);
        }
    }
    return WizardScreen::eventFilter(watched, event);
}

int ChooseMinMax::indexOf(const QObject* control) const {
    for (int i = 0; i < 4; ++i)
        if (control == m_values[static_cast<size_t>(i)])
            return i;
    return -1;
}

RangeBoxes ChooseMinMax::readBoxes() const {
    RangeBoxes boxes;
    for (size_t i = 0; i < 4; ++i) {
        boxes.texts[i] = m_values[i]->text().toStdString();
        boxes.arrows[i] = m_values[i]->position();
    }
    boxes.lowest = m_lowest;
    return boxes;
}

void ChooseMinMax::writeBoxes(const RangeBoxes& boxes) {
    for (size_t i = 0; i < 4; ++i) {
        const QString text = QString::fromStdString(boxes.texts[i]);
        if (m_values[i]->text() != text)
            m_values[i]->setText(text);
        m_values[i]->setPosition(boxes.arrows[i]);
    }
}

bool ChooseMinMax::checkBox(int index, BoxCheck when) {
    m_checking = true;
    RangeBoxes boxes = readBoxes();
    const auto problem = when == BoxCheck::OnContinue   ? CheckEditedRangeBox(boxes, index)
                         : when == BoxCheck::WithinPair ? CheckRangeBoxInPair(boxes, index)
                                                        : CheckRangeBox(boxes, index);
    writeBoxes(boxes);
    if (problem)
        report(*problem);
    m_checking = false;
    return problem.has_value();
}

void ChooseMinMax::report(const RangeProblem& problem) {
    const bool wasChecking = m_checking;
    m_checking = true;
    showMessage(problem.message);
    if (problem.fault == RangeFault::InvalidEntry) {
        NumberBox* box = m_values[static_cast<size_t>(problem.box)];
        box->setText(QString());
        box->setFocus(Qt::OtherFocusReason);
    }
    m_checking = wasChecking;
}

void ChooseMinMax::confirm() {
    // Return does not move the focus, so the box being edited is checked here first.
    const int focused = indexOf(focusWidget());
    if (focused >= 0 && checkBox(focused, BoxCheck::OnContinue))
        return;
    std::array<double, 4> values{};
    if (const auto problem = CheckRangeTexts(readBoxes(), values)) {
        report(*problem);
        return;
    }
    WorksheetRequest& request = m_context.request;
    StoreRanges(request, values);
    if (const auto warning = RangeWarning(request))
        showMessage(*warning);
    openNext();
}

} // namespace abacore
