#include "ui/screen_host.h"

#include <QCoreApplication>

namespace abacore {

ScreenHost::ScreenHost(WorksheetRequest& request, RandomSource& random, Dialogs& dialogs,
                       Factory factory, AboutBox about, PictureWindow picture)
    : m_context{request, random, dialogs, *this}, m_factory(std::move(factory)),
      m_about(std::move(about)), m_picture(std::move(picture)) {}

ScreenHost::~ScreenHost() {
    delete m_current;
}

void ScreenHost::open(Screen screen) {
    if (m_quitRequested)
        return;
    QWidget* next = windowFor(screen, m_current);
    if (!next || m_quitRequested) {
        delete next;
        return;
    }
    QWidget* previous = m_current;
    m_current = next;
    next->show();
    // The new screen takes the keyboard, so Return and Escape work at once.
    next->raise();
    next->activateWindow();
    // The previous screen is usually the one whose button handler called us: delete it later.
    if (previous) {
        previous->hide();
        previous->deleteLater();
    }
}

QWidget* ScreenHost::windowFor(Screen screen, QWidget* current) {
    return m_factory(screen, m_context, current);
}

void ScreenHost::showAbout(QWidget* parent) {
    if (m_about)
        m_about(m_context, parent);
}

void ScreenHost::choosePicture(QWidget* opener, PictureReceiver receiver) {
    if (m_picture)
        m_picture(m_context, opener, std::move(receiver));
}

void ScreenHost::quit() {
    m_quitRequested = true;
    // Before the event loop runs this does nothing; main() checks quitRequested() instead.
    QCoreApplication::exit(0);
}

} // namespace abacore
