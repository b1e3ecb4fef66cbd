#pragma once
// Opens the program's screens one at a time: the next screen is shown before the current one
// closes, so the program never ends because its last window closed between two screens.

#include "ui/app_context.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace abacore {

class ScreenHost final : public Navigator {
public:
    // Makes the window of a screen; returns nullptr to stay on the current screen. It may
    // also return another screen's window (the range screen after impossible ranges).
    using Factory = std::function<QWidget*(Screen, AppContext&, QWidget* current)>;
    // Shows the About box over a window.
    using AboutBox = std::function<void(AppContext&, QWidget* parent)>;
    // Opens the picture window over a window.
    using PictureWindow = std::function<void(AppContext&, QWidget* opener, PictureReceiver)>;

    ScreenHost(WorksheetRequest& request, RandomSource& random, Dialogs& dialogs, Factory factory,
               AboutBox about = {}, PictureWindow picture = {});
    ~ScreenHost() override;

    void open(Screen screen) override;
    void quit() override;
    QWidget* windowFor(Screen screen, QWidget* current) override;
    void showAbout(QWidget* parent) override;
    void choosePicture(QWidget* opener, PictureReceiver receiver) override;

    bool quitRequested() const { return m_quitRequested; }
    QWidget* current() const { return m_current; }
    AppContext& context() { return m_context; }

private:
    AppContext m_context;
    Factory m_factory;
    AboutBox m_about;
    PictureWindow m_picture;
    QPointer<QWidget> m_current;
    bool m_quitRequested = false;
};

} // namespace abacore
