#pragma once

#include <optional>
#include <string>

namespace pellucors {

// What the system's print spooler says that Qt's print engine does not pass
// on: whether it took a finished document, and, where no default printer is
// found, whether the print server could be reached at all. Each system has its
// own file: CUPS on Linux, the Windows print spooler on Windows.
class SpoolerHandOver {
public:
    // Watches from here: built just before the document is handed over.
    SpoolerHandOver();
    ~SpoolerHandOver();
    SpoolerHandOver(const SpoolerHandOver&) = delete;
    SpoolerHandOver& operator=(const SpoolerHandOver&) = delete;

    // After the hand-over: the spooler's reason for refusing the document, or
    // nothing when it took it.
    std::optional<std::string> Refusal() const;
};

// The default paper the spooler keeps for `queue` (the user's own choice of
// it included) as a media name, where the queue has no driver to tell Qt.
std::optional<std::string> QueueMedia(const std::string& queue);

// Where no default printer was found: the reason to show instead of "no
// printer", when it is the print server that cannot be reached.
std::optional<std::string> UnreachablePrintServer();

} // namespace pellucors
