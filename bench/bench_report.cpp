// Writes the figures of BENCHMARKS.md to standard output from what
// scripts/bench.sh collected in one folder: the probes' lines per platform and
// program (offscreen-pellucors, xcb-baseline, ...), the handlers' latency lines
// (handlers.txt) and Qt Test's figures (qbench.csv), the programs stripped
// (pellucors, baseline) and as built (pellucors-built), and the run's facts
// (run: command=, runs=, commit=, load_before=, load_after=). The verdicts go
// to standard error.
// Usage: bench_report FOLDER

#include "LatencySamples.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <QTextStream>
#include <QThread>

#include <sys/utsname.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using pellucors::bench::Median;

namespace {

constexpr double kNa = std::numeric_limits<double>::quiet_NaN();
const char* const kPrograms[] = {"pellucors", "baseline", "captions"};

QStringList Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The key=value words of a line.
QMap<QString, QString> Fields(const QString& line) {
    QMap<QString, QString> fields;
    for (const QString& word : line.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = word.indexOf('=');
        if (equals > 0)
            fields.insert(word.left(equals), word.mid(equals + 1));
    }
    return fields;
}

// One program's runs on one platform: the numbers of each key, one a run
// ("na" is no number).
using Runs = QMap<QString, std::vector<double>>;

Runs ReadRuns(const QString& path) {
    Runs runs;
    for (const QString& line : Lines(path)) {
        const QMap<QString, QString> fields = Fields(line);
        for (auto field = fields.begin(); field != fields.end(); ++field) {
            bool number = false;
            const double value = field.value().toDouble(&number);
            if (number)
                runs[field.key()].push_back(value);
        }
    }
    return runs;
}

double MedianOf(const Runs& runs, const QString& key) {
    return Median(runs.value(key));
}

QString Fixed(double value, int decimals = 1) {
    return std::isnan(value) ? QStringLiteral("na") : QString::number(value, 'f', decimals);
}

QString Number(const QString& text, int decimals = 1) {
    bool number = false;
    const double value = text.toDouble(&number);
    return Fixed(number ? value : kNa, decimals);
}

// To two decimals, as printed: a verdict is the printed figure's.
double Ratio(double a, double b) {
    return std::isnan(a) || std::isnan(b) || b == 0 ? kNa : std::round(a / b * 100) / 100;
}

QString Verdict(double value, double limit) {
    return !std::isnan(value) && value <= limit ? QStringLiteral("met") : QStringLiteral("missed");
}

// The larger figure; NaN, which meets no target, wins.
double Worst(double a, double b) {
    return std::isnan(a) || std::isnan(b) ? kNa : std::max(a, b);
}

QString Spread(std::vector<double> values) {
    if (values.empty())
        return QStringLiteral("na");
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return Fixed(*low) + QStringLiteral("–") + Fixed(*high);
}

// The machine's rows: its processor, and the Qt, kernel and compiler measured.
QString Machine(const QString& qtVersion) {
    QString cpu;
    for (const QString& line : Lines(QStringLiteral("/proc/cpuinfo"))) {
        if (line.startsWith(QLatin1String("model name"))) {
            cpu = line.section(':', 1).trimmed();
            break;
        }
    }
    utsname system{};
    uname(&system);
    return QStringLiteral("| CPU | %1, %2 cores |\n| Qt | %3 (%4 %5, %6) |\n")
        .arg(cpu, QString::number(QThread::idealThreadCount()), qtVersion,
             QString::fromLocal8Bit(system.sysname), QString::fromLocal8Bit(system.release),
             QStringLiteral(__VERSION__));
}

struct Handler {
    const char* name;
    const char* qbenchName; // its function in bench_handlers.cpp
    double limitMs;
};
const Handler kHandlers[] = {{"processEntry", "processEntry", 1},
                             {"calculate", "calculate", 1},
                             {"removeItem", "removeItem", 1},
                             {"clearList", "clearList", 1},
                             {"printGpsData31", "printGpsData", 50}};

} // namespace

