#include "sync/query_clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <limits>

namespace horavia {

namespace {

class SteadyClock final : public QueryClock {
  public:
    std::int64_t NowMs() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    // The event loop runs, and sleeps until something happens, so a wait costs no CPU; a
    // precise timer makes sure the loop wakes when the time is up.
    void WaitUntil(const std::function<bool()>& done, std::int64_t untilMs) override {
        const auto remaining = [&] {
            return static_cast<int>(
                std::clamp<std::int64_t>(untilMs - NowMs(), 0, std::numeric_limits<int>::max()));
        };
        bool timedOut = false;
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.setTimerType(Qt::PreciseTimer);
        QObject::connect(&deadline, &QTimer::timeout, [&] {
            if (remaining() == 0) {
                timedOut = true;
            } else {
                deadline.start(remaining());  // woken a little early
            }
        });
        deadline.start(remaining());
        while (!(done && done()) && !timedOut && remaining() > 0) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
};

}  // namespace

CStopWatch StopWatchOn(QueryClock& clock) {
    return CStopWatch([&clock] { return static_cast<std::uint32_t>(clock.NowMs()); });
}

QueryClock& SteadyQueryClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace horavia
