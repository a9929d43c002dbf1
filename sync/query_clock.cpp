#include "sync/query_clock.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "sync/event_wait.h"

namespace horavia {

namespace {

class SteadyClock final : public QueryClock {
  public:
    std::int64_t NowMs() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void WaitUntil(const std::function<bool()>& done, std::int64_t untilMs) override {
        const CStopWatch watch;
        const std::int64_t budget = std::clamp<std::int64_t>(
            untilMs - NowMs(), 0, std::numeric_limits<std::int32_t>::max());
        WaitWithEventLoop(
            done ? done : [] { return false; }, watch, static_cast<std::int32_t>(budget));
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