int main(int argc, char* argv[]) {
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: bench_report FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QMap<QString, QString> run;
    for (const QString& line : Lines(folder.filePath(QStringLiteral("run"))))
        run.insert(line.section('=', 0, 0), line.section('=', 1));
    const int runs = run.value(QStringLiteral("runs")).toInt();

    QString startupTable;
    QString memoryTable;
    QStringList startupRatios;
    QStringList memoryRatios;
    double worstStartup = 0;
    double worstMemory = 0;
    QString qtVersion;
    for (const auto& [platform, label] :
         {std::pair{"offscreen", "offscreen"}, std::pair{"xcb", "Xvfb (xcb)"}}) {
        QMap<QString, Runs> of;
        for (const char* name : kPrograms) {
            const QString path = folder.filePath(QStringLiteral("%1-%2").arg(platform, name));
            const qsizetype count = Lines(path).size();
            if (count != runs) {
                err << platform << '/' << name << ": " << count << " of " << runs
                    << " runs gave figures; see below.\n"
                    << Lines(folder.filePath(QStringLiteral("stderr"))).join('\n') << '\n';
                return 1;
            }
            of[name] = ReadRuns(path);
            if (qtVersion.isEmpty())
                qtVersion = Fields(Lines(path).value(0)).value(QStringLiteral("qt"));
        }
        const auto ratio = [&of](const char* over, const char* key) {
            return Ratio(MedianOf(of["pellucors"], key), MedianOf(of[over], key));
        };
        for (const char* name : kPrograms) {
            const Runs& figures = of[name];
            const auto median = [&figures](const char* key) {
                return Fixed(MedianOf(figures, key));
            };
            startupTable +=
                QStringLiteral("| %1 | %2 | %3 (%4) | %5 | %6 | %7 | %8 | %9 |\n")
                    .arg(label, name, median("launch_to_main_paint_ms"),
                         Spread(figures.value("launch_to_main_paint_ms")),
                         median("launch_to_splash_paint_ms"), median("launch_to_frames_done_ms"),
                         median("main_to_main_paint_ms"), median("main_to_exec_ms"),
                         median("exec_to_main_paint_ms"));
            memoryTable += QStringLiteral("| %1 | %2 | %3 |\n")
                               .arg(label, name, Fixed(MedianOf(figures, "vmhwm_kb") / 1024));
        }
        const double launch = ratio("baseline", "launch_to_main_paint_ms");
        const double memory = ratio("baseline", "vmhwm_kb");
        startupTable +=
            QStringLiteral("| %1 | **pellucors / baseline** | **%2** | | %3 | %4 | | |\n"
                           "| %1 | pellucors / captions | %5 | | %6 | %7 | | |\n")
                .arg(label, Fixed(launch, 2),
                     Fixed(ratio("baseline", "launch_to_frames_done_ms"), 2),
                     Fixed(ratio("baseline", "main_to_main_paint_ms"), 2),
                     Fixed(ratio("captions", "launch_to_main_paint_ms"), 2),
                     Fixed(ratio("captions", "launch_to_frames_done_ms"), 2),
                     Fixed(ratio("captions", "main_to_main_paint_ms"), 2));
        memoryTable += QStringLiteral("| %1 | **pellucors / baseline** | **%2** |\n"
                                      "| %1 | pellucors / captions | %3 |\n")
                           .arg(label, Fixed(memory, 2), Fixed(ratio("captions", "vmhwm_kb"), 2));
        startupRatios << Fixed(launch, 2);
        memoryRatios << Fixed(memory, 2);
        worstStartup = Worst(worstStartup, launch);
        worstMemory = Worst(worstMemory, memory);
    }
    const QString startupVerdict = Verdict(worstStartup, 1.15);
    const QString memoryVerdict = Verdict(worstMemory, 1.15);

    QString handlerTable;
    QStringList handlerVerdicts;
    const QStringList qbench = Lines(folder.filePath(QStringLiteral("qbench.csv")));
    for (const QString& line : Lines(folder.filePath(QStringLiteral("handlers.txt")))) {
        if (!line.startsWith(QLatin1String("latency ")))
            continue;
        const QMap<QString, QString> fields = Fields(line);
        const QString name = fields.value(QStringLiteral("name"));
        const Handler* handler = std::find_if(std::begin(kHandlers), std::end(kHandlers),
                                              [&name](const Handler& h) { return name == h.name; });
        if (handler == std::end(kHandlers)) {
            err << "no target for the handler " << name << '\n';
            return 1;
        }
        // Qt Test's CSV: "function","tag","metric",value per iteration,...
        QString perIteration = QStringLiteral("na");
        for (const QString& row : qbench) {
            if (row.section(',', 0, 0) == QStringLiteral("\"%1\"").arg(handler->qbenchName)) {
                perIteration = Number(row.section(',', 3, 3), 4);
                break;
            }
        }
        bool timed = false;
        const double medianMs = fields.value(QStringLiteral("median_us")).toDouble(&timed) / 1000;
        const QString verdict = Verdict(timed ? medianMs : kNa, handler->limitMs);
        handlerVerdicts << name + ':' + verdict;
        const auto figure = [&fields](const char* key) { return Number(fields.value(key)); };
        handlerTable +=
            QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 | %7 | %8 | %9 | ")
                .arg(name, fields.value(QStringLiteral("runs")), figure("first_us"),
                     figure("median_us"), figure("p99_us"), figure("worst_us"),
                     figure("frame_median_us"), figure("frame_worst_us"), perIteration) +
            QStringLiteral("< %1 ms: %2 |\n").arg(handler->limitMs).arg(verdict);
    }

    const auto size = [&folder](const char* file) {
        return QFileInfo(folder.filePath(QString::fromLatin1(file))).size();
    };
    QTextStream out(stdout);
    out << "# Benchmarks\n\nProduced by `" << run.value(QStringLiteral("command")) << "` on "
        << QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
        << " UTC, commit " << run.value(QStringLiteral("commit")) << R"( (plus any
uncommitted changes in the tree). Not part of the tests; re-run it to refresh this file.

