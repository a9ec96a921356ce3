#pragma once

#include "FakeAppInfo.h"
#include "FakeMessageService.h"
#include "RecordingPrinter.h"
#include "ui/shell/Application.h"
#include "ui/windows/frmParent.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace pellucors::test {

// The whole program with fake services: message boxes are recorded and
// answered by script, printing goes to a journal, ending the process is
// counted. Start() runs Main and, unless told not to, the hand-over (no test
// waits six seconds for the splash).
class ProgramFixture {
public:
    explicit ProgramFixture(RegionalSeparators separators = {".", ","})
        : m_app(ShellServices{messages, appInfo,
                              [this]() -> std::unique_ptr<PrinterService> {
                                  ++documentsStarted;
                                  if (!printerError.empty())
                                      throw PrinterError(printerError);
                                  return std::make_unique<RecordingPrinter>(printJournal);
                              },
                              std::move(separators), [this] { ++processEnded; }}) {}

    void Start(bool handOver = true) {
        m_app.Main();
        if (handOver)
            HandOver();
    }

    // Main without the hand-over, the main window taking input behind the
    // splash as it does under a window manager.
    void StartBehindTheSplash() {
        Start(false);
        Parent().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Parent()));
    }

    void HandOver() {
        m_app.HandOver();
        QVERIFY(QTest::qWaitForWindowActive(&Parent()));
    }

    Application& App() { return m_app; }
    frmParent& Parent() { return *m_app.Parent(); }
    GpsLog& Log() { return m_app.Log(); }

    // A control of a window by its design name, e.g. Find<QLineEdit>(gs, "txtLineNo").
    template <typename Control> static Control* Find(const QObject& window, const char* name) {
        auto* control = window.findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    // The same, of a child window; the child window's form; the workspace.
    template <typename Control> Control* Find(ChildWindow window, const char* name) {
        return Find<Control>(Form(window), name);
    }
    QWidget& Form(ChildWindow window) { return *Parent().SubWindow(window)->widget(); }
    QMdiArea& Workspace() { return *Find<QMdiArea>(Parent(), "workspace"); }

    FakeMessageService messages;
    FakeAppInfo appInfo;
    std::vector<std::string> printJournal;
    int documentsStarted = 0;
    std::string printerError; // non-empty: the next documents fail with it
    int processEnded = 0;

private:
    Application m_app;
};

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Whether a shown result reads as a finite number (point decimals).
inline bool IsFiniteNumber(const QString& text) {
    const auto value = ReadRegionalNumber(text.toStdString(), RegionalSeparators{".", ","});
    return value && std::isfinite(*value);
}

// A window's controls by their design names, and what a user does with them.
// A test class mixes it in and names its window.
class WindowControls {
public:
    virtual ~WindowControls() = default;

    QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
    QLabel* Label(const char* name) { return Find<QLabel>(name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
    QRadioButton* Unit(int index) {
        return Find<QRadioButton>(("optDistance" + QByteArray::number(index)).constData());
    }
    // Clicks the unit's option button on its indicator, at its left edge.
    void PickUnit(int index) {
        QRadioButton* button = Unit(index);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QVERIFY(button->isChecked());
    }
    // Gives the box the keyboard and types into it.
    void Type(const char* box, const QString& text) {
        QLineEdit* edit = Box(box);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    void Click(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }

protected:
    virtual const QWidget& ControlsWindow() = 0;

private:
    template <typename Control> Control* Find(const char* name) {
        return ProgramFixture::Find<Control>(ControlsWindow(), name);
    }
};

// The controls of a window at hand.
class ControlsOf final : public WindowControls {
public:
    explicit ControlsOf(const QWidget& window) : m_window(window) {}

protected:
    const QWidget& ControlsWindow() override { return m_window; }

private:
    const QWidget& m_window;
};

} // namespace pellucors::test
