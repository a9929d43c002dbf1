// The time the queries wait on: the 2-second deadline, the response times and the 4-second
// pacing all count on this steady clock, so that tests can give one they move themselves.
#pragma once

#include <cstdint>
#include <functional>

#include "sync/stop_watch.h"

namespace horavia {

class QueryClock {
  public:
    virtual ~QueryClock() = default;
    // Milliseconds on a steady clock.
    virtual std::int64_t NowMs() const = 0;
    // Runs the event loop until done() is true or NowMs() reaches untilMs. Without done,
    // only time ends the wait.
    virtual void WaitUntil(const std::function<bool()>& done, std::int64_t untilMs) = 0;
};

// How long a query waits for its server.
inline constexpr std::int32_t kTimeQueryWaitMs = 2000;

// The clock a query waits on and its deadline: only tests choose others.
struct QueryTiming {
    QueryClock* clock = nullptr;  // nullptr: SteadyQueryClock()
    std::int32_t deadlineMs = kTimeQueryWaitMs;
};

// The computer's steady clock, waiting with the event loop running and asleep while nothing
// happens. One for the whole program.
QueryClock& SteadyQueryClock();

inline QueryClock& ClockOf(const QueryTiming& timing) {
    return timing.clock != nullptr ? *timing.clock : SteadyQueryClock();
}

// A stopwatch that reads the query's clock.
CStopWatch StopWatchOn(QueryClock& clock);

}  // namespace horavia
