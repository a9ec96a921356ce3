// The main window: start-up state, menus, the window toggles and their check
// marks, Home Position, About, the hand-over and shut-down.

#include "ProgramFixture.h"
#include "core/StationPlan.h"
#include "ui/windows/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>

using pellucors::ChildWindow;
using pellucors::frmAbout;
using pellucors::frmParent;
using pellucors::test::ProgramFixture;

Q_DECLARE_METATYPE(pellucors::ChildWindow)

namespace {

enum class Via { MenuItem, Shortcut, DisplayButton };
enum class Effect { Print, ToggleErrorCal, ToggleStations, ToggleData, Home, About, Exit, Edit };
enum class ExitVia { FileExit, CtrlXInList, ExitButton, CloseBox };
enum class AboutState { NeverOpened, Shown, Hidden };

constexpr std::array kChildren{ChildWindow::GpsErrorCal, ChildWindow::GroundStationCal,
                               ChildWindow::DataDisplay};

// Empty when every Window item's mark equals its window's visibility.
QString MarkMismatches(ProgramFixture& program) {
    QString mismatches;
    for (const ChildWindow window : kChildren) {
        const bool checked = program.Parent().MenuItem(window)->isChecked();
        const bool shown = program.Parent().SubWindow(window)->isVisible();
        if (checked != shown)
            mismatches += QStringLiteral("%1 checked=%2 shown=%3; ")
                              .arg(program.Form(window).objectName())
                              .arg(checked)
                              .arg(shown);
    }
    return mismatches;
}

// A Ctrl+letter typed wherever the keyboard is.
void PressCtrl(ProgramFixture& program, Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &program.Parent(), key, Qt::ControlModifier);
}

// What a window holds that the user would miss: typed text, results, the
// unit choice, the logged rows.
QStringList Contents(const QWidget& form) {
    QStringList contents;
    for (const QLineEdit* box : form.findChildren<QLineEdit*>())
        contents << box->objectName() + QLatin1Char('=') + box->text();
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (label->objectName().startsWith(QLatin1String("lbl")))
            contents << label->objectName() + QLatin1Char('=') + label->text();
    }
    for (const QRadioButton* option : form.findChildren<QRadioButton*>())
        contents << option->objectName() +
                        (option->isChecked() ? QStringLiteral(" on") : QString());
    for (const QListWidget* list : form.findChildren<QListWidget*>()) {
        for (int row = 0; row < list->count(); ++row)
            contents << list->item(row)->text();
    }
    return contents;
}

void FillIn(ProgramFixture& program, ChildWindow window) {
    if (window == ChildWindow::DataDisplay) {
        pellucors::StationPlan plan;
        PlanStations(12.5, 0, 5, program.messages, plan);
        program.Log().AddGpsEntry("L-17", plan);
        return;
    }
    for (QLineEdit* box : program.Form(window).findChildren<QLineEdit*>())
        QTest::keyClicks(box, QStringLiteral("12.5"));
    QTest::mouseClick(program.Find<QRadioButton>(window, "optDistance1"), Qt::LeftButton);
}

} // namespace

class MainWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUpStateAfterHandOver();
    void menusAsDesigned();
    void toggleTwiceKeepsContents_data();
    void toggleTwiceKeepsContents();
    void closeButtonClearsMark_data();
    void closeButtonClearsMark();
    void shortcutWithTheKeyboardInAControl_data();
    void shortcutWithTheKeyboardInAControl();
    void homePosition_data();
    void homePosition();
    void aboutTwiceGivesOneWindow();
    void handOverRespectsMarks_data();
    void handOverRespectsMarks();
    void handOverKeepsAWindowTheUserRestored();
    void handOverLeavesTheUsersCursor_data();
    void handOverLeavesTheUsersCursor();
    void shutDownOrder_data();
    void shutDownOrder();
    void hiddenWindowGivesUpTheKeyboard_data();
    void hiddenWindowGivesUpTheKeyboard();
    void buttonDrawnAsDefaultIsTheOneEnterPresses_data();
    void buttonDrawnAsDefaultIsTheOneEnterPresses();
    void tabEntersTheUnitsAtTheSelectedOne_data();
    void tabEntersTheUnitsAtTheSelectedOne();
};

