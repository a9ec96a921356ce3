#include "StartupProbe.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace pellucors::bench {

namespace {
// Longer than any sane start-up, shorter than the splash's hand-over.
constexpr int kGiveUpMilliseconds = 5000;

// A "VmHWM:   12345 kB" style field of /proc/self/status, in kB; -1 if absent.
long StatusKilobytes(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = field + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            bool ok = false;
            const long kb = line.mid(prefix.size()).trimmed().split(' ').value(0).toLong(&ok);
            return ok ? kb : -1;
        }
    }
    return -1;
}

qint64 EpochNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// PROBE_LAUNCH_EPOCH: when the launcher started this process, as bash's
// $EPOCHREALTIME gives it (seconds, a separator, microseconds); -1 when not
// given.
qint64 LaunchEpochNanoseconds() {
    const QByteArray launch = qgetenv("PROBE_LAUNCH_EPOCH");
    const qsizetype separator =
        launch.indexOf('.') >= 0 ? launch.indexOf('.') : launch.indexOf(',');
    if (separator < 0)
        return -1;
    bool secondsOk = false;
    bool microsecondsOk = false;
    const qint64 seconds = launch.left(separator).toLongLong(&secondsOk);
    const qint64 microseconds = launch.mid(separator + 1).toLongLong(&microsecondsOk);
    return secondsOk && microsecondsOk ? seconds * 1000000000 + microseconds * 1000 : -1;
}
} // namespace

StartupProbe::StartupProbe(const QElapsedTimer& sinceMain, bool expectSplash)
    : m_sinceMain(sinceMain), m_expectSplash(expectSplash) {
    // The launch-to-main() time: what the dynamic loader and static
    // initialisers cost before the program's first line.
    const qint64 launch = LaunchEpochNanoseconds();
    if (launch >= 0)
        m_launchToMainNs = EpochNanoseconds() - m_sinceMain.nsecsElapsed() - launch;
    // Watching from construction: a paint before exec() would show as a
    // negative time rather than go unseen.
    qApp->installEventFilter(this);
}

void StartupProbe::Arm() {
    QTimer::singleShot(kGiveUpMilliseconds, this, &StartupProbe::GiveUp);
    m_execNs = m_sinceMain.nsecsElapsed();
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType())
        NotePaint(watched);
    return QObject::eventFilter(watched, event);
}

void StartupProbe::NotePaint(QObject* watched) {
    const qint64 now = m_sinceMain.nsecsElapsed();
    // Any widget of a window painting means that window's frame is being drawn.
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    if (m_mainPaintNs < 0 && qobject_cast<const QMainWindow*>(window))
        m_mainPaintNs = now;
    else if (m_splashPaintNs < 0 && window->windowType() == Qt::SplashScreen)
        m_splashPaintNs = now;

    const bool done = m_mainPaintNs >= 0 && (!m_expectSplash || m_splashPaintNs >= 0);
    if (done && !m_finishing) {
        m_finishing = true;
        // Queued: the memory is read once the paint in progress has finished.
        QMetaObject::invokeMethod(this, &StartupProbe::Finish, Qt::QueuedConnection);
    }
}

void StartupProbe::Finish() {
    // The first Paint event starts a frame; by now every first frame is drawn.
    const qint64 doneNs = m_sinceMain.nsecsElapsed();
    qApp->removeEventFilter(this);
    QByteArray line = "probe qt=" + QByteArray(qVersion());
    const auto field = [&line](const char* name, bool known, qint64 ns) {
        line += ' ' + QByteArray(name) + '=' +
                (known ? QByteArray::number(static_cast<double>(ns) / 1e6, 'f', 3) : "na");
    };
    const bool launched = m_launchToMainNs != kUnknown;
    const bool splashed = m_splashPaintNs >= 0;
    field("launch_to_main_paint_ms", launched, m_launchToMainNs + m_mainPaintNs);
    field("launch_to_splash_paint_ms", launched && splashed, m_launchToMainNs + m_splashPaintNs);
    field("main_to_main_paint_ms", true, m_mainPaintNs);
    field("main_to_splash_paint_ms", splashed, m_splashPaintNs);
    field("launch_to_frames_done_ms", launched, m_launchToMainNs + doneNs);
    field("main_to_frames_done_ms", true, doneNs);
    field("main_to_exec_ms", true, m_execNs);
    // Negative when the frame came before exec(): showing a splash screen
    // before the event loop runs spins it once.
    field("exec_to_main_paint_ms", true, m_mainPaintNs - m_execNs);
    field("exec_to_splash_paint_ms", splashed, m_splashPaintNs - m_execNs);
    line += " vmhwm_kb=" + QByteArray::number(StatusKilobytes("VmHWM")) +
            " vmrss_kb=" + QByteArray::number(StatusKilobytes("VmRSS"));
    // For finding where the memory went: PROBE_SMAPS names a file that gets
    // the process's memory map as it stands now.
    const QString smaps = qEnvironmentVariable("PROBE_SMAPS");
    if (!smaps.isEmpty()) {
        QFile map(QStringLiteral("/proc/self/smaps"));
        QFile copy(smaps);
        if (map.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
            copy.write(map.readAll()); // proc files have no size to copy by
    }
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
    // Shut-down is not what is measured; leaving at once also keeps an
    // instruction count (callgrind) to the start-up alone.
    std::_Exit(0);
}

void StartupProbe::GiveUp() {
    if (m_finishing)
        return;
    std::fprintf(stderr, "probe: no first frame within %d ms (main window %s, splash %s)\n",
                 kGiveUpMilliseconds, m_mainPaintNs < 0 ? "unpainted" : "painted",
                 m_splashPaintNs < 0 ? "unpainted" : "painted");
    QCoreApplication::exit(1);
}

} // namespace pellucors::bench
