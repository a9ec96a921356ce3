#include "frmParent.h"

#include "frmAbout.h"
#include "frmDataDisplay.h"
#include "frmGPS_ErrorCal.h"
#include "frmGroundStationCal.h"
#include "platform/AppInfoService.h"
#include "ui/controls/ChildWindowStyle.h"
#include "ui/controls/FocusInView.h"
#include "ui/controls/KeyboardRules.h"
#include "ui/controls/Pictures.h"
#include "ui/controls/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>

namespace pellucors {

namespace {
// Where a child window stands when loaded and after Home Position, from the
// workspace's origin.
QPoint HomePosition(ChildWindow window) {
    const QPoint twips = window == ChildWindow::GpsErrorCal   ? frmGPS_ErrorCal::kHomeTwips
                         : window == ChildWindow::DataDisplay ? frmDataDisplay::kHomeTwips
                                                              : frmGroundStationCal::kHomeTwips;
    return TwipsPoint(twips.x(), twips.y());
}
} // namespace

frmParent::frmParent(ShellServices& services) : m_services(services) {
    setObjectName(QStringLiteral("frmParent"));
    setWindowTitle(QString::fromStdString(services.appInfo.Title()));
    setWindowIcon(WindowIcon());
    resize(TwipsSize(5490, 5265));
    CreateWorkspace();
    CreateMenus();
    CreateChildWindows();
    new KeyboardRules(*this, m_menuShortcuts);
}

void frmParent::CreateWorkspace() {
    m_workspace = new QMdiArea(this);
    m_workspace->setObjectName(QStringLiteral("workspace"));
    m_workspace->setBackground(palette().brush(QPalette::Dark));
    // A child window beyond a small workspace stays reachable, and so does
    // the control that has the keyboard.
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    new FocusInView(*m_workspace);
    // The workspace's child, made after the part that holds its windows: Qt
    // deletes the windows before the style of their frames.
    m_childStyle = new ChildWindowStyle;
    m_childStyle->setParent(m_workspace);
    setCentralWidget(m_workspace);
}

void frmParent::FillScreenIfNotMaximised() {
    // Where no window manager maximises (a bare X server) the window is still
    // at its stored size by now; a window manager has maximised it and keeps
    // the stored size for un-maximising. A window the user restored during
    // the splash is no longer maximised and keeps the size given.
    // A Wayland compositor always sizes a maximised window itself and cuts
    // off a program that gives it another size; nor does it tell the work
    // area, so a panel down the side would look like a window left unsized.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QScreen* screen = this->screen();
    if (screen && isMaximized() && frameGeometry().width() < screen->availableGeometry().width())
        setGeometry(screen->availableGeometry());
}

void frmParent::CreateMenus() {
    const auto item = [this](QMenu* menu, const char* name, const QString& caption,
                             const QKeySequence& shortcut) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        m_menuShortcuts.append(action);
        return action;
    };

    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(item(mnuFile, "mnuFilePrint", QStringLiteral("&Print"), QKeySequence("Ctrl+P")),
            &QAction::triggered, this, &frmParent::mnuFilePrint_Click);
    connect(item(mnuFile, "mnuFileExit", QStringLiteral("E&xit"), QKeySequence("Ctrl+X")),
            &QAction::triggered, this, &frmParent::ShutDown);

    QMenu* mnuWindow = menuBar()->addMenu(QStringLiteral("&Window"));
    mnuWindow->setObjectName(QStringLiteral("mnuWindow"));
    const auto toggle = [&](ChildWindow window, const char* name, const QString& caption,
                            const char* shortcut) {
        QAction* action = item(mnuWindow, name, caption, QKeySequence(shortcut));
        action->setCheckable(true);
        action->setChecked(true);
        m_windowItems[Index(window)] = action;
        connect(action, &QAction::triggered, this, [this, window](bool checked) {
            if (checked)
                ShowChild(window);
            else
                HideChild(window);
        });
    };
    toggle(ChildWindow::GpsErrorCal, "mnuWindowsGPSError",
           QStringLiteral("GPS &Error Calculator  On/Off"), "Ctrl+E");
    toggle(ChildWindow::GroundStationCal, "mnuWindowsGroundStations",
           QStringLiteral("GPS &Ground Stations On/Off"), "Ctrl+G");
    toggle(ChildWindow::DataDisplay, "mnuWindowDataDisplay", QStringLiteral("&Data Display On/Off"),
           "Ctrl+D");
    mnuWindow->addSeparator()->setObjectName(QStringLiteral("sep1"));
    connect(
        item(mnuWindow, "mnuWindowHome", QStringLiteral("&Home Position"), QKeySequence("Ctrl+H")),
        &QAction::triggered, this, &frmParent::mnuWindowHome_Click);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(item(mnuHelp, "mnuHelpAbout", QStringLiteral("&About"), QKeySequence("Ctrl+A")),
            &QAction::triggered, this, &frmParent::mnuHelpAbout_Click);
}

