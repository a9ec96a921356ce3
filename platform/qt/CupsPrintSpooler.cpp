#include "PrintSpooler.h"

#include <cups/cups.h>
#include <cups/http.h>
#include <cups/ipp.h>
#include <dlfcn.h>

namespace pellucors {

namespace {
// libcups as Qt's CUPS plugin loaded it, or null where CUPS was not called.
// Only its header is compiled in: a start-up must not load libcups with its
// TLS and Kerberos libraries just for these two questions.
class LoadedCups {
public:
    LoadedCups() : m_library(dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD)) {}
    ~LoadedCups() {
        if (m_library)
            dlclose(m_library);
    }
    LoadedCups(const LoadedCups&) = delete;
    LoadedCups& operator=(const LoadedCups&) = delete;

    template <typename Function> Function* Find(const char* name) const {
        return m_library ? reinterpret_cast<Function*>(dlsym(m_library, name)) : nullptr;
    }

private:
    void* m_library;
};

const char kUnreachable[] = "The print server (CUPS) cannot be reached.";
} // namespace

SpoolerHandOver::SpoolerHandOver() = default;
SpoolerHandOver::~SpoolerHandOver() = default;

// Qt's CUPS engine hands the finished document to cupsPrintFile() and drops
// its result, so a queue that refuses the job (not accepting jobs, deleted,
// scheduler gone) would look like a printed document. libcups still holds
// that call's status for this thread.
std::optional<std::string> SpoolerHandOver::Refusal() const {
    const LoadedCups cups;
    const auto lastError = cups.Find<ipp_status_t()>("cupsLastError");
    const auto lastErrorString = cups.Find<const char*()>("cupsLastErrorString");
    if (!lastError || lastError() < IPP_STATUS_ERROR_BAD_REQUEST)
        return std::nullopt;
    if (lastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return kUnreachable;
    const char* text = lastErrorString ? lastErrorString() : nullptr;
    return text && *text ? std::string(text) : "The print spooler refused the document.";
}

// A raw queue's paper lives in CUPS alone: its media default, and the user's
// lpoptions for it, come with the destination.
std::optional<std::string> QueueMedia(const std::string& queue) {
    const LoadedCups cups;
    const auto namedDest =
        cups.Find<cups_dest_t*(http_t*, const char*, const char*)>("cupsGetNamedDest");
    const auto option = cups.Find<const char*(const char*, int, cups_option_t*)>("cupsGetOption");
    const auto freeDests = cups.Find<void(int, cups_dest_t*)>("cupsFreeDests");
    if (!namedDest || !option || !freeDests)
        return std::nullopt;
    cups_dest_t* dest = namedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (!dest)
        return std::nullopt;
    const char* media = option("media", dest->num_options, dest->options);
    std::optional<std::string> named;
    if (media && *media)
        named = media;
    freeDests(1, dest);
    return named;
}

// With the scheduler stopped CUPS lists no printers at all, which Qt reports
// as no default printer; asking the server itself tells the two apart.
std::optional<std::string> UnreachablePrintServer() {
    const LoadedCups cups;
    const auto server = cups.Find<const char*()>("cupsServer");
    const auto port = cups.Find<int()>("ippPort");
    const auto connect = cups.Find<http_t*(const char*, int, http_addrlist_t*, int,
                                           http_encryption_t, int, int, int*)>("httpConnect2");
    const auto close = cups.Find<void(http_t*)>("httpClose");
    if (!server || !port || !connect || !close)
        return std::nullopt;
    constexpr int kWaitMs = 3000;
    http_t* connection = connect(server(), port(), nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED,
                                 1, kWaitMs, nullptr);
    if (connection) {
        close(connection);
        return std::nullopt;
    }
    return kUnreachable;
}

} // namespace pellucors
