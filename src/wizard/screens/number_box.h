#pragma once
// A number box with its own up and down arrows: one control for the keyboard and for screen
// readers. It keeps its text as typed (the range screen checks and rewrites it itself) and,
// beside it, the position its arrows step from; before each step the screen may check the typed
// text and move that position, or refuse the step.

#include <QAbstractSpinBox>
#include <functional>

namespace abacore {

class NumberBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr);

    void setRange(int lowest, int highest);
    int position() const { return m_position; }
    void setPosition(int position);
    void setText(const QString& text);
    // Run before each step; false refuses it.
    void setStepCheck(std::function<bool()> check) { m_check = std::move(check); }

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    int m_lowest = 0;
    int m_highest = 0;
    int m_position = 0;
    std::function<bool()> m_check;
};

} // namespace abacore
