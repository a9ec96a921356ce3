#include "LatencySamples.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <limits>

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
    std::vector<double> warm;
    std::transform(ns.begin() + 1, ns.end(), std::back_inserter(warm), Microseconds);
    std::sort(warm.begin(), warm.end());
    const std::size_t p99 = std::min(warm.size() - 1, (warm.size() * 99) / 100);
    return {Microseconds(ns.front()), Median(warm), warm[p99], warm.back()};
}
} // namespace

double Median(std::vector<double> values) {
    if (values.empty())
        return std::numeric_limits<double>::quiet_NaN();
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

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
