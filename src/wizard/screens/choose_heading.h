#pragma once
// The heading screen: a heading for the document, offered from the skill and the activity.

#include "ui/wizard_screen.h"

class QCheckBox;
class QLineEdit;

namespace abacore {

class ChooseHeading : public WizardScreen {
    Q_OBJECT
public:
    explicit ChooseHeading(AppContext& context, QWidget* parent = nullptr);

protected:
    void confirm() override;

private:
    QLineEdit* m_heading = nullptr;
    QCheckBox* m_largePrint = nullptr;
    QCheckBox* m_sheetCode = nullptr;
};

} // namespace abacore
