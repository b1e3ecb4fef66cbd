#pragma once
// The skill screen: which of the four skills to practise, then the remainder and negative-answer
// questions that the chosen skills and the activity call for.

#include "ui/wizard_screen.h"

#include <array>

class QCheckBox;

namespace abacore {

class ChooseSkill : public WizardScreen {
    Q_OBJECT
public:
    explicit ChooseSkill(AppContext& context, QWidget* parent = nullptr);

protected:
    void confirm() override;

private:
    std::array<QCheckBox*, 4> m_boxes{};
};

} // namespace abacore
