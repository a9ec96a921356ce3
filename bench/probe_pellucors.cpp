// Pellucors started exactly as ui/main.cpp starts it, under the start-up
// probe. The production binary carries no probe.
#include "StartupProbe.h"
#include "ui/Application.h"
#include "ui/GraphicalSession.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    const pellucors::GraphicalSession session = pellucors::GraphicalSession::FromEnvironment();
    if (const std::optional<std::string> missing = session.MissingLine()) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return 1;
    }
    std::optional<QApplication> app;
    session.Open([&] { app.emplace(argc, argv); });
    pellucors::bench::StartupProbe probe(sinceMain, true);
    pellucors::QtPlatform platform;
    pellucors::Application program(platform.Services());
    program.Main();
    probe.Arm();
    const int status = QApplication::exec();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