void MainWindowTest::handOverKeepsAWindowTheUserRestored() {
    ProgramFixture program;
    program.Start(false);
    frmParent& parent = program.Parent();
    parent.showNormal();
    parent.setGeometry(40, 50, 500, 400);
    program.HandOver();

    QVERIFY(!parent.isMaximized());
    QCOMPARE(parent.geometry(), QRect(40, 50, 500, 400));
}

void MainWindowTest::handOverLeavesTheUsersCursor_data() {
    QTest::addColumn<ChildWindow>("typingIn");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keyboardAfter"); // a box of the ground station calculator
    QTest::newRow("typing the length in the calculator")
        << ChildWindow::GroundStationCal << "txtDistance"
        << "txtDistance";
    QTest::newRow("typing the allowed error in the calculator")
        << ChildWindow::GroundStationCal << "txtOkError"
        << "txtOkError";
    QTest::newRow("typing in the error calculator: to the designation box")
        << ChildWindow::GpsErrorCal << "txtDistance"
        << "txtLineNo";
}

// The main window takes input during the splash; the hand-over must not move
// a cursor that is mid-word in the ground station calculator, nor drop the
// text the user has selected there.
void MainWindowTest::handOverLeavesTheUsersCursor() {
    QFETCH(ChildWindow, typingIn);
    QFETCH(QString, box);
    QFETCH(QString, keyboardAfter);
    ProgramFixture program;
    program.StartBehindTheSplash();
    auto* typed = program.Find<QLineEdit>(typingIn, box.toLatin1().constData());
    typed->setFocus();
    QTest::keyClicks(typed, QStringLiteral("12.5"));
    typed->setSelection(1, 2); // "2." selected, the cursor after it

    program.HandOver();

    QCOMPARE(MarkMismatches(program), QString());
    QCOMPARE(program.Workspace().activeSubWindow(),
             program.Parent().SubWindow(ChildWindow::GroundStationCal));
    QCOMPARE(QApplication::focusWidget(),
             program.Find<QLineEdit>(ChildWindow::GroundStationCal,
                                     keyboardAfter.toLatin1().constData()));
    QCOMPARE(typed->text(), QStringLiteral("12.5"));
    if (typingIn == ChildWindow::GroundStationCal) {
        QCOMPARE(typed->selectedText(), QStringLiteral("2."));
        QCOMPARE(typed->cursorPosition(), 3);
    }
}

void MainWindowTest::startUpStateAfterHandOver() {
    ProgramFixture program;
    program.Start();
    frmParent& parent = program.Parent();

    QCOMPARE(parent.windowTitle(), QStringLiteral("Pellucors"));
    QVERIFY(parent.isMaximized());
    const std::array<std::pair<ChildWindow, QPoint>, 3> homes{{
        {ChildWindow::GroundStationCal, {0, 0}},
        {ChildWindow::GpsErrorCal, {394, 0}},
        {ChildWindow::DataDisplay, {394, 212}},
    }};
    for (const auto& [window, home] : homes) {
        const QByteArray name = program.Form(window).objectName().toLatin1();
        QVERIFY2(parent.MenuItem(window)->isChecked(), name);
        QVERIFY2(parent.SubWindow(window)->isVisible(), name);
        QCOMPARE(parent.SubWindow(window)->pos(), home);
    }
    QCOMPARE(program.Workspace().activeSubWindow(),
             parent.SubWindow(ChildWindow::GroundStationCal));
    QCOMPARE(QApplication::focusWidget(),
             program.Find<QLineEdit>(ChildWindow::GroundStationCal, "txtLineNo"));
}

