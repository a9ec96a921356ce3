#pragma once

#include "platform/qt/QtAppInfoService.h"
#include "platform/qt/QtMessageService.h"
#include "ui/windows/ShellServices.h"

namespace pellucors {

// The program's real services on Qt: message boxes, the application's
// properties, the default printer, the user's regional separators and the
// end of the process. Constructed after the QApplication, which it names.
class QtPlatform {
public:
    QtPlatform();
    ShellServices Services();

private:
    QtMessageService m_messages;
    QtAppInfoService m_appInfo;
};

} // namespace pellucors
