#include "Application.h"

#include "ui/windows/frmDataDisplay.h"
#include "ui/windows/frmParent.h"
#include "ui/windows/frmSplash.h"

#include <QTimer>

namespace pellucors {

namespace {
ShellServices WithMessages(ShellServices services, MessageService& messages) {
    return {messages, services.appInfo, std::move(services.makePrinter),
            std::move(services.separators), std::move(services.endProcess)};
}
} // namespace

Application::Application(ShellServices services)
    : m_messageBoxes(services.messages),
      m_services(WithMessages(std::move(services), m_messageBoxes)) {}

Application::~Application() {
    delete m_splash;
    delete m_parent;
}

GpsLog& Application::Log() {
    return m_parent->Log();
}

frmParent* Application::Parent() const {
    return m_parent;
}

frmSplash* Application::Splash() const {
    return m_splash;
}

void Application::Main() {
    m_parent = new frmParent(m_services);
    m_parent->showMaximized();
    m_splash = new frmSplash(m_services.appInfo);
    QObject::connect(m_splash, &frmSplash::HandOverDue, m_splash, [this] { HandOver(); });
    m_splash->show();
}

void Application::HandOver() {
    // The splash's timer also fires inside a message box's event loop, in the
    // middle of a handler: the hand-over would move the keyboard under it.
    if (m_messageBoxes.AnyOpen()) {
        m_messageBoxes.WhenAllClosed([this] {
            // Posted, so it runs once that handler has returned (or, should
            // it open another box, comes back here to wait again).
            if (m_splash)
                QTimer::singleShot(0, m_splash, [this] { HandOver(); });
        });
        return;
    }
    if (m_splash) {
        m_splash->hide();
        m_splash->deleteLater(); // its own timer is what called us
    }
    if (m_parent)
        m_parent->HandOver();
}

} // namespace pellucors