void MainWindowTest::menusAsDesigned() {
    ProgramFixture program;
    program.Start();

    QStringList entries;
    for (const QAction* menu : program.Parent().menuBar()->actions()) {
        QVERIFY(menu->menu());
        entries << menu->text();
        for (const QAction* item : menu->menu()->actions()) {
            QVERIFY2(item->isEnabled() && item->isVisible(), qPrintable(item->text()));
            if (item->isSeparator()) {
                entries << QStringLiteral("  ----");
                continue;
            }
            QString entry = QStringLiteral("  ") + item->text() + QStringLiteral(" | ") +
                            item->shortcut().toString();
            if (item->isCheckable())
                entry += item->isChecked() ? QStringLiteral(" | checked")
                                           : QStringLiteral(" | unchecked");
            entries << entry;
        }
    }
    QCOMPARE(entries, (QStringList{
                          QStringLiteral("&File"),
                          QStringLiteral("  &Print | Ctrl+P"),
                          QStringLiteral("  E&xit | Ctrl+X"),
                          QStringLiteral("&Window"),
                          QStringLiteral("  GPS &Error Calculator  On/Off | Ctrl+E | checked"),
                          QStringLiteral("  GPS &Ground Stations On/Off | Ctrl+G | checked"),
                          QStringLiteral("  &Data Display On/Off | Ctrl+D | checked"),
                          QStringLiteral("  ----"),
                          QStringLiteral("  &Home Position | Ctrl+H"),
                          QStringLiteral("&Help"),
                          QStringLiteral("  &About | Ctrl+A"),
                      }));
}

void MainWindowTest::toggleTwiceKeepsContents_data() {
    QTest::addColumn<ChildWindow>("window");
    QTest::addColumn<Via>("via");
    QTest::addColumn<Qt::Key>("key");

    QTest::newRow("error calculator off and on from the Window menu")
        << ChildWindow::GpsErrorCal << Via::MenuItem << Qt::Key_unknown;
    QTest::newRow("error calculator off and on with Ctrl+E")
        << ChildWindow::GpsErrorCal << Via::Shortcut << Qt::Key_E;
    QTest::newRow("ground station calculator off and on from the Window menu")
        << ChildWindow::GroundStationCal << Via::MenuItem << Qt::Key_unknown;
    QTest::newRow("ground station calculator off and on with Ctrl+G")
        << ChildWindow::GroundStationCal << Via::Shortcut << Qt::Key_G;
    QTest::newRow("data window off and on from the Window menu")
        << ChildWindow::DataDisplay << Via::MenuItem << Qt::Key_unknown;
    QTest::newRow("data window off and on with Ctrl+D")
        << ChildWindow::DataDisplay << Via::Shortcut << Qt::Key_D;
    QTest::newRow("data window off and on with Display GPS Data")
        << ChildWindow::DataDisplay << Via::DisplayButton << Qt::Key_unknown;
}

void MainWindowTest::toggleTwiceKeepsContents() {
    QFETCH(ChildWindow, window);
    QFETCH(Via, via);
    QFETCH(Qt::Key, key);
    ProgramFixture program;
    program.Start();
    const QStringList fresh = Contents(program.Form(window));
    FillIn(program, window);
    const QStringList filled = Contents(program.Form(window));
    QVERIFY(filled != fresh);

    const auto toggle = [&] {
        switch (via) {
        case Via::MenuItem:
            program.Parent().MenuItem(window)->trigger();
            break;
        case Via::Shortcut:
            PressCtrl(program, key);
            break;
        case Via::DisplayButton:
            QTest::mouseClick(
                program.Find<QPushButton>(ChildWindow::GroundStationCal, "cmdDisplay"),
                Qt::LeftButton);
            break;
        }
    };

    toggle();
    QVERIFY(!program.Parent().SubWindow(window)->isVisible());
    QVERIFY(!program.Parent().MenuItem(window)->isChecked());
    QCOMPARE(MarkMismatches(program), QString());

    // The second toggle finds the window hidden: shortcuts must still reach it.
    toggle();
    QVERIFY(program.Parent().SubWindow(window)->isVisible());
    QVERIFY(program.Parent().MenuItem(window)->isChecked());
    QCOMPARE(MarkMismatches(program), QString());
    QCOMPARE(program.Workspace().activeSubWindow(), program.Parent().SubWindow(window));
    QCOMPARE(Contents(program.Form(window)), filled);
}