void frmParent::CreateChildWindows() {
    // The log writes into the data window's list, and the ground station
    // calculator into the log: each is made after what it uses.
    m_gpsErrorCal = new frmGPS_ErrorCal(m_services.messages, m_services.separators);
    m_dataDisplay = new frmDataDisplay(m_services.messages, m_services.makePrinter);
    m_log.emplace(m_services.messages, m_dataDisplay->GpsDataList(), m_services.separators.decimal);
    m_groundStationCal =
        new frmGroundStationCal(*m_log, m_services.messages, m_services.separators);
    connect(m_groundStationCal, &frmGroundStationCal::DataDisplayToggleRequested, this,
            [this] { MenuItem(ChildWindow::DataDisplay)->trigger(); });
    connect(m_groundStationCal, &frmGroundStationCal::ShutDownRequested, this,
            &frmParent::ShutDown);
    connect(m_dataDisplay, &frmDataDisplay::ListCleared, this,
            [this] { m_log->MarkListCleared(); });
    AddChild(ChildWindow::GpsErrorCal, m_gpsErrorCal);
    AddChild(ChildWindow::GroundStationCal, m_groundStationCal);
    AddChild(ChildWindow::DataDisplay, m_dataDisplay);
}

template <typename Form> void frmParent::AddChild(ChildWindow window, Form* form) {
    connect(form, &Form::CloseRequested, this, [this, window] { CloseChild(window); });
    // No system menu, close, minimise or maximise box: a child window is
    // hidden only by its Close button or its menu item, which keep the mark.
    auto* sub =
        new QMdiSubWindow(nullptr, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    sub->setObjectName(form->objectName() + QStringLiteral("Window"));
    sub->setWidget(form);
    sub->setWindowTitle(form->windowTitle());
    sub->setSystemMenu(nullptr);
    sub->setStyle(m_childStyle);
    sub->setOption(QMdiSubWindow::RubberBandResize, false);
    m_workspace->addSubWindow(sub);
    sub->adjustSize();
    sub->setFixedSize(sub->size());
    sub->move(HomePosition(window));
    sub->show();
    m_subWindows[Index(window)] = sub;
}

QMdiSubWindow* frmParent::SubWindow(ChildWindow window) const {
    return m_subWindows[Index(window)];
}

frmAbout* frmParent::About() const {
    return m_about;
}

void frmParent::ShowChild(ChildWindow window) {
    QMdiSubWindow* sub = SubWindow(window);
    sub->show();
    m_workspace->setActiveSubWindow(sub);
    sub->widget()->setFocus();
}

void frmParent::HandOver() {
    // The main window takes input during the splash: a user already typing
    // in the ground station calculator keeps the keyboard, cursor and
    // selection where they are, so no other window may take them meanwhile.
    QWidget* typing = focusWidget(); // also while another program is active
    const bool typingInCalculator = typing && GroundStationCal().isAncestorOf(typing);
    show();
    FillScreenIfNotMaximised();
    for (const ChildWindow window :
         {ChildWindow::GpsErrorCal, ChildWindow::GroundStationCal, ChildWindow::DataDisplay}) {
        // A window switched off during the splash stays off: mark and
        // visibility must agree.
        if (!MenuItem(window)->isChecked())
            continue;
        if (typingInCalculator)
            SubWindow(window)->show();
        else
            ShowChild(window);
    }
    if (MenuItem(ChildWindow::GroundStationCal)->isChecked()) {
        if (typingInCalculator) {
            m_workspace->setActiveSubWindow(SubWindow(ChildWindow::GroundStationCal));
        } else {
            ShowChild(ChildWindow::GroundStationCal);
            GroundStationCal().FirstInput()->setFocus();
        }
    }
    activateWindow();
}

void frmParent::HideChild(ChildWindow window) {
    QMdiSubWindow* sub = SubWindow(window);
    const bool hadKeyboard =
        m_workspace->activeSubWindow() == sub || sub->isAncestorOf(QApplication::focusWidget());
    sub->hide();
    if (!hadKeyboard)
        return;
    // A hidden window must not keep the keyboard: keys typed next would fill
    // boxes, or clear the log, where the user cannot see it. The window used
    // last among those still shown takes over.
    QMdiSubWindow* next = nullptr;
    for (QMdiSubWindow* candidate : m_workspace->subWindowList(QMdiArea::ActivationHistoryOrder)) {
        if (candidate->isVisible())
            next = candidate;
    }
    m_workspace->setActiveSubWindow(next);
    if (next)
        next->widget()->setFocus();
    else
        m_workspace->setFocus();
}

void frmParent::CloseChild(ChildWindow window) {
    HideChild(window);
    MenuItem(window)->setChecked(false);
}

void frmParent::mnuFilePrint_Click() {
    DataDisplay().PrintGpsData();
}

void frmParent::mnuWindowHome_Click() {
    // Home positions are measured from the workspace's own origin, however
    // far it is scrolled.
    m_workspace->horizontalScrollBar()->setValue(0);
    m_workspace->verticalScrollBar()->setValue(0);
    for (const ChildWindow window :
         {ChildWindow::DataDisplay, ChildWindow::GpsErrorCal, ChildWindow::GroundStationCal})
        SubWindow(window)->move(HomePosition(window));
}

void frmParent::mnuHelpAbout_Click() {
    if (!m_about)
        m_about = new frmAbout(m_services.appInfo, this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void frmParent::ShutDown() {
    if (m_shuttingDown)
        return;
    m_shuttingDown = true;
    // Unloading deletes; the handler that called us may still be on the
    // stack, so the deletions run as soon as it returns, in this order.
    const auto unload = [](QWidget* window) {
        if (window) {
            window->hide();
            window->deleteLater();
        }
    };
    unload(m_about);
    unload(SubWindow(ChildWindow::DataDisplay));
    unload(SubWindow(ChildWindow::GpsErrorCal));
    unload(SubWindow(ChildWindow::GroundStationCal));
    unload(this);
    m_services.endProcess();
}

void frmParent::closeEvent(QCloseEvent* event) {
    // The close box ends the program like File > Exit.
    ShutDown();
    event->accept();
}

} // namespace pellucors
