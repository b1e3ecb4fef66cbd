#include "wizard/screens/choose_heading.h"

#include "core/worksheet_request.h"
#include "wizard/heading_rules.h"
#include "worksheet/large_print.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace abacore {

ChooseHeading::ChooseHeading(AppContext& context, QWidget* parent)
    : WizardScreen(context, Screen::ChooseHeading, HeadingText::kCaption, QSize(520, 280), parent) {
    auto* prompt = new QLabel(HeadingText::kPrompt);
    prompt->setObjectName("Label1");
    MakePromptLabel(prompt);
    contentLayout()->addWidget(prompt);
    contentLayout()->addSpacing(12);

    m_heading = new QLineEdit(QString::fromStdString(OpeningHeading(context.request)));
    m_heading->setObjectName("Text1");
    QFont headingFont = m_heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    m_heading->setFont(headingFont);
    m_heading->setAccessibleName(QStringLiteral("Worksheet heading"));
    m_heading->setAccessibleDescription(prompt->text());
    contentLayout()->addWidget(m_heading);
    contentLayout()->addSpacing(8);

    // Where the layout cannot grow the box stays unticked and off, and says why.
    const std::string_view refusal = NoLargePrintReason(context.request.ActivityType);
    m_largePrint = new QCheckBox(HeadingText::kLargePrint);
    m_largePrint->setObjectName("LargePrint");
    m_largePrint->setChecked(TypeScale(context.request) > 1);
    m_largePrint->setEnabled(refusal.empty());
    const QString help = refusal.empty()
                             ? QString(HeadingText::kLargePrintHelp)
                             : QString::fromUtf8(refusal.data(), qsizetype(refusal.size()));
    m_largePrint->setToolTip(help);
    m_largePrint->setAccessibleDescription(help);
    contentLayout()->addWidget(m_largePrint);
    if (!refusal.empty()) {
        auto* note = new QLabel(help);
        note->setObjectName("LargePrintNote");
        note->setWordWrap(true);
        contentLayout()->addWidget(note);
    }
    m_sheetCode = new QCheckBox(HeadingText::kSheetCode);
    m_sheetCode->setObjectName("SheetCode");
    m_sheetCode->setChecked(!context.request.NoSheetCode);
    m_sheetCode->setToolTip(HeadingText::kSheetCodeHelp);
    m_sheetCode->setAccessibleDescription(HeadingText::kSheetCodeHelp);
    contentLayout()->addWidget(m_sheetCode);
    contentLayout()->addStretch(1);
    m_heading->setFocus();
}

void ChooseHeading::confirm() {
    // Any text will do, an empty one too, within a length a page can show.
    const std::string heading = m_heading->text().toStdString();
    if (const auto refusal = HeadingRefusal(heading)) {
        showMessage(*refusal);
        return;
    }
    m_context.request.Heading = heading;
    m_context.request.LargePrint = m_largePrint->isChecked();
    m_context.request.NoSheetCode = !m_sheetCode->isChecked();
    openNext();
}

} // namespace abacore