void MainWindowTest::closeButtonClearsMark_data() {
    QTest::addColumn<ChildWindow>("window");
    QTest::newRow("error calculator closed") << ChildWindow::GpsErrorCal;
    QTest::newRow("ground station calculator closed") << ChildWindow::GroundStationCal;
    QTest::newRow("data window closed") << ChildWindow::DataDisplay;
}

void MainWindowTest::closeButtonClearsMark() {
    QFETCH(ChildWindow, window);
    ProgramFixture program;
    program.Start();

    QTest::mouseClick(program.Find<QPushButton>(window, "cmdClose"), Qt::LeftButton);
    QVERIFY(!program.Parent().SubWindow(window)->isVisible());
    QVERIFY(!program.Parent().MenuItem(window)->isChecked());
    QCOMPARE(MarkMismatches(program), QString());

    program.Parent().MenuItem(window)->trigger();
    QVERIFY(program.Parent().SubWindow(window)->isVisible());
    QVERIFY(program.Parent().MenuItem(window)->isChecked());
    QCOMPARE(MarkMismatches(program), QString());
}

void MainWindowTest::shortcutWithTheKeyboardInAControl_data() {
    QTest::addColumn<ChildWindow>("window");
    QTest::addColumn<QString>("box"); // a text box, or another control
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Effect>("effect");

    const auto row = [](const char* name, ChildWindow window, const char* box, Qt::Key key,
                        Effect effect) {
        QTest::newRow(name) << window << QString::fromLatin1(box) << key << effect;
    };
    const ChildWindow stations = ChildWindow::GroundStationCal;
    row("Ctrl+P while typing a line designation", stations, "txtLineNo", Qt::Key_P, Effect::Print);
    row("Ctrl+X while typing a line designation cuts", stations, "txtLineNo", Qt::Key_X,
        Effect::Edit);
    row("Ctrl+E while typing a line designation", stations, "txtLineNo", Qt::Key_E,
        Effect::ToggleErrorCal);
    row("Ctrl+G while typing a line designation", stations, "txtLineNo", Qt::Key_G,
        Effect::ToggleStations);
    row("Ctrl+D while typing a line designation", stations, "txtLineNo", Qt::Key_D,
        Effect::ToggleData);
    row("Ctrl+H while typing a line designation", stations, "txtLineNo", Qt::Key_H, Effect::Home);
    row("Ctrl+A while typing a line designation selects", stations, "txtLineNo", Qt::Key_A,
        Effect::Edit);
    row("Ctrl+A on the Enter button", stations, "cmdEnter", Qt::Key_A, Effect::About);
    const ChildWindow error = ChildWindow::GpsErrorCal;
    row("Ctrl+A while typing a distance for the error selects", error, "txtDistance", Qt::Key_A,
        Effect::Edit);
    row("Ctrl+E while typing a distance for the error", error, "txtDistance", Qt::Key_E,
        Effect::ToggleErrorCal);
    row("Ctrl+X while typing a distance for the error cuts", error, "txtDistance", Qt::Key_X,
        Effect::Edit);
}

