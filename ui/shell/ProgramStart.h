#pragma once

#include <optional>

class QApplication;

namespace pellucors {

// The program's first step: makes the QApplication in `app`, or says in one
// line on stderr why there is nowhere to show windows and returns false (the
// process then ends with status 1). On Linux that is the graphical-session
// check; Windows always has its desktop.
bool StartApplication(std::optional<QApplication>& app, int& argc, char* argv[]);

} // namespace pellucors
