#include "ProgramStart.h"

#include "GraphicalSession.h"

namespace pellucors {

bool StartApplication(std::optional<QApplication>& app, int& argc, char* argv[]) {
    return GraphicalSession::FromEnvironment().StartApplication(app, argc, argv);
}

} // namespace pellucors
