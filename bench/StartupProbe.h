#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace pellucors::bench {

// Watches a starting program from the outside: an application-wide event
// filter notes when the main window (a QMainWindow) and the splash (a
// Qt::SplashScreen window) get their first Paint event, then, once those
// frames are drawn, notes the time again, reads the peak resident memory,
// prints one line of figures and ends the process. Adds nothing to the program it watches. Times
// count from main(), from exec() and, when the launcher sets PROBE_LAUNCH_EPOCH, from the launch of
// the process.
class StartupProbe final : public QObject {
    Q_OBJECT
public:
    // `sinceMain` was started first thing in main(), before QApplication;
    // construct the probe right after QApplication.
    StartupProbe(const QElapsedTimer& sinceMain, bool expectSplash);

    // Call right before exec(): the clock for the first frame starts here.
    void Arm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NotePaint(QObject* watched);
    void Finish();
    void GiveUp();

    static constexpr qint64 kUnknown = -1;

    const QElapsedTimer& m_sinceMain;
    bool m_expectSplash;
    qint64 m_launchToMainNs = kUnknown; // process launch to main()
    qint64 m_execNs = 0;                // main() to exec()
    qint64 m_mainPaintNs = -1;          // main() to the main window's first Paint
    qint64 m_splashPaintNs = -1;        // main() to the splash's first Paint
    bool m_finishing = false;
};

} // namespace pellucors::bench
