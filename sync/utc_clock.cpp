#include "sync/utc_clock.h"

#include <chrono>

namespace horavia {

UtcClock UtcClockOf(ClockSource& clock) {
    return [&clock] { return LocalDayCountAt(clock.NowUtc(), 0); };
}

DayCount SystemUtcNow() {
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    return kUnixEpochDay + static_cast<double>(micros) / (static_cast<double>(kMsPerDay) * 1000.0);
}

}  // namespace horavia
