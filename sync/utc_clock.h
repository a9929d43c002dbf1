// "Now" in UTC, as the time queries need it to read a reply's era and stamp an NTP request.
#pragma once

#include <functional>

#include "model/day_count.h"
#include "model/services.h"

namespace horavia {

using UtcClock = std::function<DayCount()>;

// The program's injected clock and zone: local time + bias. Both must outlive the result.
UtcClock UtcClockOf(ClockSource& clock, LocalZoneSource& localZone);

// This computer's own clock in UTC, to the microsecond.
DayCount SystemUtcNow();

}  // namespace horavia