// The menu's shortcuts act wherever the keyboard is, but a text box keeps its
// own editing keys (Ctrl+X cuts, Ctrl+A selects all).
void MainWindowTest::shortcutWithTheKeyboardInAControl() {
    QFETCH(ChildWindow, window);
    QFETCH(QString, box);
    QFETCH(Qt::Key, key);
    QFETCH(Effect, effect);
    ProgramFixture program;
    program.Start();
    auto* control = program.Find<QWidget>(window, qPrintable(box));
    auto* textBox = qobject_cast<QLineEdit*>(control);
    control->setFocus();
    QCOMPARE(QApplication::focusWidget(), control);
    if (textBox) {
        QTest::keyClicks(textBox, QStringLiteral("L12"));
        QTest::keyClick(textBox, Qt::Key_Left, Qt::ShiftModifier); // "2" selected
    }
    QMdiSubWindow* errorWindow = program.Parent().SubWindow(ChildWindow::GpsErrorCal);
    errorWindow->move(50, 60);

    // Through the window, as a real key comes: the window sees it first.
    QTest::keyClick(control->window()->windowHandle(), key, Qt::ControlModifier);

    const bool cut = effect == Effect::Edit && key == Qt::Key_X; // else Ctrl+A selects all
    if (textBox) {
        QCOMPARE(textBox->text(), cut ? QStringLiteral("L1") : QStringLiteral("L12"));
        if (effect == Effect::Edit && !cut)
            QCOMPARE(textBox->selectedText(), QStringLiteral("L12"));
    }
    const auto toggledOff = [&](ChildWindow toggled) {
        return !program.Parent().MenuItem(toggled)->isChecked() &&
               !program.Parent().SubWindow(toggled)->isVisible();
    };
    switch (effect) {
    case Effect::Print:
        QCOMPARE(program.documentsStarted, 1);
        break;
    case Effect::ToggleErrorCal:
        QVERIFY(toggledOff(ChildWindow::GpsErrorCal));
        break;
    case Effect::ToggleStations:
        QVERIFY(toggledOff(ChildWindow::GroundStationCal));
        break;
    case Effect::ToggleData:
        QVERIFY(toggledOff(ChildWindow::DataDisplay));
        break;
    case Effect::Home:
        QCOMPARE(errorWindow->pos(), QPoint(394, 0));
        break;
    case Effect::About:
        QVERIFY(program.Parent().About());
        QVERIFY(program.Parent().About()->isVisible());
        break;
    case Effect::Exit:
        QCOMPARE(program.processEnded, 1);
        break;
    case Effect::Edit:
        if (cut)
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2"));
        QVERIFY(!program.Parent().About());
        break;
    }
    if (effect != Effect::Print)
        QCOMPARE(program.documentsStarted, 0);
    if (effect != Effect::Exit)
        QCOMPARE(program.processEnded, 0);
}

void MainWindowTest::homePosition_data() {
    QTest::addColumn<int>("hidden"); // a ChildWindow, or -1 for none
    QTest::newRow("all three windows shown") << -1;
    QTest::newRow("error calculator switched off") << static_cast<int>(ChildWindow::GpsErrorCal);
    QTest::newRow("ground station calculator switched off")
        << static_cast<int>(ChildWindow::GroundStationCal);
    QTest::newRow("data window switched off") << static_cast<int>(ChildWindow::DataDisplay);
}

void MainWindowTest::homePosition() {
    QFETCH(int, hidden);
    ProgramFixture program;
    program.Start();
    frmParent& parent = program.Parent();
    parent.SubWindow(ChildWindow::GroundStationCal)->move(300, 150);
    parent.SubWindow(ChildWindow::GpsErrorCal)->move(10, 400);
    parent.SubWindow(ChildWindow::DataDisplay)->move(0, 0);
    if (hidden >= 0)
        parent.MenuItem(static_cast<ChildWindow>(hidden))->trigger();
    program.Workspace().setActiveSubWindow(parent.SubWindow(ChildWindow::DataDisplay));
    QMdiSubWindow* const active = program.Workspace().activeSubWindow();

    ProgramFixture::Find<QAction>(parent, "mnuWindowHome")->trigger();

    QCOMPARE(parent.SubWindow(ChildWindow::GroundStationCal)->pos(), QPoint(0, 0));
    QCOMPARE(parent.SubWindow(ChildWindow::GpsErrorCal)->pos(), QPoint(394, 0));
    QCOMPARE(parent.SubWindow(ChildWindow::DataDisplay)->pos(), QPoint(394, 212));
    for (const ChildWindow window : kChildren) {
        const bool on = static_cast<int>(window) != hidden;
        QCOMPARE(parent.SubWindow(window)->isVisible(), on);
        QCOMPARE(parent.MenuItem(window)->isChecked(), on);
    }
    QCOMPARE(program.Workspace().activeSubWindow(), active);
}

