#include "sync/query_clock.h"

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>

namespace horavia {

namespace {

class SteadyClock;

// A precise single-shot timer, started again when it wakes a little early.
class TimerAlarm final : public QueryAlarm {
  public:
    TimerAlarm(const QueryClock& clock, std::int64_t atMs, std::function<void()> due)
        : clock_(clock), atMs_(atMs), due_(std::move(due)) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (Remaining() > 0) {
                timer_.start(Remaining());
                return;
            }
            // The call may destroy this alarm: nothing is touched after it.
            const std::function<void()> due = due_;
            due();
        });
        timer_.start(Remaining());
    }

  private:
    int Remaining() const {
        return static_cast<int>(
            std::clamp<std::int64_t>(atMs_ - clock_.NowMs(), 0, std::numeric_limits<int>::max()));
    }

    const QueryClock& clock_;
    std::int64_t atMs_;
    std::function<void()> due_;
    QTimer timer_;
};

class SteadyClock final : public QueryClock {
  public:
    std::int64_t NowMs() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    std::unique_ptr<QueryAlarm> AlarmAt(std::int64_t atMs, AlarmKind /*kind*/,
                                        std::function<void()> due) override {
        return std::make_unique<TimerAlarm>(*this, atMs, std::move(due));
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
