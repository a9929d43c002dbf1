// "Now" in UTC, as the time queries need it to read a reply's era and stamp an NTP request.
#pragma once

#include <functional>

#include "model/day_count.h"
#include "model/services.h"

namespace horavia {

using UtcClock = std::function<DayCount()>;

// The program's injected clock, read as an instant: no zone's bias is added to a local
// reading, which could be read on the other side of a change of offset. clock must outlive
// the result.
UtcClock UtcClockOf(ClockSource& clock);

// This computer's own clock in UTC, to the microsecond.
DayCount SystemUtcNow();

}  // namespace horavia
