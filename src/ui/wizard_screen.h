#pragma once
// What the eight wizard screens (five here, three activities' own) share: the background picture, a
// fixed size centred on the screen, a light panel that keeps the controls readable over the
// picture, the "Continue" and "Go Back" buttons (Return and Escape from anywhere on the screen) and
// the way to the next or previous screen of the activity.

#include "core/screen.h"
#include "ui/app_context.h"
#include "wizard/wizard_message.h"

#include <QWidget>

class QPushButton;
class QVBoxLayout;

namespace abacore {

class WizardScreen : public QWidget {
    Q_OBJECT
protected:
    WizardScreen(AppContext& context, Screen self, const QString& caption, QSize size,
                 QWidget* parent);

    // The layout inside the panel, above the buttons, for the screen's own controls.
    QVBoxLayout* contentLayout() const { return m_content; }
    QPushButton* continueButton() const { return m_continue; }
    QPushButton* goBackButton() const { return m_goBack; }

    virtual void confirm() = 0;
    // Opens the activity's next or previous screen; the navigator closes this one, so nothing
    // may touch the window afterwards.
    void openNext();
    void openPrevious();
    void showMessage(const WizardMessage& message);

    void keyPressEvent(QKeyEvent* event) override;

    AppContext& m_context;

private:
    Screen m_self;
    QVBoxLayout* m_content = nullptr;
    QPushButton* m_continue = nullptr;
    QPushButton* m_goBack = nullptr;
};

// A bold heading line for the top of a screen's panel.
void MakePromptLabel(QWidget* label);

} // namespace abacore
