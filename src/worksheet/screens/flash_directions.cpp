#include "worksheet/screens/flash_directions.h"

#include "worksheet/flash_directions_text.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace abacore {

FlashDirections::FlashDirections(AppContext& context, QWidget* parent)
    : WizardScreen(context, Screen::FlashDirections, FlashDirectionsText::kCaption, QSize(540, 285),
                   parent) {
    auto* title = new QLabel(FlashDirectionsText::kTitle);
    title->setObjectName("Label1");
    MakePromptLabel(title);
    contentLayout()->addWidget(title);
    contentLayout()->addSpacing(14);

    // Nothing here takes the focus but the buttons: "Continue", which has it, reads the steps.
    QStringList spoken{title->text()};
    int number = 2;
    for (const char* text : {FlashDirectionsText::kStepCut, FlashDirectionsText::kStepFold}) {
        auto* step = new QLabel(text);
        step->setObjectName(QString("Label%1").arg(number++));
        step->setWordWrap(true);
        QFont font = step->font();
        font.setPointSizeF(font.pointSizeF() * 1.15);
        step->setFont(font);
        spoken << step->text();
        contentLayout()->addWidget(step);
        contentLayout()->addSpacing(8);
    }
    contentLayout()->addStretch(1);
    continueButton()->setAccessibleDescription(spoken.join(QLatin1Char(' ')));
    continueButton()->setFocus();
}

void FlashDirections::confirm() {
    openNext();
}

} // namespace abacore
