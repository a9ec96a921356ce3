#include "QtAppInfoService.h"

#include <QCoreApplication>
#include <QVersionNumber>

namespace pellucors {

namespace {
int VersionPart(int part) {
    return QVersionNumber::fromString(QCoreApplication::applicationVersion()).segmentAt(part);
}
} // namespace

std::string QtAppInfoService::Title() const {
    return QCoreApplication::applicationName().toStdString();
}
int QtAppInfoService::MajorVersion() const {
    return VersionPart(0);
}
int QtAppInfoService::MinorVersion() const {
    return VersionPart(1);
}
int QtAppInfoService::Revision() const {
    return VersionPart(2);
}

} // namespace pellucors
