#pragma once
// The count screen: how many problems (or squares) the document holds, within the activity's
// limit. Its "Continue" starts the document.

#include "ui/wizard_screen.h"

class QLineEdit;

namespace abacore {

class ChooseHowMany : public WizardScreen {
    Q_OBJECT
public:
    explicit ChooseHowMany(AppContext& context, QWidget* parent = nullptr);

protected:
    void confirm() override;

private:
    QLineEdit* m_count = nullptr;
};

} // namespace abacore
