#pragma once
// How long the GUI thread goes without turning its event loop: a 1 ms timer
// runs on it while some work goes on, and the gaps between its ticks are the
// stalls the user would feel.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace krx::bench {

inline double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// The gaps between the ticks, sorted, and for the longest gap the GUI
// thread's own CPU time within it (busy with our work) as opposed to time it
// did not run at all.
struct Stall {
    std::vector<qint64> gapsUs;
    double longestGapCpuMs = 0;
    double pct(double p) const {
        return gapsUs.empty() ? 0.0
                              : double(gapsUs[std::size_t(p * double(gapsUs.size() - 1))]) / 1000.0;
    }
};

inline void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The timer's gaps while `work` runs on the GUI thread (started from the
// event loop, as a click would be).
inline Stall MeasureStallDuring(const std::function<void()>& work) {
    Stall stall;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QElapsedTimer sinceTick;
    double cpuAtTick = 0;
    qint64 longest = -1;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.nsecsElapsed() / 1000;
        const double cpu = ThreadCpuMs();
        stall.gapsUs.push_back(gap);
        if (gap > longest) {
            longest = gap;
            stall.longestGapCpuMs = cpu - cpuAtTick;
        }
        sinceTick.restart();
        cpuAtTick = ThreadCpuMs();
    });
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        work();
        loop.quit();
    });
    sinceTick.start();
    cpuAtTick = ThreadCpuMs();
    tick.start();
    loop.exec();
    tick.stop();
    std::sort(stall.gapsUs.begin(), stall.gapsUs.end());
    return stall;
}

// The timer's gaps over `seconds` of whatever the program does meanwhile.
inline Stall MeasureStall(int seconds) {
    return MeasureStallDuring([seconds] { RunFor(seconds * 1000); });
}

}  // namespace krx::bench
