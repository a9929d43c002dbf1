// The clock the queries count on: the 2-second deadline, the response times and the 4-second
// pacing all read this steady clock, so that tests can give one they move themselves.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "sync/stop_watch.h"

namespace horavia {

// Something due at a moment on a query clock; destroying it cancels it.
class QueryAlarm {
  public:
    virtual ~QueryAlarm() = default;
};

// What an alarm ends: a wait for a server's answer, or a pause that only time ends.
enum class AlarmKind { Deadline, Pause };

class QueryClock {
  public:
    virtual ~QueryClock() = default;
    // Milliseconds on a steady clock.
    virtual std::int64_t NowMs() const = 0;
    // Calls `due` from the event loop once NowMs() has reached atMs.
    virtual std::unique_ptr<QueryAlarm> AlarmAt(std::int64_t atMs, AlarmKind kind,
                                                std::function<void()> due) = 0;
};

// How long a query waits for its server.
inline constexpr std::int32_t kTimeQueryWaitMs = 2000;

// The clock a query counts on and its deadline: only tests choose others.
struct QueryTiming {
    QueryClock* clock = nullptr;  // nullptr: SteadyQueryClock()
    std::int32_t deadlineMs = kTimeQueryWaitMs;
};

// The computer's steady clock; its alarms are precise timers, so the event loop sleeps until
// one is due. One for the whole program.
QueryClock& SteadyQueryClock();

inline QueryClock& ClockOf(const QueryTiming& timing) {
    return timing.clock != nullptr ? *timing.clock : SteadyQueryClock();
}

// A stopwatch that reads the query's clock.
CStopWatch StopWatchOn(QueryClock& clock);

}  // namespace horavia
