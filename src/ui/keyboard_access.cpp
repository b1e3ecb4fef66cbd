#include "ui/keyboard_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QToolButton>

namespace abacore {

namespace {

constexpr int kRingMargin = 4;

class FocusRingStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return kRingMargin;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_FocusFrame_AboveWidget)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element != CE_FocusFrame) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // A light band outside a dark one, two pixels each: whatever lies under it, one of
        // them stands out at 3:1 or more.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        const QRect outer = option->rect.adjusted(0, 0, -1, -1);
        const QColor light(255, 255, 255);
        const QColor dark(0x1a, 0x23, 0x7e);
        for (int i = 0; i < kRingMargin; ++i) {
            painter->setPen(i < kRingMargin / 2 ? light : dark);
            painter->drawRect(outer.adjusted(i, i, -i, -i));
        }
        painter->restore();
    }
};

// Keeps one focus frame on the widget with the keyboard focus, whichever window it is in.
class FocusRing final : public QObject {
public:
    explicit FocusRing(QApplication& app) : QObject(&app) {
        connect(&app, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* now) { follow(now); });
    }

private:
    void follow(QWidget* now) {
        if (!now || now->isWindow()) {
            if (m_frame)
                m_frame->setWidget(nullptr);
            return;
        }
        // The frame lives in a window and goes with it; a new one is made when it went.
        if (!m_frame)
            m_frame = new QFocusFrame(now->window());
        m_frame->setWidget(now);
        m_frame->show();
    }

    QPointer<QFocusFrame> m_frame;
};

// Return presses a focused tool button, as it presses every other button; Qt's tool buttons
// answer Space only.
class ReturnPressesToolButtons final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QToolButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!button || !button->hasFocus() || key->modifiers() & ~Qt::KeypadModifier ||
            (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return false;
        if (button->isEnabled() && !key->isAutoRepeat())
            button->click();
        return true;
    }
};

// Plain widgets made windows report the role "client", which readers do not announce.
QAccessibleInterface* WindowRole(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && className == QLatin1String("QWidget"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void SetUpKeyboardAccess(QApplication& app) {
    static bool done = false;
    if (done)
        return;
    done = true;
    // Over the style in use: the desktop's, or the one named by -style.
    QApplication::setStyle(new FocusRingStyle(QApplication::style()->name()));
    new FocusRing(app);
    app.installEventFilter(new ReturnPressesToolButtons(&app));
    QAccessible::installFactory(WindowRole);
}

} // namespace abacore
