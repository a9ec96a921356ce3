// The baseline program under the start-up probe.
// Usage: probe_baseline [--captions]
#include "BaselineWindow.h"
#include "StartupProbe.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    pellucors::bench::StartupProbe probe(sinceMain, false);

    pellucors::bench::BaselineWindow window(
        QApplication::arguments().contains(QStringLiteral("--captions")));
    window.ShowMaximized();
    probe.Arm();
    return QApplication::exec();
}