void MainWindowTest::aboutTwiceGivesOneWindow() {
    ProgramFixture program;
    program.Start();
    QAction* about = ProgramFixture::Find<QAction>(program.Parent(), "mnuHelpAbout");

    about->trigger();
    about->trigger();

    int aboutWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        aboutWindows += qobject_cast<frmAbout*>(window) ? 1 : 0;
    QCOMPARE(aboutWindows, 1);
    QVERIFY(program.Parent().About()->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void MainWindowTest::handOverRespectsMarks_data() {
    QTest::addColumn<ChildWindow>("switchedOff");
    QTest::newRow("error calculator switched off during the splash") << ChildWindow::GpsErrorCal;
    QTest::newRow("ground station calculator switched off during the splash")
        << ChildWindow::GroundStationCal;
    QTest::newRow("data window switched off during the splash") << ChildWindow::DataDisplay;
}

// Regression: a window switched off during the splash must stay off after the hand-over.
void MainWindowTest::handOverRespectsMarks() {
    QFETCH(ChildWindow, switchedOff);
    ProgramFixture program;
    program.Start(false);
    program.Parent().MenuItem(switchedOff)->trigger();

    program.HandOver();

    QCOMPARE(MarkMismatches(program), QString());
    for (const ChildWindow window : kChildren)
        QCOMPARE(program.Parent().MenuItem(window)->isChecked(), window != switchedOff);
    auto* txtLineNo = program.Find<QLineEdit>(ChildWindow::GroundStationCal, "txtLineNo");
    QMdiSubWindow* stations = program.Parent().SubWindow(ChildWindow::GroundStationCal);
    if (switchedOff == ChildWindow::GroundStationCal) {
        QVERIFY(program.Workspace().activeSubWindow() != stations);
        QVERIFY(QApplication::focusWidget() != txtLineNo);
    } else {
        QCOMPARE(program.Workspace().activeSubWindow(), stations);
        QCOMPARE(QApplication::focusWidget(), txtLineNo);
    }
}

void MainWindowTest::shutDownOrder_data() {
    QTest::addColumn<ExitVia>("via");
    QTest::addColumn<AboutState>("about");

    QTest::newRow("File > Exit, About never opened")
        << ExitVia::FileExit << AboutState::NeverOpened;
    QTest::newRow("File > Exit with About open") << ExitVia::FileExit << AboutState::Shown;
    QTest::newRow("File > Exit with About closed by its button")
        << ExitVia::FileExit << AboutState::Hidden;
    QTest::newRow("Ctrl+X in the GPS Data list, About never opened")
        << ExitVia::CtrlXInList << AboutState::NeverOpened;
    QTest::newRow("Ctrl+X in the GPS Data list with About open")
        << ExitVia::CtrlXInList << AboutState::Shown;
    QTest::newRow("calculator's Exit button, About never opened")
        << ExitVia::ExitButton << AboutState::NeverOpened;
    QTest::newRow("calculator's Exit button with About closed by its button")
        << ExitVia::ExitButton << AboutState::Hidden;
    QTest::newRow("main window closed, About never opened")
        << ExitVia::CloseBox << AboutState::NeverOpened;
    QTest::newRow("main window closed with About closed by its button")
        << ExitVia::CloseBox << AboutState::Hidden;
}

void MainWindowTest::shutDownOrder() {
    QFETCH(ExitVia, via);
    QFETCH(AboutState, about);
    ProgramFixture program;
    program.Start();
    frmParent& parent = program.Parent();
    if (about != AboutState::NeverOpened) {
        ProgramFixture::Find<QAction>(parent, "mnuHelpAbout")->trigger();
        QVERIFY(parent.About());
        if (about == AboutState::Hidden) {
            QTest::mouseClick(ProgramFixture::Find<QPushButton>(*parent.About(), "cmdClose"),
                              Qt::LeftButton);
            QVERIFY(parent.About() && !parent.About()->isVisible());
        }
        parent.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&parent));
    }

    QStringList unloaded;
    QObject recorder;
    QList<QObject*> windows{parent.About(), &program.Form(ChildWindow::GroundStationCal),
                            &program.Form(ChildWindow::GpsErrorCal),
                            &program.Form(ChildWindow::DataDisplay), &parent};
    for (QObject* window : windows) {
        if (!window)
            continue;
        const QString name = window->objectName();
        connect(window, &QObject::destroyed, &recorder, [&unloaded, name] { unloaded << name; });
    }

    switch (via) {
    case ExitVia::FileExit:
        ProgramFixture::Find<QAction>(parent, "mnuFileExit")->trigger();
        break;
    case ExitVia::CtrlXInList: {
        auto* list = program.Find<QListWidget>(ChildWindow::DataDisplay, "lstGPSData");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);
        break;
    }
    case ExitVia::ExitButton:
        QTest::mouseClick(program.Find<QPushButton>(ChildWindow::GroundStationCal, "cmdExit"),
                          Qt::LeftButton);
        break;
    case ExitVia::CloseBox:
        QVERIFY(parent.close());
        break;
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<frmAbout*>(window) || !window->isVisible(), "About appeared");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QStringList expected{QStringLiteral("frmDataDisplay"), QStringLiteral("frmGPS_ErrorCal"),
                         QStringLiteral("frmGroundStationCal"), QStringLiteral("frmParent")};
    if (about != AboutState::NeverOpened)
        expected.prepend(QStringLiteral("frmAbout"));
    QCOMPARE(unloaded, expected);
    QCOMPARE(program.processEnded, 1);
    QVERIFY(!program.App().Parent());
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<frmAbout*>(window), "an About window was loaded");
}

