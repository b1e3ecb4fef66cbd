#include "wizard/screens/choose_style.h"

#include "core/worksheet_request.h"
#include "ui/clickable_label.h"
#include "wizard/style_rules.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace abacore {

namespace {

constexpr int kBracketStyle = 0;
constexpr int kVerticalStyle = 2;
constexpr int kMissingStyle = 3;
constexpr QSize kSampleAreaSize(150, 64);

QFrame* makeRule(QWidget* parent, const QString& name) {
    auto* rule = new QFrame(parent);
    rule->setObjectName(name);
    rule->setFrameShape(QFrame::NoFrame);
    // Drawn as the text is: it stands under the numbers as a stroke of the pen.
    rule->setAutoFillBackground(true);
    rule->setBackgroundRole(QPalette::WindowText);
    rule->hide();
    return rule;
}

} // namespace

ChooseStyle::ChooseStyle(AppContext& context, QWidget* parent)
    : WizardScreen(context, Screen::ChooseStyle, StyleText::kCaption, QSize(500, 470), parent) {
    auto* prompt = new QLabel(StyleText::kPrompt);
    prompt->setObjectName("Label1");
    MakePromptLabel(prompt);
    contentLayout()->addWidget(prompt);
    contentLayout()->addSpacing(8);

    const StyleSamples samples = SampleTexts(context.request);
    const std::array<QString, 4> sampleTexts{
        QString::fromStdString(samples.bracketed), QString::fromStdString(samples.horizontal),
        QString::fromStdString(samples.vertical), QString::fromStdString(samples.missing)};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < 4; ++i) {
        const auto index = static_cast<size_t>(i);
        auto* box = new QCheckBox;
        box->setObjectName(QString("StyleCheck_%1").arg(i));
        auto* name = new ClickableLabel(StyleText::kNames[index]);
        name->setObjectName(QString("Label%1").arg(i + 2));
        QFont font = name->font();
        font.setPointSizeF(font.pointSizeF() * 1.15);
        name->setFont(font);
        name->setBuddy(box);
        box->setAccessibleName(name->text());
        grid->addWidget(box, i, 0);
        grid->addWidget(name, i, 1);
        QWidget* sampleArea = makeSampleArea(i, sampleTexts[index]);
        grid->addWidget(sampleArea, i, 2);
        m_boxes[index] = box;
        connect(box, &QCheckBox::clicked, this, [this, i] { boxClicked(i); });
        connect(name, &ClickableLabel::clicked, box, &QCheckBox::click);
        if ((i == kBracketStyle && !OffersBracket(context.request)) ||
            (i == kMissingStyle && !OffersMissing(context.request))) {
            box->hide();
            name->hide();
            sampleArea->hide();
        }
    }
    grid->setColumnStretch(3, 1);
    contentLayout()->addLayout(grid);
    contentLayout()->addStretch(1);

    continueButton()->setEnabled(false);
    // The keyboard starts on the first style on offer, not on "Go Back", where the prompt is
    // heard too.
    QCheckBox* first = m_boxes[OffersBracket(context.request) ? 0 : 1];
    first->setAccessibleDescription(prompt->text());
    first->setFocus();
}

QWidget* ChooseStyle::makeSampleArea(int index, const QString& text) {
    auto* area = new QWidget;
    area->setFixedSize(kSampleAreaSize);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(15);
    font.setBold(true);
    const QFontMetrics metrics(font);

    auto* sample = new QLabel(text, area);
    sample->setObjectName(QString("StyleLabel_%1").arg(index));
    sample->setFont(font);
    sample->hide();
    m_samples[static_cast<size_t>(index)] = sample;

    const int top = 6;
    if (index == kVerticalStyle) {
        // Narrow on purpose: the sample wraps into the first number above the sign and the
        // second number, as the problem is printed.
        const int width = metrics.horizontalAdvance("+ 3") + 4;
        sample->setWordWrap(true);
        sample->setAlignment(Qt::AlignRight | Qt::AlignTop);
        sample->setGeometry(4, 0, width, 2 * metrics.lineSpacing() + 2);
        m_verticalRule = makeRule(area, "Line1");
        m_verticalRule->setGeometry(2, sample->geometry().bottom() + 2, width + 6, 2);
    } else {
        sample->setGeometry(4, top, kSampleAreaSize.width() - 8, metrics.height() + 4);
        if (index == kBracketStyle) {
            // The bar of the long-division bracket runs over the dividend.
            m_bracketBar = makeRule(area, "Line2");
            const int left = 4 + metrics.horizontalAdvance(text.left(text.indexOf(')') + 1));
            const int right = 4 + metrics.horizontalAdvance(text) + 4;
            m_bracketBar->setGeometry(left, top + 2, right - left, 2);
        }
    }
    return area;
}

void ChooseStyle::boxClicked(int index) {
    const auto i = static_cast<size_t>(index);
    m_samples[i]->setVisible(m_boxes[i]->isChecked());
    bool anyTicked = false;
    for (QCheckBox* box : m_boxes)
        anyTicked = anyTicked || box->isChecked();
    continueButton()->setEnabled(anyTicked);
    m_bracketBar->setVisible(m_boxes[kBracketStyle]->isChecked());
    m_verticalRule->setVisible(m_boxes[kVerticalStyle]->isChecked());
}

void ChooseStyle::confirm() {
    WorksheetRequest& request = m_context.request;
    request.ProblemStyle = ProblemStyleOf({m_boxes[0]->isChecked(), m_boxes[1]->isChecked(),
                                           m_boxes[2]->isChecked(), m_boxes[3]->isChecked()});
    if (const auto refusal = StyleRefusal(request, request.ProblemStyle)) {
        showMessage({StyleText::kRefusalTitle, *refusal});
        return;
    }
    openNext();
}

} // namespace abacore
