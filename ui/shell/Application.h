#pragma once

#include "OpenMessageBoxes.h"
#include "ui/windows/ShellServices.h"

#include <QPointer>

namespace pellucors {

class GpsLog;
class frmParent;
class frmSplash;

// The program's lifetime: the GPS log and the windows, started by Main.
class Application {
public:
    explicit Application(ShellServices services);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Loads the main window and its three child windows and shows the splash,
    // whose timer later runs HandOver.
    void Main();
    // Unloads the splash and hands over to the main window; while a message
    // box is open, as soon as the handler that opened it has returned.
    void HandOver();

    // The main window's, while it is loaded.
    GpsLog& Log();
    // Null after ShutDown has unloaded them.
    frmParent* Parent() const;
    frmSplash* Splash() const;

private:
    OpenMessageBoxes m_messageBoxes; // every box of the program goes through it
    ShellServices m_services;
    QPointer<frmParent> m_parent;
    QPointer<frmSplash> m_splash;
};

} // namespace pellucors
