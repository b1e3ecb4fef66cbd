#pragma once
// The small up/down arrow control beside a number box: a vertical scroll bar whose upper arrow
// raises the value by one and whose lower arrow lowers it (a plain scroll bar does the
// opposite, since its value grows downwards).

#include <QScrollBar>

namespace abacore {

class ArrowControl : public QScrollBar {
    Q_OBJECT
public:
    explicit ArrowControl(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void turnAround(int action);
};

} // namespace abacore
