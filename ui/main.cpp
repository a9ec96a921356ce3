#include "Application.h"
#include "pellucors_version.h"
#include "platform/qt/QtAppInfoService.h"
#include "platform/qt/QtMessageService.h"
#include "platform/qt/QtPrinterService.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(PELLUCORS_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(PELLUCORS_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("net.larkmoor.Pellucors"));

    pellucors::QtMessageService messages;
    pellucors::QtAppInfoService appInfo;
    const QLocale locale;
    pellucors::Application program({
        messages,
        appInfo,
        [] { return pellucors::QtPrinterService::ForDefaultPrinter(); },
        {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()},
        [] { QApplication::exit(0); },
    });
    program.Main();
    const int status = QApplication::exec();
    // Windows unloaded by the shut-down are deleted now, in their order.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
