#pragma once

#include "FakeAppInfo.h"
#include "FakeMessageService.h"
#include "RecordingPrinter.h"
#include "ui/shell/Application.h"
#include "ui/windows/frmParent.h"

#include <QApplication>
#include <QTest>

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

    FakeMessageService messages;
    FakeAppInfo appInfo;
    std::vector<std::string> printJournal;
    int documentsStarted = 0;
    std::string printerError; // non-empty: the next documents fail with it
    int processEnded = 0;

private:
    Application m_app;
};

} // namespace pellucors::test
