// Pellucors started exactly as ui/shell/main.cpp starts it, under the start-up
// probe. The production binary carries no probe.
#include "StartupProbe.h"
#include "ui/shell/Application.h"
#include "ui/shell/ProgramStart.h"
#include "ui/shell/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>

#include <optional>

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    std::optional<QApplication> app;
    if (!pellucors::StartApplication(app, argc, argv))
        return 1;
    pellucors::bench::StartupProbe probe(sinceMain, true);
    pellucors::QtPlatform platform;
    pellucors::Application program(platform.Services());
    program.Main();
    probe.Arm();
    const int status = QApplication::exec();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
