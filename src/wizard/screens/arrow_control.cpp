#include "wizard/screens/arrow_control.h"

#include <QWheelEvent>

namespace abacore {

ArrowControl::ArrowControl(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    // The highest value at the top.
    setInvertedAppearance(true);
    setSingleStep(1);
    setPageStep(10);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &ArrowControl::turnAround);
}

void ArrowControl::turnAround(int action) {
    // The arrows and the clicks beside the handle keep their places on screen whatever the
    // appearance, so their steps are reversed here, before the new value is applied.
    switch (action) {
    case SliderSingleStepAdd:
        setSliderPosition(value() - singleStep());
        break;
    case SliderSingleStepSub:
        setSliderPosition(value() + singleStep());
        break;
    case SliderPageStepAdd:
        setSliderPosition(value() - pageStep());
        break;
    case SliderPageStepSub:
        setSliderPosition(value() + pageStep());
        break;
    default:
        break;
    }
}

void ArrowControl::wheelEvent(QWheelEvent* event) {
    // Turning the wheel away from the user raises the value, like the upper arrow.
    QWheelEvent turned(event->position(), event->globalPosition(), -event->pixelDelta(),
                       -event->angleDelta(), event->buttons(), event->modifiers(), event->phase(),
                       event->inverted(), event->source());
    QScrollBar::wheelEvent(&turned);
    event->setAccepted(turned.isAccepted());
}

} // namespace abacore
