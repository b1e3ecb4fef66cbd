#pragma once
// The flash cards' directions, between the ranges and the count: how to make cards of the
// printed strips. Nothing to choose; "Continue" goes on to the count.

#include "ui/wizard_screen.h"

namespace abacore {

class FlashDirections : public WizardScreen {
    Q_OBJECT
public:
    explicit FlashDirections(AppContext& context, QWidget* parent = nullptr);

protected:
    void confirm() override;
};

} // namespace abacore
