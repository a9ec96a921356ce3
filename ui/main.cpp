#include "Application.h"
#include "QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pellucors::QtPlatform platform;
    pellucors::Application program(platform.Services());
    program.Main();
    const int status = QApplication::exec();
    // Windows unloaded by the shut-down are deleted now, in their order.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
