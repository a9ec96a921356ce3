#pragma once

#include "ChildWindow.h"
#include "core/NumericInput.h"
#include "print/GpsDataPrintout.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QStyle;

namespace pellucors {

class AccessKeys;
class AppInfoService;
class GpsLog;
class MessageService;
class frmAbout;
class frmDataDisplay;
class frmGPS_ErrorCal;
class frmGroundStationCal;

// What the shell needs from the world outside its windows.
struct ShellServices {
    MessageService& messages;
    const AppInfoService& appInfo;
    PrinterFactory makePrinter;
    RegionalSeparators separators;
    // Ends the process (exit status 0) once the windows are unloaded.
    std::function<void()> endProcess;
};

// The main window: the workspace with the three child windows, the menu bar,
// the rule that a Window item is checked exactly when its window is shown,
// and shut-down.
class frmParent final : public QMainWindow, public WindowShell {
    Q_OBJECT
public:
    frmParent(ShellServices& services, GpsLog& log);
    ~frmParent() override;

    // Each child window is loaded on first use and lives until ShutDown.
    frmGPS_ErrorCal& GpsErrorCal();
    frmGroundStationCal& GroundStationCal();
    frmDataDisplay& DataDisplay();
    QMdiSubWindow* SubWindow(ChildWindow window) const;
    QAction* MenuItem(ChildWindow window) const;
    // Null until Help > About, and again after its close box.
    frmAbout* About() const;

    // The splash's timer: shows the main window and the child windows whose
    // items are checked, and activates the ground station calculator.
    void HandOver();

    void CloseChild(ChildWindow window) override;
    void ToggleChild(ChildWindow window) override;
    // Unloads About, the data window, both calculators and this window, in
    // that order, then ends the process. Nothing is saved.
    void ShutDown() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    QMdiSubWindow* AddChild(ChildWindow window, QWidget* form, QPoint homeTwips);
    void ShowChild(ChildWindow window);
    // Hides the window; if it had the keyboard, another shown window gets it.
    void HideChild(ChildWindow window);
    void FillScreenIfNotMaximised();

    void mnuFilePrint_Click();
    void mnuWindowHome_Click();
    void mnuHelpAbout_Click();

    ShellServices& m_services;
    GpsLog& m_log;
    QMdiArea* m_workspace;
    std::unique_ptr<QStyle> m_childStyle;
    AccessKeys* m_accessKeys; // Alt and a letter, in every window
    std::array<QPointer<QMdiSubWindow>, 3> m_subWindows{};
    std::array<QAction*, 3> m_windowItems{};
    QPointer<frmAbout> m_about;
    QList<QAction*> m_menuShortcuts;
    bool m_shuttingDown = false;
};

} // namespace pellucors
