#pragma once

#include <functional>
#include <optional>
#include <string>

class QApplication;

namespace pellucors {

// Where the program is to show its windows, as the environment names it for
// Qt's platform plugin, and the one line it prints when there is nowhere.
class GraphicalSession {
public:
    // Unset variables read as empty, as Qt reads them.
    GraphicalSession(std::string platform, std::string display, std::string waylandDisplay);
    // QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY of this process.
    static GraphicalSession FromEnvironment();

    // The line to print instead of starting, where no platform is named and
    // no display either.
    std::optional<std::string> MissingLine() const;
    // The line to print where the platform plugin cannot open the display.
    std::string UnopenedLine() const;

    // Runs start, which makes the QApplication, with Qt's messages held back.
    // Where the platform plugin fails, Qt would abort with advice to reinstall;
    // this prints UnopenedLine() instead and ends the process with status 1.
    // Otherwise the held messages are passed on as they came.
    void Open(const std::function<void()>& start) const;

    // The program's start: makes `app` through Open, or, where MissingLine
    // has a line, prints it and returns false (the process then ends with
    // status 1).
    bool StartApplication(std::optional<QApplication>& app, int& argc, char* argv[]) const;

private:
    std::string m_platform;
    std::string m_display;
    std::string m_waylandDisplay;
};

} // namespace pellucors
