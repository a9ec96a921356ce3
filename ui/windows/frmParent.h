#pragma once

#include "ChildWindow.h"
#include "ShellServices.h"
#include "core/GpsLog.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <optional>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QStyle;

namespace pellucors {

class frmAbout;
class frmDataDisplay;
class frmGPS_ErrorCal;
class frmGroundStationCal;

// The main window: the workspace with the three child windows, the menu bar,
// the rule that a Window item is checked exactly when its window is shown,
// and shut-down.
class frmParent final : public QMainWindow {
    Q_OBJECT
public:
    // Loads the three child windows, each at its home position, and the log.
    explicit frmParent(ShellServices& services);

    // The child windows live until ShutDown.
    frmGPS_ErrorCal& GpsErrorCal() const { return *m_gpsErrorCal; }
    frmGroundStationCal& GroundStationCal() const { return *m_groundStationCal; }
    frmDataDisplay& DataDisplay() const { return *m_dataDisplay; }
    // The GPS log, into the data window's list.
    GpsLog& Log() { return *m_log; }
    QMdiSubWindow* SubWindow(ChildWindow window) const;
    QAction* MenuItem(ChildWindow window) const { return m_windowItems[Index(window)]; }
    // Null until Help > About, and again after its close box.
    frmAbout* About() const;

    // The splash's timer: shows the main window and the child windows whose
    // items are checked, and activates the ground station calculator.
    void HandOver();

    // A child window's Close: hides it, then clears its item's check mark.
    void CloseChild(ChildWindow window);
    // Unloads About, the data window, both calculators and this window, in
    // that order, then ends the process. Nothing is saved.
    void ShutDown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateWorkspace();
    void CreateMenus();
    void CreateChildWindows();
    // Puts the window in the workspace at its home position; its Close
    // hides it and clears its mark.
    template <typename Form> void AddChild(ChildWindow window, Form* form);
    void ShowChild(ChildWindow window);
    // Hides the window; if it had the keyboard, another shown window gets it.
    void HideChild(ChildWindow window);
    void FillScreenIfNotMaximised();

    void mnuFilePrint_Click();
    void mnuWindowHome_Click();
    void mnuHelpAbout_Click();

    ShellServices& m_services;
    std::optional<GpsLog> m_log;
    QMdiArea* m_workspace = nullptr;
    QStyle* m_childStyle = nullptr; // the frames of the child windows
    std::array<QPointer<QMdiSubWindow>, 3> m_subWindows{};
    frmGPS_ErrorCal* m_gpsErrorCal = nullptr;
    frmGroundStationCal* m_groundStationCal = nullptr;
    frmDataDisplay* m_dataDisplay = nullptr;
    std::array<QAction*, 3> m_windowItems{};
    QPointer<frmAbout> m_about;
    QList<QAction*> m_menuShortcuts;
    bool m_shuttingDown = false;
};

} // namespace pellucors