| machine | |
| --- | --- |
)" << Machine(qtVersion)
        << "| load average (1, 5, 15 min) | before " << run.value(QStringLiteral("load_before"))
        << "; after " << run.value(QStringLiteral("load_after")) << R"( |
| build | Release (`build-bench/`, -DPELLUCORS_BENCH=ON) |

The programs: **pellucors** is the real program started as `ui/shell/main.cpp` starts it
(`bench/probe_pellucors.cpp`, linking the same `pellucors_ui` library; the production
binary carries no probe); **baseline** is a `QMainWindow` with an empty `QMdiArea` and three
empty child windows, nothing else; **captions** is the baseline with titled child windows and a
menu bar of three menus — the least any window that shows a letter costs (the font database,
text shaping, glyphs), to tell Qt's own text cost from the program's. All are shown maximised
over the same area.

## Start-up to the first frame

Milliseconds, medians of )"
        << runs << R"( runs per program and platform, runs alternating between the
three programs. *Launch* is from the launcher's clock just before the process starts (includes
the dynamic loader); *main()* is from the first line of `main`; the frame is the first Paint
event of the main window (and of the splash); *frames drawn* is when every first frame (main
window and splash) has been painted. *exec→main* is negative where the first frame comes
before `exec()`: showing a splash screen before the event loop runs makes Qt spin the loop once,
so Pellucors' first frame (main window, then splash) is drawn inside `Application::Main`.

| platform | program | launch → main window (min–max) | launch → splash | launch → frames drawn | main() → main window | main() → exec() | exec() → main window |
| --- | --- | --- | --- | --- | --- | --- | --- |
)" << startupTable
        << "\nTarget: pellucors / baseline ≤ 1.15 (launch → main window, both platforms): **"
        << startupVerdict << R"(**.

## Peak memory after the first frame

VmHWM from `/proc/self/status`, read once the first frame is done, MiB, medians.

| platform | program | peak RSS |
| --- | --- | --- |
)" << memoryTable
        << "\nTarget: pellucors / baseline ≤ 1.15 (both platforms): **" << memoryVerdict << R"(**.

## Handlers

Qt Test, offscreen, the whole program with fake message boxes
(`bench/bench_handlers.cpp`). Microseconds per call, timed call by call: the handler alone
(*first* is the first call of its kind in the process, cold; median, p99 and worst are of the
calls after it) and *to frame*, up to the end of the event processing the call causes (list
relayout, repaint). *QBENCHMARK* is Qt Test's figure in milliseconds per iteration, which
includes the set-up each iteration needs (typing the boxes, selecting or refilling rows).
printGpsData31 prints the company heading and the list's heading row plus 30 rows to a PDF
file through `QtPrinterService::ForPdfFile`. The targets apply to the handler's median.

| handler | calls | first | median | p99 | worst | to frame, median | to frame, worst | QBENCHMARK (ms) | target |
| --- | --- | --- | --- | --- | --- | --- | --- | --- | --- |
)" << handlerTable
        << R"(
## Binary size

| file | bytes |
| --- | --- |
| `build-bench/ui/pellucors`, stripped | )"
        << size("pellucors") << " |\n| `build-bench/ui/pellucors`, as built (Release) | "
        << size("pellucors-built") << " |\n| baseline program, stripped | " << size("baseline")
        << " |\n\n";

    err << "Start-up ratio (launch → first frame, offscreen / Xvfb): " << startupRatios.join(' ')
        << " — " << startupVerdict
        << "\nMemory ratio (offscreen / Xvfb): " << memoryRatios.join(' ') << " — " << memoryVerdict
        << "\nHandlers: " << handlerVerdicts.join(' ')
        << "\nStripped pellucors: " << size("pellucors") << " bytes\n";
    return 0;
}
