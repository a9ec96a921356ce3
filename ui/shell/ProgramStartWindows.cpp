#include "ProgramStart.h"

#include <QApplication>

namespace pellucors {

bool StartApplication(std::optional<QApplication>& app, int& argc, char* argv[]) {
    app.emplace(argc, argv);
    return true;
}

} // namespace pellucors
