// A moment on the time line in UTC, and the one place where it meets a reading of the local
// clock (a local day count).
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "model/day_count.h"

namespace horavia {

// A UTC instant to the millisecond.
using Instant = std::chrono::sys_time<std::chrono::milliseconds>;

Instant InstantFromUnixMs(std::int64_t ms);
std::int64_t UnixMsOf(Instant t);

// The local day count of an instant under a bias (UTC = local + bias minutes), and back. A
// count before 1899-12-30 keeps the automation date's convention (see LinearDays). The
// instant is empty when the count is not finite or lies beyond years -9999..19999.
DayCount LocalDayCountAt(Instant t, std::int32_t bias);
// Whether the instant lies in the calendar's range (years -9999..19999): beyond it no clock
// reading, and no difference from one, means anything.
bool IsCalendarInstant(Instant t);
std::optional<Instant> InstantOfLocal(DayCount local, std::int32_t bias);

// Where a local wall time lies on the time line once the zone's changes of offset are
// counted. pre is the wall time read with the offset in force before a change, post with the
// offset after it. Unique: both are the one instant. Repeated (the clock was set back): pre
// is the first pass, post the second, an offset's difference later. Skipped (the clock was
// set forward): no instant has this reading; post lies before the change and pre after it.
struct LocalTimeLookup {
    enum class Kind { Unique, Skipped, Repeated };
    Kind kind = Kind::Unique;
    Instant pre;
    Instant post;
};

}  // namespace horavia
