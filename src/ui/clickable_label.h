#pragma once
// A label that reports clicks, for the captions beside check boxes: clicking the caption
// toggles its box, as users expect.

#include <QLabel>

namespace abacore {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace abacore