void MainWindowTest::hiddenWindowGivesUpTheKeyboard_data() {
    QTest::addColumn<ChildWindow>("window");
    QTest::addColumn<Via>("via");
    QTest::newRow("calculator closed by its button")
        << ChildWindow::GroundStationCal << Via::DisplayButton;
    QTest::newRow("calculator switched off by Ctrl+G")
        << ChildWindow::GroundStationCal << Via::Shortcut;
    QTest::newRow("data window closed by Enter on Close")
        << ChildWindow::DataDisplay << Via::DisplayButton;
    QTest::newRow("data window switched off by Ctrl+D")
        << ChildWindow::DataDisplay << Via::Shortcut;
}

// Keys typed after a window was hidden must not act in it unseen: Enter in
// the hidden calculator would log an entry, Esc then Enter in the hidden data
// window would clear the log.
void MainWindowTest::hiddenWindowGivesUpTheKeyboard() {
    QFETCH(ChildWindow, window);
    QFETCH(Via, via);
    ProgramFixture program;
    program.Start();
    QMdiSubWindow* sub = program.Parent().SubWindow(window);
    QWidget& form = program.Form(window);
    if (window == ChildWindow::GroundStationCal) {
        ProgramFixture::Find<QLineEdit>(form, "txtLineNo")->setText(QStringLiteral("A1"));
        ProgramFixture::Find<QLineEdit>(form, "txtDistance")->setText(QStringLiteral("100"));
        ProgramFixture::Find<QLineEdit>(form, "txtOkError")->setText(QStringLiteral("5"));
    }
    program.Workspace().setActiveSubWindow(sub);
    auto* close = ProgramFixture::Find<QPushButton>(form, "cmdClose");
    if (via == Via::DisplayButton) {
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Return);
    } else {
        PressCtrl(program, window == ChildWindow::DataDisplay ? Qt::Key_D : Qt::Key_G);
    }
    QVERIFY(!sub->isVisible());
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus && focus->isVisible(), "the keyboard stayed in a hidden control");
    QVERIFY(!sub->isAncestorOf(focus));
    QVERIFY(program.Workspace().activeSubWindow() != sub);

    QTest::keyClick(focus, Qt::Key_Return);
    QCOMPARE(program.Log().EntryCount(), 0);
    QCOMPARE(program.Log().ListCleared(), false);
}

