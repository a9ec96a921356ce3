#include "QtPlatform.h"

#include "pellucors_version.h"
#include "platform/qt/QtPrinterService.h"

#include <QApplication>
#include <QLocale>

namespace pellucors {

QtPlatform::QtPlatform() {
    QApplication::setApplicationName(QStringLiteral(PELLUCORS_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(PELLUCORS_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("net.larkmoor.Pellucors"));
}

ShellServices QtPlatform::Services() {
    const QLocale locale;
    return {
        m_messages,
        m_appInfo,
        [] { return QtPrinterService::ForDefaultPrinter(); },
        {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()},
        [] { QApplication::exit(0); },
    };
}

} // namespace pellucors
