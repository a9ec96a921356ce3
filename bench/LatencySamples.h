#pragma once

#include <QElapsedTimer>

#include <vector>

namespace pellucors::bench {

// The median of `values`: the middle one, or the mean of the two middle ones;
// NaN for none.
double Median(std::vector<double> values);

// Times of one handler, call by call: the handler alone, and up to the end
// of the event processing it causes (relayouts, the repaint: what the user
// waits for before the window shows the result). Report() prints one line
// that bench_report reads:
//   latency name=NAME runs=N first_us=.. median_us=.. p99_us=.. worst_us=..
//           frame_median_us=.. frame_worst_us=..
// where `first` is the first (cold) call and the rest are of the calls after it.
class LatencySamples {
public:
    explicit LatencySamples(const char* name) : m_name(name) {}

    // Runs and times `handler` once; the set-up around it is not timed.
    template <typename Handler> void Time(Handler&& handler) {
        QElapsedTimer timer;
        timer.start();
        handler();
        m_handlerNs.push_back(timer.nsecsElapsed());
        ProcessEvents();
        m_frameNs.push_back(timer.nsecsElapsed());
    }

    void Report() const;

private:
    static void ProcessEvents();

    const char* m_name;
    std::vector<qint64> m_handlerNs;
    std::vector<qint64> m_frameNs;
};

} // namespace pellucors::bench
