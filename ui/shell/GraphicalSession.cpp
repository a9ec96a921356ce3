#include "GraphicalSession.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>
#include <vector>

namespace pellucors {

namespace {
std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
std::mutex g_heldMutex;
std::vector<HeldMessage> g_held;
std::string g_unopenedLine;

// A context field that Qt left null stays null: the default handler prints a
// category only where there is one.
const char* OrNull(const QByteArray& field) {
    return field.isNull() ? nullptr : field.constData();
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", g_unopenedLine.c_str());
        // At once: the half-made application must not be torn down.
        std::_Exit(1);
    }
    const std::lock_guard lock(g_heldMutex);
    g_held.push_back({type, context.file, context.function, context.category, context.line, text});
}
} // namespace

GraphicalSession::GraphicalSession(std::string platform, std::string display,
                                   std::string waylandDisplay)
    : m_platform(std::move(platform)), m_display(std::move(display)),
      m_waylandDisplay(std::move(waylandDisplay)) {}

GraphicalSession GraphicalSession::FromEnvironment() {
    return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

std::optional<std::string> GraphicalSession::MissingLine() const {
    if (!m_platform.empty() || !m_display.empty() || !m_waylandDisplay.empty())
        return std::nullopt;
    return "pellucors: no graphical session: neither DISPLAY nor WAYLAND_DISPLAY is set.";
}

std::string GraphicalSession::UnopenedLine() const {
    // The plugins Qt tried in turn: those named (a list separated by
    // semicolons, each perhaps with arguments after a colon), or else Wayland
    // and X, of which only those with a display named are worth naming.
    std::vector<std::string> plugins;
    if (m_platform.empty()) {
        if (!m_waylandDisplay.empty())
            plugins.emplace_back("wayland");
        if (!m_display.empty())
            plugins.emplace_back("xcb");
    } else {
        for (std::size_t begin = 0; begin <= m_platform.size();) {
            const std::size_t end = std::min(m_platform.find(';', begin), m_platform.size());
            const std::string entry = m_platform.substr(begin, end - begin);
            plugins.push_back(entry.substr(0, entry.find(':')));
            begin = end + 1;
        }
    }
    std::string displays;
    for (const std::string& plugin : plugins) {
        std::string name;
        if (plugin == "xcb")
            name = m_display;
        else if (plugin.rfind("wayland", 0) == 0) // wayland, wayland-egl...
            name =
                m_waylandDisplay.empty() ? "wayland-0" : m_waylandDisplay; // libwayland's default
        else
            return "pellucors: cannot start the Qt platform \"" + m_platform + "\".";
        const std::string quoted = '"' + name + '"';
        if (displays.find(quoted) == std::string::npos)
            displays += (displays.empty() ? "" : " or ") + quoted;
    }
    return "pellucors: cannot open display " + displays + ".";
}

void GraphicalSession::Open(const std::function<void()>& start) const {
    g_unopenedLine = UnopenedLine();
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    start();
    qInstallMessageHandler(previous);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(g_heldMutex);
        held = std::exchange(g_held, {});
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(OrNull(message.file), message.line,
                                         OrNull(message.function), OrNull(message.category));
        previous(message.type, context, message.text);
    }
}

bool GraphicalSession::StartApplication(std::optional<QApplication>& app, int& argc,
                                        char* argv[]) const {
    if (const std::optional<std::string> missing = MissingLine()) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return false;
    }
    Open([&] { app.emplace(argc, argv); });
    return true;
}

} // namespace pellucors
