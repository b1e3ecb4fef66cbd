#include "ui/keyboard_access.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QFocusFrame>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QToolButton>
#include <optional>

namespace abacore {

namespace {

constexpr int kRingMargin = 4;

// A picture of the style's that is asked for only when it is first drawn. A toolbar makes its
// overflow button's picture when it is made, which reads picture files through every picture
// format's plugin; the button shows only when the toolbar does not fit, which the main menu's
// never does, so its start need not wait for that.
class StyleIconOnDemand final : public QIconEngine {
public:
    StyleIconOnDemand(const QStyle* style, QStyle::StandardPixmap picture,
                      Qt::LayoutDirection direction)
        : m_style(style), m_picture(picture) {
        m_option.direction = direction;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // The size asked for is in device pixels already; the icon's own call scales it again.
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("StyleIconOnDemand"); }
    QIconEngine* clone() const override {
        auto* copy = new StyleIconOnDemand(m_style, m_picture, m_option.direction);
        copy->m_icon = m_icon;
        return copy;
    }

private:
    const QIcon& icon() {
        if (!m_icon)
            m_icon = (m_style ? m_style.data() : QApplication::style())
                         ->standardIcon(m_picture, &m_option);
        return *m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_picture;
    QStyleOption m_option; // only its direction, which picks the picture
    std::optional<QIcon> m_icon;
};

class FocusRingStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (picture == SP_ToolBarHorizontalExtensionButton ||
            picture == SP_ToolBarVerticalExtensionButton)
            return QIcon(new StyleIconOnDemand(baseStyle(), picture,
                                               option ? option->direction
                                                      : QGuiApplication::layoutDirection()));
        return QProxyStyle::standardIcon(picture, option, widget);
    }
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

// Readers on this platform are handed a list's current entry as its name ("Times New Roman"
// for the font list); here its name says what it sets and its entry stays its value. Qt has no
// value or selection to carry that entry to readers here, so the list also offers it as its
// (read-only) text, which is what they read of a list that has focus.
class NamedList final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return entry().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(entry().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }
    int childCount() const override { return list()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    QString entry() const { return list()->currentText(); }
};

// A plain frame only draws a backdrop or a border round other controls; as Qt's "border" it
// reaches readers as an unnamed window inside the window. It is layout, as a plain widget is,
// which readers pass over in silence: nor does it take the title of a box it stands in.
class LayoutFrame final : public QAccessibleWidget {
public:
    explicit LayoutFrame(QWidget* frame) : QAccessibleWidget(frame, QAccessible::Client) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* OwnInterfaces(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // Plain widgets made windows report the role "client", which readers do not announce.
    if (widget && widget->isWindow() && className == QLatin1String("QWidget"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (widget && !widget->isWindow() && className == QLatin1String("QFrame"))
        return new LayoutFrame(widget);
    if (className == QLatin1String("QComboBox"))
        if (auto* list = qobject_cast<QComboBox*>(object))
            return new NamedList(list);
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
    QAccessible::installFactory(OwnInterfaces);
}

} // namespace abacore
