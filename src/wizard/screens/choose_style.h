#pragma once
// The style screen: the layouts the problems are printed in, each with a live sample.

#include "ui/wizard_screen.h"

#include <array>

class QCheckBox;
class QFrame;
class QLabel;

namespace abacore {

class ChooseStyle : public WizardScreen {
    Q_OBJECT
public:
    explicit ChooseStyle(AppContext& context, QWidget* parent = nullptr);

protected:
    void confirm() override;

private:
    void boxClicked(int index);
    QWidget* makeSampleArea(int index, const QString& text);

    std::array<QCheckBox*, 4> m_boxes{};
    std::array<QLabel*, 4> m_samples{};
    QFrame* m_bracketBar = nullptr;   // over the bracketed sample
    QFrame* m_verticalRule = nullptr; // under the vertical sample
};

} // namespace abacore
