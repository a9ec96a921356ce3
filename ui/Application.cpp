#include "Application.h"

#include "frmDataDisplay.h"
#include "frmSplash.h"

namespace pellucors {

Application::Application(ShellServices services)
    : m_services(std::move(services)),
      m_log(
          m_services.messages,
          [this]() -> ListService& { return m_parent->DataDisplay().GpsDataList(); },
          m_services.separators.decimal) {}

Application::~Application() {
    delete m_splash;
    delete m_parent;
}

frmSplash* Application::Splash() const {
    return m_splash;
}

void Application::Main() {
    m_parent = new frmParent(m_services, m_log);
    m_parent->showMaximized();
    m_parent->GpsErrorCal();
    m_parent->GroundStationCal();
    m_parent->DataDisplay();
    m_splash = new frmSplash(m_services.appInfo, [this] { HandOver(); });
    m_splash->show();
}

void Application::HandOver() {
    if (m_splash) {
        m_splash->hide();
        m_splash->deleteLater(); // its own timer is what called us
    }
    if (m_parent)
        m_parent->HandOver();
}

} // namespace pellucors
