#pragma once
// The range screen: the smallest and largest value of each of the two numbers of a problem,
// typed into four boxes or set with their arrows. Each box is checked when it loses the focus
// and before its arrows step, and all four again on "Continue".

#include "ui/wizard_screen.h"
#include "wizard/range_rules.h"

#include <array>

namespace abacore {

class NumberBox;

class ChooseMinMax : public WizardScreen {
    Q_OBJECT
public:
    explicit ChooseMinMax(AppContext& context, QWidget* parent = nullptr);

protected:
    void confirm() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // When a box is checked: the focus left it for another control, its arrows are about to
    // step, or "Continue" was pressed while it was being edited.
    enum class BoxCheck { Leaving, WithinPair, OnContinue };
    // Runs the check of box `index`; true when it showed a message.
    bool checkBox(int index, BoxCheck when);
    // Shows a problem, and for an invalid entry empties the box and hands it the focus.
    void report(const RangeProblem& problem);
    int indexOf(const QObject* control) const;
    RangeBoxes readBoxes() const;
    void writeBoxes(const RangeBoxes& boxes);

    std::array<NumberBox*, 4> m_values{};
    std::array<int, 4> m_lowest{};
    // Set while a check runs: the focus moves it causes (a message box, the focus handed back)
    // must not start further checks.
    bool m_checking = false;
};

} // namespace abacore
