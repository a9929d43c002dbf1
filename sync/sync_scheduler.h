// The automatic synchronisation schedule: is one due, and the caller's side of running it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/day_count.h"
#include "model/services.h"
#include "model/settings_store.h"

namespace horavia {

// Units of STIntType.
enum SyncIntervalType : std::int32_t {
    kIntervalSeconds = 0,
    kIntervalMinutes = 1,
    kIntervalHours = 2,
    kIntervalDays = 3,
    kIntervalWeeks = 4,
};

// Whole units of STIntType between STLast and now, counted on |now - STLast| so that a
// STLast in the future (the clock was set back) counts like one in the past. Unknown units
// give 0.
std::int64_t ElapsedIntervalUnits(std::int32_t STIntType, DayCount STLast, DayCount now);

// True when an automatic synchronisation is due: STInt on, and STLast 0 (never) or at least
// STIntNum units ago.
bool IsSyncDue(bool STInt, std::int32_t STIntNum, std::int32_t STIntType, DayCount STLast,
               DayCount now);

// The scheduler, called once per effective tick. When a synchronisation is due it starts
// one with syncTime, handing it the call to make once it is over; that call stores the time
// then, whatever the outcome, in STLast (memory and settings store) so that a failing server
// is retried only after a full interval. STLast, clock and store must outlive the
// synchronisation. Returns whether a synchronisation was started.
using SyncStarter = std::function<void(std::function<void()> finished)>;
bool UpdateTime(bool STInt, std::int32_t STIntNum, std::int32_t STIntType, DayCount& STLast,
                const SyncStarter& syncTime, ClockSource& clock, SettingsStore& store);

}  // namespace horavia
