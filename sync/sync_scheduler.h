// The automatic synchronisation schedule: is one due, and the caller's side of running it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/day_count.h"
#include "model/instant.h"
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

// Whole units of STIntType between the last synchronisation and now, counted on
// |now - last| so that a last one in the future (the clock was set back) counts like one in
// the past. Unknown units give 0.
std::int64_t ElapsedIntervalUnits(std::int32_t STIntType, Instant last, Instant now);

// The instant STLast records (a local day count, as stored), read in the computer's zone;
// empty when STLast is 0 (never synchronised) or unreadable. A reading the zone has twice
// (the hour after the clock went back) is the later instant unless that is still to come: a
// synchronisation in the first pass is then not taken for one ahead, which would make the
// next one due at once and again on every tick until the second pass.
std::optional<Instant> LastSyncInstant(DayCount STLast, Instant now, LocalZoneSource& zone);

// True when an automatic synchronisation is due: STInt on, and no last one (never, or
// unreadable) or one at least STIntNum units before now.
bool IsSyncDue(bool STInt, std::int32_t STIntNum, std::int32_t STIntType,
               std::optional<Instant> last, Instant now);
// The same for STLast as stored, now on the clock, in the computer's zone.
bool IsSyncDueNow(bool STInt, std::int32_t STIntNum, std::int32_t STIntType, DayCount STLast,
                  ClockSource& clock, LocalZoneSource& zone);

// The scheduler, called once per effective tick. When a synchronisation is due it starts
// one with syncTime, handing it the call to make once it is over; that call stores the instant
// then, whatever the outcome, in STLast (memory and settings store, as the local day count of
// that instant) so that a failing server is retried only after a full interval. STLast,
// clock, zone and store must outlive the synchronisation. Returns whether one was started.
using SyncStarter = std::function<void(std::function<void()> finished)>;
bool UpdateTime(bool STInt, std::int32_t STIntNum, std::int32_t STIntType, DayCount& STLast,
                const SyncStarter& syncTime, ClockSource& clock, LocalZoneSource& zone,
                SettingsStore& store);

}  // namespace horavia
