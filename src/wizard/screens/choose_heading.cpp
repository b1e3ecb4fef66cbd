#include "wizard/screens/choose_heading.h"

#include "core/worksheet_request.h"
#include "wizard/heading_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace abacore {

ChooseHeading::ChooseHeading(AppContext& context, QWidget* parent)
    : WizardScreen(context, Screen::ChooseHeading, HeadingText::kCaption, QSize(520, 250), parent) {
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
    prompt->setBuddy(m_heading);
    contentLayout()->addWidget(m_heading);
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
    openNext();
}

} // namespace abacore