void MainWindowTest::tabEntersTheUnitsAtTheSelectedOne_data() {
    QTest::addColumn<ChildWindow>("window");
    QTest::addColumn<QString>("selected"); // as by its access key: no focus
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::newRow("GPS Data Entry, Shift+Tab from Display GPS Data")
        << ChildWindow::GroundStationCal << "optDistance1"
        << "cmdDisplay" << int(Qt::Key_Backtab);
    QTest::newRow("GPS Error Calculator, Tab from Close")
        << ChildWindow::GpsErrorCal << "optDistance2"
        << "cmdClose" << int(Qt::Key_Tab);
}

// Regression: Tab into the Miles/Kilometers group landed on Nautical Miles
// while Statute Miles was selected, where Space would change the unit.
void MainWindowTest::tabEntersTheUnitsAtTheSelectedOne() {
    QFETCH(ChildWindow, window);
    QFETCH(QString, selected);
    QFETCH(QString, from);
    QFETCH(int, key);
    ProgramFixture program;
    program.Start();
    program.Find<QRadioButton>(window, selected.toLatin1().constData())->click();
    program.Find<QWidget>(window, from.toLatin1().constData())->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget()->objectName(), selected);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"

void MainWindowTest::buttonDrawnAsDefaultIsTheOneEnterPresses_data() {
    QTest::addColumn<ChildWindow>("window");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("pressed"); // empty: no button is drawn as default

    const ChildWindow stations = ChildWindow::GroundStationCal;
    const ChildWindow error = ChildWindow::GpsErrorCal;
    const ChildWindow data = ChildWindow::DataDisplay;
    QTest::newRow("calculator, in a text box") << stations << "txtLineNo"
                                               << "cmdEnter";
    QTest::newRow("calculator, on a unit button") << stations << "optDistance1"
                                                  << "cmdEnter";
    QTest::newRow("calculator, on Clear") << stations << "cmdClearForm"
                                          << "cmdClearForm";
    QTest::newRow("calculator, on Display GPS Data") << stations << "cmdDisplay"
                                                     << "cmdDisplay";
    QTest::newRow("error calculator, in its text box") << error << "txtDistance"
                                                       << "cmdCalculate";
    QTest::newRow("error calculator, on Clear") << error << "cmdClear"
                                                << "cmdClear";
    QTest::newRow("data window, in the list: no default button") << data << "lstGPSData"
                                                                 << "";
    QTest::newRow("data window, on Print") << data << "cmdPrint"
                                           << "cmdPrint";
}

// With Clear focused, Enter and Clear were both drawn as the default button,
// while Return pressed Clear: the button that looks it must be the one pressed.
void MainWindowTest::buttonDrawnAsDefaultIsTheOneEnterPresses() {
    QFETCH(ChildWindow, window);
    QFETCH(QString, focused);
    QFETCH(QString, pressed);
    ProgramFixture program;
    program.Start();
    QWidget& form = program.Form(window);
    program.Parent().SubWindow(window)->setFocus();
    auto* control = ProgramFixture::Find<QWidget>(form, focused.toLatin1().constData());
    control->setFocus();
    QCOMPARE(QApplication::focusWidget(), control);

    QStringList drawn;
    QStringList clicked;
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        if (button->isDefault())
            drawn << button->objectName();
        connect(button, &QPushButton::clicked, this,
                [&clicked, button] { clicked << button->objectName(); });
    }
    QCOMPARE(drawn, pressed.isEmpty() ? QStringList() : QStringList{pressed});
    QTest::keyClick(control, Qt::Key_Return);
    QCOMPARE(clicked, drawn);
}
