#include "Application.h"
#include "ProgramStart.h"
#include "QtPlatform.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[]) {
    std::optional<QApplication> app;
    if (!pellucors::StartApplication(app, argc, argv))
        return 1;
    pellucors::QtPlatform platform;
    pellucors::Application program(platform.Services());
    program.Main();
    const int status = QApplication::exec();
    // Windows unloaded by the shut-down are deleted now, in their order.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
