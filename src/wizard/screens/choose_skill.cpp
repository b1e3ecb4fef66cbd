#include "wizard/screens/choose_skill.h"

#include "core/worksheet_request.h"
#include "ui/clickable_label.h"
#include "ui/dialogs.h"
#include "wizard/skill_rules.h"
#include "wizard/skill_signs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace abacore {

namespace {

// The decoration beside a skill: its sign in a coloured disc.
QPixmap skillBadge(Skill skill, const QColor& colour) {
    const int side = 34;
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(1, 1, side - 2, side - 2);
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, -1, side, side), Qt::AlignCenter,
                     QString::fromStdString(SignText(skill)));
    return picture;
}

} // namespace

ChooseSkill::ChooseSkill(AppContext& context, QWidget* parent)
    : WizardScreen(context, Screen::ChooseSkill, SkillText::kCaption, QSize(480, 370), parent) {
    auto* prompt = new QLabel(SkillText::kPrompt);
    prompt->setObjectName("Label1");
    MakePromptLabel(prompt);
    contentLayout()->addWidget(prompt);
    contentLayout()->addSpacing(12);

    const std::array<QColor, 4> colours{QColor(0x2e7d32), QColor(0xc62828), QColor(0x1565c0),
                                        QColor(0x6a1b9a)};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    for (int i = 0; i < 4; ++i) {
        const auto skill = static_cast<Skill>(i + 1);
        auto* box = new QCheckBox;
        box->setObjectName(QString("Check1_%1").arg(i));
        auto* badge = new QLabel;
        badge->setObjectName(QString("Image%1").arg(i + 1));
        badge->setPixmap(skillBadge(skill, colours[static_cast<size_t>(i)]));
        auto* name = new ClickableLabel(SkillText::kNames[static_cast<size_t>(i)]);
        name->setObjectName(QString("Label2_%1").arg(i));
        QFont font = name->font();
        font.setPointSizeF(font.pointSizeF() * 1.15);
        name->setFont(font);
        name->setBuddy(box);
        box->setAccessibleName(name->text());
        grid->addWidget(box, i, 0);
        grid->addWidget(badge, i, 1);
        grid->addWidget(name, i, 2);
        m_boxes[static_cast<size_t>(i)] = box;

        // Any click on a box, ticking or unticking, makes "Continue" available.
        connect(box, &QCheckBox::clicked, this, [this] { continueButton()->setEnabled(true); });
        connect(name, &ClickableLabel::clicked, box, &QCheckBox::click);
    }
    grid->setColumnStretch(3, 1);
    contentLayout()->addLayout(grid);
    contentLayout()->addStretch(1);

    continueButton()->setEnabled(false);
    // The keyboard starts on the skills, not on "Go Back", where the prompt is heard too.
    m_boxes[0]->setAccessibleDescription(prompt->text());
    m_boxes[0]->setFocus();
}

void ChooseSkill::confirm() {
    WorksheetRequest& request = m_context.request;
    std::array<bool, 4> ticked{};
    for (size_t i = 0; i < 4; ++i)
        ticked[i] = m_boxes[i]->isChecked();
    if (!ApplySkillChoice(request, ticked)) {
        showMessage({SkillText::kNoSkillTitle, SkillText::kNoSkill});
        return;
    }
    if (AsksRemainders(request))
        request.AllowRemainders = m_context.dialogs.question(
            this, SkillText::kRemaindersTitle, SkillText::kRemainders, DefaultAnswer::Yes);
    if (AsksNegatives(request))
        request.AllowNegatives = m_context.dialogs.question(
            this, SkillText::kNegativesTitle, SkillText::kNegatives, DefaultAnswer::Yes);
    openNext();
}

} // namespace abacore
