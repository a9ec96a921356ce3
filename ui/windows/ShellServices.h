#pragma once

#include "core/NumericInput.h"
#include "print/GpsDataPrintout.h"

#include <functional>

namespace pellucors {

class AppInfoService;
class MessageService;

// What the shell needs from the world outside its windows.
struct ShellServices {
    MessageService& messages;
    const AppInfoService& appInfo;
    PrinterFactory makePrinter;
    RegionalSeparators separators;
    // Ends the process (exit status 0) once the windows are unloaded.
    std::function<void()> endProcess;
};

} // namespace pellucors
