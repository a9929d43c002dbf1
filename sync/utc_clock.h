// "Now" in UTC, as the time queries need it to read a reply's era and stamp an NTP request.
#pragma once

#include <functional>

#include "model/services.h"

namespace horavia {

using UtcClock = std::function<Instant()>;

// The program's injected clock. clock must outlive the result.
UtcClock UtcClockOf(ClockSource& clock);

// This computer's own clock.
Instant SystemUtcNow();

}  // namespace horavia
