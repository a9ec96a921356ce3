#include "Application.h"
#include "GraphicalSession.h"
#include "QtPlatform.h"

#include <QApplication>

#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    const pellucors::GraphicalSession session = pellucors::GraphicalSession::FromEnvironment();
    if (const std::optional<std::string> missing = session.MissingLine()) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return 1;
    }
    std::optional<QApplication> app;
    session.Open([&] { app.emplace(argc, argv); });
    pellucors::QtPlatform platform;
    pellucors::Application program(platform.Services());
    program.Main();
    const int status = QApplication::exec();
    // Windows unloaded by the shut-down are deleted now, in their order.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
