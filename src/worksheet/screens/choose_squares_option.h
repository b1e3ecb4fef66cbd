#pragma once
// The math squares' option screen, after the count: whether every square shows its top-left
// number. Its "Continue" starts the document; its "Go Back" skips the count.

#include "ui/wizard_screen.h"

class QCheckBox;

namespace abacore {

class ChooseSquaresOption : public WizardScreen {
    Q_OBJECT
public:
    explicit ChooseSquaresOption(AppContext& context, QWidget* parent = nullptr);

protected:
    void confirm() override;

private:
    QCheckBox* m_filled = nullptr;
};

} // namespace abacore
