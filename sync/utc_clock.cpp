#include "sync/utc_clock.h"

#include <chrono>

namespace horavia {

UtcClock UtcClockOf(ClockSource& clock) {
    return [&clock] { return clock.NowUtc(); };
}

Instant SystemUtcNow() {
    return std::chrono::floor<std::chrono::milliseconds>(std::chrono::system_clock::now());
}

}  // namespace horavia
