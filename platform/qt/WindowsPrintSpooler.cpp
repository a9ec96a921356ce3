#include "PrintSpooler.h"

#include <QString>
#include <QtGlobal>

#include <windows.h>
#include <winspool.h>

#include <mutex>

namespace pellucors {

namespace {
// Qt's Windows print engine reports a failed EndPage or EndDoc, the calls that
// hand the pages and the document to the spooler, only as a warning ("...:
// EndDoc failed (reason)") and still ends the painter successfully.
std::mutex g_mutex;
QtMessageHandler g_previous = nullptr;
std::optional<std::string> g_refusal;

void WatchEngineMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QWin32PrintEngine::")) &&
        (text.contains(QLatin1String("EndDoc failed")) ||
         text.contains(QLatin1String("EndPage failed")))) {
        const std::lock_guard lock(g_mutex);
        const qsizetype open = text.lastIndexOf(QLatin1Char('('));
        const QString reason = open >= 0 && text.endsWith(QLatin1Char(')'))
                                   ? text.mid(open + 1, text.size() - open - 2).trimmed()
                                   : QString();
        if (!g_refusal)
            g_refusal = "The print spooler did not take the document" +
                        (reason.isEmpty() ? std::string(".") : ": " + reason.toStdString());
    }
    if (g_previous)
        g_previous(type, context, text);
}
} // namespace

SpoolerHandOver::SpoolerHandOver() {
    const std::lock_guard lock(g_mutex);
    g_refusal.reset();
    g_previous = qInstallMessageHandler(WatchEngineMessages);
}

SpoolerHandOver::~SpoolerHandOver() {
    qInstallMessageHandler(g_previous);
}

std::optional<std::string> SpoolerHandOver::Refusal() const {
    const std::lock_guard lock(g_mutex);
    return g_refusal;
}

// Every Windows queue has a driver, which tells Qt its paper.
std::optional<std::string> QueueMedia(const std::string&) {
    return std::nullopt;
}

// With the Print Spooler service stopped, asking for the default printer
// fails with "RPC server unavailable" rather than "not found".
std::optional<std::string> UnreachablePrintServer() {
    DWORD size = 0;
    if (GetDefaultPrinterW(nullptr, &size) || GetLastError() != RPC_S_SERVER_UNAVAILABLE)
        return std::nullopt;
    return "The Windows print spooler service cannot be reached.";
}

} // namespace pellucors
