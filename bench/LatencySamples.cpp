#include "LatencySamples.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace pellucors::bench {

namespace {
double Microseconds(qint64 ns) {
    return static_cast<double>(ns) / 1e3;
}

struct Summary {
    double first;
    double median;
    double p99;
    double worst;
};

// Of the calls after the first, which is reported on its own.
Summary Summarise(const std::vector<qint64>& ns) {
    std::vector<qint64> warm(ns.begin() + 1, ns.end());
    std::sort(warm.begin(), warm.end());
    const std::size_t n = warm.size();
    const double median = n % 2 ? Microseconds(warm[n / 2])
                                : (Microseconds(warm[n / 2 - 1]) + Microseconds(warm[n / 2])) / 2;
    const std::size_t p99 = std::min(n - 1, (n * 99) / 100);
    return {Microseconds(ns.front()), median, Microseconds(warm[p99]), Microseconds(warm.back())};
}
} // namespace

void LatencySamples::ProcessEvents() {
    QCoreApplication::processEvents();
}

void LatencySamples::Report() const {
    if (m_handlerNs.size() < 2) {
        std::printf("latency name=%s runs=%zu\n", m_name, m_handlerNs.size());
        return;
    }
    const Summary handler = Summarise(m_handlerNs);
    const Summary frame = Summarise(m_frameNs);
    std::printf("latency name=%s runs=%zu first_us=%.1f median_us=%.1f p99_us=%.1f worst_us=%.1f "
                "frame_median_us=%.1f frame_worst_us=%.1f\n",
                m_name, m_handlerNs.size() - 1, handler.first, handler.median, handler.p99,
                handler.worst, frame.median, frame.worst);
    std::fflush(stdout);
}

} // namespace pellucors::bench
